#include "editing/ExternalEditor.h"

#include "editing/SavingRules.h"
#include "win/LateBinding.h"
#include "win/UniqueHandle.h"

#include <shellapi.h>

namespace {

constexpr DWORD EditorStartWaitMs = 3000;

} // namespace

void OpenInExternalEditor(const std::wstring& file, bool closePrevious, EditorProcessRecord& editor)
{
    CloseExternalEditor(closePrevious, editor);
    editor = {};

    static const auto findExecutable = LateFunction<decltype(FindExecutableW)>("shell32.dll", "FindExecutableW");
    wchar_t program[MAX_PATH] = {};
    if (!findExecutable || reinterpret_cast<INT_PTR>(findExecutable(file.c_str(), nullptr, program)) <= 32 ||
        !program[0])
        return;
    std::wstring commandLine = EditorCommandLine(program, file);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                        nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    editor.processId = process.dwProcessId;
    editor.threadId = process.dwThreadId;
}

void CloseExternalEditor(bool asked, EditorProcessRecord& editor)
{
    if (!asked || editor.threadId == 0)
        return;
    // An editor started moments ago may have no window yet: it is given a
    // few seconds to be ready for input. One that has ended is not waited for.
    const UniqueKernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, editor.processId));
    if (process)
        WaitForInputIdle(process.get(), EditorStartWaitMs);
    EnumThreadWindows(editor.threadId, CloseEditorWindows, 0);
    editor = {};
}

BOOL CALLBACK CloseEditorWindows(HWND window, LPARAM)
{
    SendMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}
