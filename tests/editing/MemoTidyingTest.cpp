#include "editing/EditingWindows.h"
#include "app/RichTextArea.h"
#include "editing/TextTidying.h"
#include "support/Cp1251.h"
#include "win/AnsiCase.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

namespace {

// The commands as the main window runs them, on a text area of its own.
void MenuTrimText(HWND memo)
{
    RichTextArea(memo).Trim();
}

void MenuNormText(HWND memo)
{
    RichTextArea(memo).Normalise();
}

class MemoTidyingTest : public ::testing::Test {
protected:
    EditingWindows windows;

    // Runs `command` on `text`; then checks that a second run changes nothing,
    // not even the modified flag, and returns the text after the first.
    std::string Tidy(void (*command)(HWND), const std::string& text)
    {
        windows.SetText(text);
        const std::string before = windows.Text();
        command(windows.Memo());
        const std::string once = windows.Text();
        EXPECT_EQ(windows.Modified(), once != before);

        SendMessageA(windows.Memo(), EM_SETMODIFY, FALSE, 0);
        command(windows.Memo());
        EXPECT_EQ(windows.Text(), once) << "second run";
        EXPECT_FALSE(windows.Modified()) << "second run";
        return once;
    }

    void ExpectCaret(LONG position)
    {
        const CHARRANGE selection = windows.Selection();
        EXPECT_EQ(selection.cpMin, position);
        EXPECT_EQ(selection.cpMax, position);
    }
};

// The text as the control keeps it and a text area hands it back: every line
// break a CR LF.
std::string WithCrLf(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

TEST_F(MemoTidyingTest, TrimCutsBlankLinesAndLineEnds)
{
    const struct {
        const char* name;
        std::string text;
        std::string trimmed;
    } cases[] = {
        {"empty", "", ""},
        {"two empty lines and a tab", "\r\n\r\n\t", ""},
        {"sample", "\r\n  Hello  \r\n\r\n\tworld \r\n\r\n", "Hello\r\n\r\nworld"},
        {"sample with LF breaks", "\n  Hello  \n\n\tworld \n\n", "Hello\r\n\r\nworld"},
        {"blank inner lines stay, emptied", "a\r\n \t \r\n\r\nb ", "a\r\n\r\n\r\nb"},
        {"control characters", "\x01\x02 abc\tdef \x1F\r\n\x7F", "abc\tdef\r\n\x7F"},
        {"Cyrillic", Cp1251(L"  \u041F\u0440\u0438\u0432\u0435\u0442  \r\n   \u043C\u0438\u0440 "),
         Cp1251(L"\u041F\u0440\u0438\u0432\u0435\u0442\r\n\u043C\u0438\u0440")},
        {"no-break spaces stay", Cp1251(L"\u00A0abc\u00A0"), Cp1251(L"\u00A0abc\u00A0")},
        {"already tidy", "abc\r\n\r\ndef", "abc\r\n\r\ndef"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Tidy(MenuTrimText, c.text), c.trimmed);
    }
}

TEST_F(MemoTidyingTest, TrimMovesTheCaretBackByTheLeadingCut)
{
    // The text starts with one line break and two spaces before "abc". The
    // control counts the break as one character, so "b" stands at 4 there.
    windows.SetText("\r\n  abc");
    const LONG beforeB = windows.Find("b");
    ASSERT_EQ(beforeB, 4);

    const struct {
        const char* name;
        LONG caret;
        LONG trimmedCaret;
    } cases[] = {
        {"just before b stays before b", beforeB, 1},
        {"inside the leading whitespace", 2, 0},
        {"at the start", 0, 0},
        {"at the end", 6, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        windows.SetText("\r\n  abc");
        windows.Select(c.caret, c.caret);
        MenuTrimText(windows.Memo());
        ExpectCaret(c.trimmedCaret);
    }
    EXPECT_EQ(windows.Find("b"), 1);
}

TEST_F(MemoTidyingTest, TrimCaretCountsOnlyTheCutAtTheVeryStart)
{
    windows.SetText(" a\r\n   bcdef");
    const LONG beforeC = windows.Find("c");
    windows.Select(beforeC, beforeC);
    MenuTrimText(windows.Memo());
    // One space came off before the first character, three more off the
    // second line: the caret moves back by one only, to before "f".
    ExpectCaret(beforeC - 1);
    EXPECT_EQ(windows.Find("f"), beforeC - 1);
    EXPECT_EQ(windows.Text(), "a\r\nbcdef");
}

TEST_F(MemoTidyingTest, NormaliseUsesTheSystemLetterCase)
{
    const struct {
        std::wstring text;
        std::wstring normalised;
    } cases[] = {
        {L"\u043F\u0420\u0418\u0412\u0415\u0422, \u041C\u0418\u0420", L"\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440"},
        {L"hello World", L"Hello world"},
        {L" hello World", L" hello world"},
        {L"a", L"A"},
        {L"\u0451\u041B\u041A\u0410\r\n\r\n\u0401\u0416\u0418\u041A", L"\u0401\u043B\u043A\u0430\r\n\r\n\u0401\u0436\u0438\u043A"},
        {L"\r\nABC\r\n-\u0414\u0410 1ST", L"\r\nAbc\r\n-\u0434\u0430 1st"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Cp1251(c.text));
        EXPECT_EQ(Tidy(MenuNormText, Cp1251(c.text)), Cp1251(c.normalised));
    }
}

TEST_F(MemoTidyingTest, NormaliseKeepsTheCaretAndCollapsesTheSelection)
{
    windows.SetText("ONE\r\nTWO");
    windows.Select(2, 6);
    MenuNormText(windows.Memo());
    EXPECT_EQ(windows.Text(), "One\r\nTwo");
    ExpectCaret(2);
}

TEST_F(MemoTidyingTest, LongTextsComeOutAsTheLineRulesSay)
{
    // Lines of every kind, so that edits of all sizes follow each other; a
    // short text changes in one go, a long one line by line.
    const std::wstring pieces[] = {L"  \u0422\u0435\u043A\u0441\u0442 \u041F\u0415\u0421\u041D\u0418  ", L"",
                                   L"\tverse LINE\t", L" ", L"\u0451\u0416 \u00A0 x", L"X", L"   \u044F"};
    for (const int lines : {300, 2500}) {
        SCOPED_TRACE(lines);
        // CR breaks, as the control keeps them.
        std::string text = "\r\r  ";
        for (int line = 0; line < lines; ++line)
            text += Cp1251(pieces[line % std::size(pieces)]) + (line % 11 == 0 ? "  " : "") + "\r";
        text += "\r \r";

        windows.SetText(text);
        MenuTrimText(windows.Memo());
        EXPECT_EQ(windows.Text(), WithCrLf(TrimText(text, 0).text));

        windows.SetText(text);
        MenuNormText(windows.Memo());
        EXPECT_EQ(windows.Text(), WithCrLf(NormaliseText(text, MakeUpperAnsi, MakeLowerAnsi).text));
    }
}

TEST_F(MemoTidyingTest, LongTextsKeepTheCaretAndTheModifiedFlagRules)
{
    // Thousands of changed lines, and as many with just two changes far
    // apart: a long text changes either way and must come out the same.
    std::string shouting = "  ";
    std::string shoutingTrimmed;
    std::string shoutingNormalised = "  ";
    std::string nearlyTidy = " ";
    std::string nearlyTidyTrimmed;
    for (int line = 0; line < 5000; ++line) {
        const std::string number = std::to_string(line);
        shouting += "LINE " + number + "  \r\n";
        shoutingTrimmed += (line ? "\r\nLINE " : "LINE ") + number;
        shoutingNormalised += (line ? "Line " : "line ") + number + "  \r\n";
        nearlyTidy += "Line " + number + "\r\n";
        nearlyTidyTrimmed += (line ? "\r\nLine " : "Line ") + number;
    }
    const struct {
        const char* name;
        void (*command)(HWND);
        const std::string& text;
        const std::string& tidied;
        // The trim moves the caret back by the leading cut only, not by what
        // the lines before it lost.
        LONG caretMove;
    } cases[] = {
        {"trim, every line changed", MenuTrimText, shouting, shoutingTrimmed, -2},
        {"normalise, every line changed", MenuNormText, shouting, shoutingNormalised, 0},
        {"trim, two changes far apart", MenuTrimText, nearlyTidy, nearlyTidyTrimmed, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A new text area each time: refilling one that holds a long text is
        // slow on Wine.
        EditingWindows fresh;
        fresh.SetText(c.text);
        const LONG middle = fresh.Find("2500");
        fresh.Select(middle, middle + 3);
        c.command(fresh.Memo());
        EXPECT_EQ(fresh.Text(), c.tidied);
        EXPECT_TRUE(fresh.Modified());
        const CHARRANGE selection = fresh.Selection();
        EXPECT_EQ(selection.cpMin, middle + c.caretMove);
        EXPECT_EQ(selection.cpMax, middle + c.caretMove);

        SendMessageA(fresh.Memo(), EM_SETMODIFY, FALSE, 0);
        c.command(fresh.Memo());
        EXPECT_EQ(fresh.Text(), c.tidied) << "second run";
        EXPECT_FALSE(fresh.Modified()) << "second run";
    }
}

TEST_F(MemoTidyingTest, LeavesAHiddenTextAreaHidden)
{
    // External-editor mode hides the text area; the refresh may still trim.
    ShowWindow(windows.Memo(), SW_HIDE);
    windows.SetText("  text  ");
    MenuTrimText(windows.Memo());
    MenuNormText(windows.Memo());
    EXPECT_EQ(windows.Text(), "Text");
    EXPECT_FALSE(GetWindowLongPtrA(windows.Memo(), GWL_STYLE) & WS_VISIBLE);
}

namespace {

// Counts the text area's paintings.
int paintings = 0;
WNDPROC richEditProcedure = nullptr;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        ++paintings;
    return CallWindowProcA(richEditProcedure, window, message, wParam, lParam);
}

} // namespace

TEST_F(MemoTidyingTest, RepaintsOnceAndReportsOneChange)
{
    richEditProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(windows.Memo(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProcedure)));
    ShowWindow(windows.Main(), SW_SHOWNOACTIVATE);
    SendMessageA(windows.Memo(), EM_SETEVENTMASK, 0, ENM_CHANGE);

    std::string text;
    for (int line = 0; line < 60; ++line)
        text += "  some LINE of the song  \r\n";
    windows.SetText(text);
    const struct {
        const char* name;
        void (*command)(HWND);
        int changes;
    } runs[] = {
        {"trim", MenuTrimText, 1},
        {"trim again", MenuTrimText, 0},
        {"normalise", MenuNormText, 1},
        {"normalise again", MenuNormText, 0},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        DispatchPending();
        paintings = 0;
        windows.changeNotifications = 0;
        run.command(windows.Memo());
        EXPECT_EQ(paintings, 0) << "while the command ran";
        DispatchPending();
        EXPECT_EQ(paintings, 1);
        EXPECT_EQ(windows.changeNotifications, run.changes);
        EXPECT_EQ(SendMessageA(windows.Memo(), EM_GETEVENTMASK, 0, 0), ENM_CHANGE);
    }
    SetWindowLongPtrA(windows.Memo(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(richEditProcedure));
}
