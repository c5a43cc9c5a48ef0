#pragma once

#include "win/UniqueHandle.h"

#include <windows.h>

#include <functional>
#include <stdexcept>

// Threads and locks of the system's own. The C++ library's, with mingw-w64,
// bring in its pthreads library, which calls functions Windows XP lacks.

inline DWORD WINAPI RunThreadWork(void* work) noexcept
{
    try {
        (*static_cast<const std::function<void()>*>(work))();
    } catch (...) {
        // The thread ends; nothing stands above it to report to.
    }
    return 0;
}

// Runs `work` on a thread of its own, which ends when it returns (or throws);
// waiting on the handle joins it. `work` must outlive the thread.
inline UniqueKernelHandle StartThread(const std::function<void()>& work)
{
    UniqueKernelHandle thread(
        CreateThread(nullptr, 0, RunThreadWork, const_cast<std::function<void()>*>(&work), 0, nullptr));
    if (!thread)
        throw std::runtime_error("Cannot start a thread");
    return thread;
}

class CriticalSection {
public:
    CriticalSection() { InitializeCriticalSection(&section_); }
    ~CriticalSection() { DeleteCriticalSection(&section_); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    // Held from its making to its end.
    class Held {
    public:
        explicit Held(CriticalSection& lock) : lock_(lock) { EnterCriticalSection(&lock_.section_); }
        ~Held() { LeaveCriticalSection(&lock_.section_); }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        CriticalSection& lock_;
    };

private:
    CRITICAL_SECTION section_;
};
