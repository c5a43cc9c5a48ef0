#include "editing/ExternalEditor.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Makes the stand-in editor beside the tests (or, with `withCommand` false, a
// class that names no program) the ".txt" association while it lives. Wine
// reads associations from the machine's classes only.
class TextAssociation {
public:
    explicit TextAssociation(bool withCommand)
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
    ~TextAssociation()
    {
        RegSetValueA(HKEY_CLASSES_ROOT, ".txt", REG_SZ, previous_.c_str(), 0);
        for (const char* key : {"Sonvera.StandIn\\shell\\open\\command", "Sonvera.StandIn\\shell\\open",
                                "Sonvera.StandIn\\shell", "Sonvera.StandIn"})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
    TextAssociation(const TextAssociation&) = delete;
    TextAssociation& operator=(const TextAssociation&) = delete;

    std::string program;

private:
    std::string previous_ = "txtfile";
};

// The stand-in's own windows; the system may give its thread more (an IME window).
BOOL CALLBACK CountWindow(HWND window, LPARAM counter)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    *reinterpret_cast<int*>(counter) += std::string(className) == "SonveraStandInEditor";
    return TRUE;
}

int WindowsOf(const EditorProcessRecord& editor)
{
    int count = 0;
    EnumThreadWindows(editor.threadId, CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class ExternalEditorTest : public ::testing::Test {
protected:
    ScratchFolder scratch;

    void SetUp() override { SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", (scratch.AnsiPath() + "log").c_str()); }
    void TearDown() override { SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", nullptr); }

    // What one stand-in logged: its command line, then a line per close request.
    std::vector<std::string> LogOf(const EditorProcessRecord& editor) const
    {
        std::vector<std::string> lines;
        std::istringstream text(scratch.Read(L"log").value_or(""));
        const std::string prefix = std::to_string(editor.processId) + ' ';
        for (std::string line; std::getline(text, line);)
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line.substr(prefix.size(), line.size() - prefix.size() - 1));
        return lines;
    }

    static bool ShowsBothWindows(const EditorProcessRecord& editor)
    {
        for (int waited = 0; editor.threadId && waited < 10000; waited += 20, Sleep(20))
            if (WindowsOf(editor) == 2)
                return true;
        return false;
    }
};

TEST_F(ExternalEditorTest, StartsTheAssociatedProgramAndClosesEveryWindowOfTheOneStartedLast)
{
    const TextAssociation association(true);
    scratch.MakeFile(L"A b\\Song.txt", "words");
    const std::string file = scratch.AnsiPath() + "A b\\Song.txt";

    EditorProcessRecord editor;
    OpenInExternalEditor(file, true, editor);
    ASSERT_TRUE(ShowsBothWindows(editor));
    const EditorProcessRecord first = editor;
    ASSERT_EQ(LogOf(first).size(), 1u);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, LogOf(first)[0].c_str(), -1,
                             ("start " + association.program + " \"" + file + '"').c_str(), -1),
              CSTR_EQUAL)
        << LogOf(first)[0];

    // Not asked to close it, the next start forgets the first editor; asked,
    // it closes every window of the one it knows before the call returns.
    OpenInExternalEditor(file, false, editor);
    ASSERT_TRUE(ShowsBothWindows(editor));
    const EditorProcessRecord second = editor;
    OpenInExternalEditor(file, true, editor);
    EXPECT_EQ(LogOf(second).size(), 3u);
    EXPECT_EQ(LogOf(second).back(), "closed");
    EXPECT_EQ(WindowsOf(first), 2);
    ASSERT_TRUE(ShowsBothWindows(editor));

    const EditorProcessRecord third = editor;
    CloseExternalEditor(false, editor);
    EXPECT_EQ(WindowsOf(third), 2);
    CloseExternalEditor(true, editor);
    EXPECT_EQ(LogOf(third).size(), 3u);
    EXPECT_EQ(editor.threadId, 0u);
    EXPECT_EQ(editor.processId, 0u);

    EditorProcessRecord forgotten = first;
    CloseExternalEditor(true, forgotten);
    EXPECT_EQ(LogOf(first).size(), 3u);
}

TEST_F(ExternalEditorTest, NoAssociatedProgramStartsNothing)
{
    const TextAssociation association(false);
    scratch.MakeFile(L"Song.txt");
    EditorProcessRecord editor{1234, 5678};
    OpenInExternalEditor(scratch.AnsiPath() + "Song.txt", false, editor);
    EXPECT_EQ(editor.threadId, 0u);
    EXPECT_EQ(editor.processId, 0u);
    Sleep(300);
    EXPECT_FALSE(scratch.Read(L"log"));
}

} // namespace
