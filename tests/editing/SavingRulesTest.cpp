#include "editing/SavingRules.h"
#include "player/NowPlaying.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SavingRulesTest, ANewTextsPathAndItsStatusLineFollowTheSongAndStayInsideTheTextsFolder)
{
    struct Case {
        const char *textsPath, *artist, *title, *specialSym, *file, *statusText;
    };
    const Case cases[] = {
        {"D:\\Texts\\", "Up/Down", "Why? No.", "_", "D:\\Texts\\Up_Down\\Why_ No..txt", "\\Up_Down\\Why_ No..txt"},
        {"D:\\Texts\\", "", "Solo", "_", "D:\\Texts\\\\Solo.txt", "\\\\Solo.txt"},
        // The path is used as the user left it: no separator is added.
        {"D:\\Texts", "A", "B", "_", "D:\\TextsA\\B.txt", "sA\\B.txt"},
        {"", "A", "B", "_", "A\\B.txt", "A\\B.txt"},
        {"D:\\Texts\\", "..", "T", "-", "D:\\Texts\\--\\T.txt", "\\--\\T.txt"},
        // A space would be dropped from the end of a folder name.
        {"D:\\Texts\\", ".", "T", " ", "D:\\Texts\\_\\T.txt", "\\_\\T.txt"},
        {"D:\\Texts\\", "..\\..", "T", "_", "D:\\Texts\\.._..\\T.txt", "\\.._..\\T.txt"},
        {"D:\\Texts\\", "Mr. X.", "..", "_", "D:\\Texts\\Mr. X.\\...txt", "\\Mr. X.\\...txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Settings settings;
        settings.textsPath = c.textsPath;
        settings.specialSymPosition = static_cast<int>(SpecialSymbols.find(c.specialSym[0])) + 1;
        const std::string file = NewTextFileOf(NowPlayingSong{c.artist, c.title}, settings);
        EXPECT_EQ(file, c.file);
        EXPECT_EQ(StatusTextOf(file, settings.textsPath), c.statusText);
    }
    EXPECT_EQ(StatusTextOf("C:\\T\\" + std::string(300, 'x'), "C:\\T\\"), "\\" + std::string(254, 'x'));
}

TEST(SavingRulesTest, TheEditorGetsTheFileInQuotesAndAProgramWithSpacesQuotedToo)
{
    EXPECT_EQ(EditorCommandLine("C:\\WINDOWS\\NOTEPAD.EXE", "D:\\Texts\\A\\B.txt"),
              "C:\\WINDOWS\\NOTEPAD.EXE \"D:\\Texts\\A\\B.txt\"");
    EXPECT_EQ(EditorCommandLine("C:\\Program Files\\Pad\\pad.exe", "D:\\My Texts\\B.txt"),
              "\"C:\\Program Files\\Pad\\pad.exe\" \"D:\\My Texts\\B.txt\"");
}

} // namespace
