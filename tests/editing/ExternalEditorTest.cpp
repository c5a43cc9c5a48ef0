#include "editing/ExternalEditor.h"
#include "support/ScratchFolder.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char StandInClass[] = "Sonvera.StandInText";

// Makes the stand-in editor (or, with `withCommand` false, a class that names
// no program) the ".txt" association of the test prefix while it lives. Wine
// reads associations from the machine's classes only.
class TextAssociation {
public:
    explicit TextAssociation(bool withCommand)
    {
        char exe[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, exe, MAX_PATH);
        program_.assign(exe, length);
        program_.replace(program_.rfind('\\') + 1, std::string::npos, "StandInEditor.exe");

        RegCreateKeyExA(HKEY_CLASSES_ROOT, ".txt", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &textKey_,
                        nullptr);
        char previous[256] = {};
        DWORD size = sizeof previous - 1;
        DWORD type = 0;
        if (RegQueryValueExA(textKey_, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(previous), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ)
            previous_ = previous;
        SetDefault(textKey_, StandInClass);
        if (withCommand) {
            HKEY command = nullptr;
            RegCreateKeyExA(HKEY_CLASSES_ROOT, (std::string(StandInClass) + "\\shell\\open\\command").c_str(), 0,
                            nullptr, 0, KEY_SET_VALUE, nullptr, &command, nullptr);
            SetDefault(command, '"' + program_ + "\" \"%1\"");
            RegCloseKey(command);
        }
    }
    ~TextAssociation()
    {
        if (previous_)
            SetDefault(textKey_, *previous_);
        else
            RegDeleteValueA(textKey_, nullptr);
        RegCloseKey(textKey_);
        DeleteRegistryTree(HKEY_CLASSES_ROOT, StandInClass);
    }
    TextAssociation(const TextAssociation&) = delete;
    TextAssociation& operator=(const TextAssociation&) = delete;

    const std::string& Program() const { return program_; }

private:
    static void SetDefault(HKEY key, const std::string& value)
    {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }

    std::string program_;
    HKEY textKey_ = nullptr;
    std::optional<std::string> previous_;
};

// The stand-in's own windows; the system may give its thread more (an IME window).
BOOL CALLBACK CountWindow(HWND window, LPARAM counter)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "SonveraStandInEditor")
        ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int WindowsOf(DWORD thread)
{
    int count = 0;
    EnumThreadWindows(thread, CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class ExternalEditorTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    std::string log = scratch.AnsiPath() + "editor.log";

    void SetUp() override { SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", log.c_str()); }
    void TearDown() override { SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", nullptr); }

    // The log's lines of one stand-in, its process id taken off.
    std::vector<std::string> LogOf(DWORD process) const
    {
        std::vector<std::string> lines;
        std::istringstream text(scratch.Read(L"editor.log").value_or(""));
        const std::string prefix = std::to_string(process) + ' ';
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line.substr(prefix.size()));
        }
        return lines;
    }

    // Waits until the editor shows both of its windows.
    static bool Started(const EditorProcessRecord& editor)
    {
        for (int waited = 0; waited < 10000; waited += 20) {
            if (editor.threadId != 0 && WindowsOf(editor.threadId) == 2)
                return true;
            Sleep(20);
        }
        return false;
    }
};

TEST_F(ExternalEditorTest, StartsTheAssociatedProgramAndClosesEveryWindowOfTheOneItForgetsLast)
{
    const TextAssociation association(true);
    scratch.MakeFile(L"A b\\Song.txt", "words");
    const std::string file = scratch.AnsiPath() + "A b\\Song.txt";

    EditorProcessRecord editor;
    OpenInExternalEditor(file, true, editor);
    ASSERT_TRUE(Started(editor));
    const std::vector<std::string> started = LogOf(editor.processId);
    ASSERT_FALSE(started.empty());
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, started[0].c_str(), -1,
                             ("start " + association.Program() + " \"" + file + '"').c_str(), -1),
              CSTR_EQUAL)
        << started[0];

    // Without ClosePads the first editor stays open and is forgotten.
    const EditorProcessRecord kept = editor;
    OpenInExternalEditor(file, false, editor);
    ASSERT_TRUE(Started(editor));
    EXPECT_NE(editor.threadId, kept.threadId);
    EXPECT_EQ(WindowsOf(kept.threadId), 2);

    // With it, the editor known is closed before the next one starts, and
    // every one of its windows was asked before the call returned.
    const EditorProcessRecord second = editor;
    OpenInExternalEditor(file, true, editor);
    const std::vector<std::string> secondLog = LogOf(second.processId);
    EXPECT_EQ(std::vector<std::string>(secondLog.begin() + 1, secondLog.end()),
              (std::vector<std::string>{"closed", "closed"}));
    ASSERT_TRUE(Started(editor));

    CloseExternalEditor(false, editor);
    EXPECT_EQ(WindowsOf(editor.threadId), 2);
    const EditorProcessRecord third = editor;
    CloseExternalEditor(true, editor);
    EXPECT_EQ(LogOf(third.processId).size(), 3u);
    EXPECT_EQ(editor.threadId, 0u);
    EXPECT_EQ(editor.processId, 0u);

    EditorProcessRecord leftOver = kept;
    CloseExternalEditor(true, leftOver);
    EXPECT_EQ(LogOf(kept.processId).size(), 3u);
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
    EXPECT_FALSE(scratch.Read(L"editor.log"));
}

} // namespace
