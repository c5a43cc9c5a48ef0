#pragma once

#include "find/TextIndex.h"
#include "win/Threads.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Reads every text of the texts folder that the search can find into an
// index, on a thread of its own, then keeps the index up to date as files in
// the folder change. The thread never touches a window: after each batch of
// texts and each change taken in it posts `message` to `window`, once until
// the window has taken the progress. Files that are no texts (unreadable, a
// folder, larger than any song's text, binary) are counted, never indexed.
class FolderReader {
public:
    // `textsFolder` ends with a backslash.
    FolderReader(std::wstring textsFolder, HWND window, UINT message);
    // Stops the thread and waits for it; the index goes with the object.
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    struct Progress {
        std::size_t read = 0;
        // 0 until the whole folder is listed.
        std::size_t total = 0;
        // Every text of the folder is in the index.
        bool finished = false;
        bool folderMissing = false;
    };
    // How far it is; the next change is posted again.
    Progress TakeProgress();

    // The texts folder, with its backslash.
    const std::wstring& Folder() const { return folder_; }
    // Whether `folder` is the folder it reads, its backslash and letter case
    // aside.
    bool Reads(const std::wstring& folder) const;
    // Runs `work` on the index while nothing else changes it.
    template <typename Work>
    auto WithIndex(Work work)
    {
        const CriticalSection::Held held(lock_);
        return work(index_);
    }

    // A text the program has just written, read again at once on the
    // calling thread; any other path is ignored.
    void ReadAgain(const std::wstring& path);

private:
    struct Entry {
        // Below the texts folder.
        std::wstring path;
        bool isFolder;
        unsigned long long size;
    };
    struct Change {
        DWORD action;
        std::wstring path;
    };

    void Run();
    void ReadAll();
    // The "*.txt" entries below `scope` ("" for the whole folder, else an
    // artist's or an album's folder) that the search looks at, each as the
    // enumeration meets it.
    void ListTexts(const std::wstring& scope, const std::function<void(Entry)>& take) const;
    // The entry's bytes, and its text: nothing when it is no text.
    std::optional<std::string> Read(const Entry& entry) const;
    static std::optional<PreparedText> Take(const Entry& entry, std::optional<std::string> bytes);
    static void Store(TextIndex& index, const Entry& entry, std::optional<PreparedText> text);
    void Watch(HANDLE folder);
    void Apply(std::vector<Change>& changes);
    void UpdateFile(const std::wstring& path);
    void Rescan(const std::wstring& scope);
    bool Stopping() const;
    void Report();

    const std::wstring folder_;
    const HWND window_;
    const UINT message_;
    // Asked after every file, so kept apart from the event that wakes the
    // watch: waiting on an event, even for no time, costs as much as a read.
    std::atomic<bool> stopping_{false};
    UniqueKernelHandle stop_;
    CriticalSection lock_;
    TextIndex index_;
    std::atomic<std::size_t> read_{0};
    std::atomic<std::size_t> total_{0};
    std::atomic<bool> finished_{false};
    std::atomic<bool> folderMissing_{false};
    std::atomic<bool> reported_{false};
    const std::function<void()> run_;
    UniqueKernelHandle thread_;
};
