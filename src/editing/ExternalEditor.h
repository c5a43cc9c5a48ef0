#pragma once

#include <windows.h>

#include <string>

// The editor the system associates with ".txt" files, started on a text and
// closed again. Only its main thread is needed afterwards, to find its windows;
// its handles are closed at once rather than kept open for nothing.
struct EditorProcessRecord {
    DWORD processId = 0;
    DWORD threadId = 0;
};

// Starts the associated program on `file`, after closing the editor started
// before when `closePrevious` holds. Nothing is reported when nothing is
// associated or the start fails; `editor` is then zero.
void OpenInExternalEditor(const std::wstring& file, bool closePrevious, EditorProcessRecord& editor);

// When `asked` and an editor is known: closes its windows and forgets it. An
// editor still starting is waited for, up to a few seconds, so that its
// window is there to be closed.
void CloseExternalEditor(bool asked, EditorProcessRecord& editor);

// For EnumThreadWindows: asks `window` to close and waits until it has handled
// the request (an editor that asks about saving holds the program until the
// question is answered); always goes on to the next window.
BOOL CALLBACK CloseEditorWindows(HWND window, LPARAM);
