#include "editing/SavingRules.h"
#include "player/NowPlaying.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SavingRulesTest, ANewTextsPathAndItsStatusLineFollowTheSongAndStayInsideTheTextsFolder)
{
    struct Case {
        const wchar_t *textsPath, *artist, *title;
        const char* specialSym;
        const wchar_t *file, *statusText;
    };
    const Case cases[] = {
        {L"D:\\Texts\\", L"Up/Down", L"Why? No.", "_", L"D:\\Texts\\Up_Down\\Why_ No..txt", L"\\Up_Down\\Why_ No..txt"},
        {L"D:\\Texts\\", L"", L"Solo", "_", L"D:\\Texts\\\\Solo.txt", L"\\\\Solo.txt"},
        // The path is used as the user left it: no separator is added.
        {L"D:\\Texts", L"A", L"B", "_", L"D:\\TextsA\\B.txt", L"sA\\B.txt"},
        {L"", L"A", L"B", "_", L"A\\B.txt", L"A\\B.txt"},
        {L"D:\\Texts\\", L"..", L"T", "-", L"D:\\Texts\\--\\T.txt", L"\\--\\T.txt"},
        // A space would be dropped from the end of a folder name.
        {L"D:\\Texts\\", L".", L"T", " ", L"D:\\Texts\\_\\T.txt", L"\\_\\T.txt"},
        {L"D:\\Texts\\", L"..\\..", L"T", "_", L"D:\\Texts\\.._..\\T.txt", L"\\.._..\\T.txt"},
        {L"D:\\Texts\\", L"Mr. X.", L"..", "_", L"D:\\Texts\\Mr. X.\\...txt", L"\\Mr. X.\\...txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Settings settings;
        settings.textsPath = c.textsPath;
        settings.specialSymPosition = static_cast<int>(SpecialSymbols.find(c.specialSym[0])) + 1;
        const std::wstring file = NewTextFileOf(NowPlayingSong{c.artist, c.title}, settings);
        EXPECT_EQ(file, c.file);
        EXPECT_EQ(StatusTextOf(file, settings.textsPath), c.statusText);
    }
    EXPECT_EQ(StatusTextOf(L"C:\\T\\" + std::wstring(300, L'x'), L"C:\\T\\"), L"\\" + std::wstring(254, L'x'));
    // A character of two units at the cut goes whole or not at all.
    EXPECT_EQ(StatusTextOf(L"C:\\T\\" + std::wstring(253, L'x') + L"\xD83C\xDFB5", L"C:\\T\\"),
              L"\\" + std::wstring(253, L'x'));
}

TEST(SavingRulesTest, TheEditorGetsTheFileInQuotesAndAProgramWithSpacesQuotedToo)
{
    EXPECT_EQ(EditorCommandLine(L"C:\\WINDOWS\\NOTEPAD.EXE", L"D:\\Texts\\A\\B.txt"),
              L"C:\\WINDOWS\\NOTEPAD.EXE \"D:\\Texts\\A\\B.txt\"");
    EXPECT_EQ(EditorCommandLine(L"C:\\Program Files\\Pad\\pad.exe", L"D:\\My Texts\\B.txt"),
              L"\"C:\\Program Files\\Pad\\pad.exe\" \"D:\\My Texts\\B.txt\"");
}

} // namespace
