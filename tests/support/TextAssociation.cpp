#include "support/TextAssociation.h"

TextAssociation::TextAssociation(bool withCommand)
{
    char exe[MAX_PATH];
    program.assign(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    program.replace(program.rfind('\\') + 1, std::string::npos, "StandInEditor.exe");
    char previous[256] = {};
    LONG size = sizeof previous;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".txt", previous, &size) == ERROR_SUCCESS)
        previous_ = previous;
    RegSetValueA(HKEY_CLASSES_ROOT, ".txt", REG_SZ, "Sonvera.StandIn", 0);
    const std::string command = withCommand ? '"' + program + "\" \"%1\"" : "";
    RegSetValueA(HKEY_CLASSES_ROOT, withCommand ? "Sonvera.StandIn\\shell\\open\\command" : "Sonvera.StandIn", REG_SZ,
                 command.c_str(), 0);
}

TextAssociation::~TextAssociation()
{
    RegSetValueA(HKEY_CLASSES_ROOT, ".txt", REG_SZ, previous_.c_str(), 0);
    for (const char* key : {"Sonvera.StandIn\\shell\\open\\command", "Sonvera.StandIn\\shell\\open",
                            "Sonvera.StandIn\\shell", "Sonvera.StandIn"})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
}

namespace {

BOOL CALLBACK CountStandInWindow(HWND window, LPARAM counter)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    *reinterpret_cast<int*>(counter) += std::string(className) == "SonveraStandInEditor";
    return TRUE;
}

} // namespace

int StandInWindows(const EditorProcessRecord& editor)
{
    int count = 0;
    EnumThreadWindows(editor.threadId, CountStandInWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

int StandInWindows()
{
    int count = 0;
    EnumWindows(CountStandInWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool StandInShowsBothWindows(const EditorProcessRecord& editor)
{
    for (int waited = 0; editor.threadId && waited < 10000; waited += 20, Sleep(20))
        if (StandInWindows(editor) == 2)
            return true;
    return false;
}
