#include "editing/ExternalEditor.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/TextAssociation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

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

};

TEST_F(ExternalEditorTest, StartsTheAssociatedProgramAndClosesEveryWindowOfTheOneStartedLast)
{
    const TextAssociation association(true);
    // A name code page 1251 lacks part of reaches the editor whole.
    scratch.MakeFile(L"A b\\Björk – Song.txt", "words");
    const std::wstring file = scratch.Path() + L"A b\\Björk – Song.txt";

    EditorProcessRecord editor;
    OpenInExternalEditor(file, true, editor);
    ASSERT_TRUE(StandInShowsBothWindows(editor));
    const EditorProcessRecord first = editor;
    ASSERT_EQ(LogOf(first).size(), 1u);
    EXPECT_EQ(CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, FromUtf8(LogOf(first)[0]).c_str(), -1,
                             (L"start " + FromCp1251(association.program) + L" \"" + file + L'"').c_str(), -1),
              CSTR_EQUAL)
        << LogOf(first)[0];

    // Not asked to close it, the next start forgets the first editor; asked,
    // it closes every window of the one it knows before the call returns.
    OpenInExternalEditor(file, false, editor);
    ASSERT_TRUE(StandInShowsBothWindows(editor));
    const EditorProcessRecord second = editor;
    OpenInExternalEditor(file, true, editor);
    EXPECT_EQ(LogOf(second).size(), 3u);
    EXPECT_EQ(LogOf(second).back(), "closed");
    EXPECT_EQ(StandInWindows(first), 2);
    ASSERT_TRUE(StandInShowsBothWindows(editor));

    const EditorProcessRecord third = editor;
    CloseExternalEditor(false, editor);
    EXPECT_EQ(StandInWindows(third), 2);
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
    OpenInExternalEditor(scratch.Path() + L"Song.txt", false, editor);
    EXPECT_EQ(editor.threadId, 0u);
    EXPECT_EQ(editor.processId, 0u);
    Sleep(300);
    EXPECT_FALSE(scratch.Read(L"log"));
}

} // namespace
