#include "editing/SavingRules.h"
#include "player/NowPlaying.h"
#include "settings/SettingsSource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SavingRulesTest, ANewTextsPathAndTheStatusLineFollowTheSong)
{
    struct Case {
        const char* textsPath;
        const char* artist;
        const char* title;
        const char* specialSym;
        const char* file;
        const char* statusText;
    };
    const Case cases[] = {
        {"D:\\Texts\\", "Up/Down", "Why? No.", "_", "D:\\Texts\\Up_Down\\Why_ No..txt", "\\Up_Down\\Why_ No..txt"},
        {"D:\\Texts\\", "", "Solo", "_", "D:\\Texts\\\\Solo.txt", "\\\\Solo.txt"},
        // The value is used as the user left it: no separator is added.
        {"D:\\Texts", "A", "B", "_", "D:\\TextsA\\B.txt", "sA\\B.txt"},
        {"", "A", "B", "_", "A\\B.txt", "A\\B.txt"},
        // An artist of dots must not lead out of the texts folder.
        {"D:\\Texts\\", "..", "T", "-", "D:\\Texts\\--\\T.txt", "\\--\\T.txt"},
        {"D:\\Texts\\", ".", "T", " ", "D:\\Texts\\_\\T.txt", "\\_\\T.txt"},
        {"D:\\Texts\\", "...", "T", "~", "D:\\Texts\\~~~\\T.txt", "\\~~~\\T.txt"},
        {"D:\\Texts\\", "..\\..", "T", "_", "D:\\Texts\\.._..\\T.txt", "\\.._..\\T.txt"},
        {"D:\\Texts\\", "Mr. X.", "T", "_", "D:\\Texts\\Mr. X.\\T.txt", "\\Mr. X.\\T.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.artist) + " / " + c.title);
        FixedSettings settings;
        settings.textsPath = c.textsPath;
        settings.specialSym = c.specialSym;
        const NowPlayingSong song{c.artist, c.title};
        const std::string file = NewTextFileOf(song, settings);
        EXPECT_EQ(file, c.file);
        EXPECT_EQ(StatusTextOf(file, settings.textsPath), c.statusText);
    }
}

TEST(SavingRulesTest, TheStatusLineHoldsAtMost255CharactersAndNothingPastThePath)
{
    const std::string textsPath = "C:\\T\\";
    const std::string deep = textsPath + std::string(300, 'x') + ".txt";
    EXPECT_EQ(StatusTextOf(deep, textsPath), "\\" + std::string(254, 'x'));
    EXPECT_EQ(StatusTextOf("C:\\", textsPath), "");
}

TEST(SavingRulesTest, TheEditorGetsTheFileInQuotesAndAProgramWithSpacesQuotedToo)
{
    EXPECT_EQ(EditorCommandLine("C:\\WINDOWS\\NOTEPAD.EXE", "D:\\Texts\\A\\B.txt"),
              "C:\\WINDOWS\\NOTEPAD.EXE \"D:\\Texts\\A\\B.txt\"");
    EXPECT_EQ(EditorCommandLine("C:\\Program Files\\Pad\\pad.exe", "D:\\My Texts\\B.txt"),
              "\"C:\\Program Files\\Pad\\pad.exe\" \"D:\\My Texts\\B.txt\"");
    const std::string longFile = "D:\\" + std::string(400, 'y') + ".txt";
    EXPECT_EQ(EditorCommandLine("E.EXE", longFile), "E.EXE \"" + longFile + '"');
}

} // namespace
