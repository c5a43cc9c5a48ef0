#include "app/RichTextArea.h"
#include "editing/EditingWindows.h"
#include "editing/WidthFitting.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedMessageBoxes.h"
#include "win/MessageBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Which rule of the fitting a case expects.
enum class Fit { Inside, Upper, Lower };

class WidthFittingTest : public ::testing::Test {
protected:
    EditingWindows windows;
    ScratchFolder folder;
    Settings settings;
    ScriptedMessageBoxes boxes;

    std::wstring File(const std::string& contents)
    {
        folder.MakeFile(L"text.txt", contents);
        return folder.Path() + L"text.txt";
    }

    void SetCaption(const std::string& caption) { SetWindowTextA(windows.Label(), caption.c_str()); }
    int ScrollBar() const { return GetSystemMetrics(SM_CYHSCROLL); }

    // A window 640 pixels wide outside whose text area is 500 wide inside:
    // a text that fits gets 140 pixels of room on top of its own width.
    void ArrangeWindows()
    {
        SetWindowPos(windows.Main(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const int border = OuterWidth(windows.Memo()) - ClientWidth(windows.Memo());
        SetWindowPos(windows.Memo(), nullptr, 0, 0, 500 + border, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(OuterWidth(windows.Main()), 640);
        ASSERT_EQ(ClientWidth(windows.Memo()), 500);
    }
};

} // namespace

TEST_F(WidthFittingTest, FitsTheClientWidthToTheWidestLine)
{
    const std::string longLine = "a line a good deal longer than the rest of them";
    const std::string cyrillic = Cp1251(L"\u0421\u044A\u0435\u0448\u044C \u0436\u0435 \u0435\u0449\u0451 "
                                        L"\u044D\u0442\u0438\u0445 \u043C\u044F\u0433\u043A\u0438\u0445 \u0431\u0443\u043B\u043E\u043A");
    const std::string caption = "Some Artist With A Long Name - And A Title Longer Still";
    const struct {
        const char* name;
        std::vector<std::string> lines;  // the file's lines, the widest deciding
        std::string contents;
        bool useAnTWidth;
        bool useAnTWidthEnabled;
        int minimum;
        int maximum;
        Fit fit;
    } cases[] = {
        {"widest line", {"short", longLine, "middle one"}, "short\r\n" + longLine + "\r\nmiddle one\r\n", false, true, 1, 2000, Fit::Inside},
        {"order does not matter", {"middle one", longLine, "short"}, "middle one\r\n" + longLine + "\r\nshort", false, true, 1, 2000, Fit::Inside},
        {"equal widest lines", {"abcdefgh", "abcdefgh", "abc"}, "abcdefgh\nabcdefgh\nabc", false, true, 1, 2000, Fit::Inside},
        {"Cyrillic", {"short", cyrillic}, "short\r\n" + cyrillic, false, true, 1, 2000, Fit::Inside},
        {"CR, LF and CR LF all end lines", {"aaaa", std::string(30, 'b'), "cc", "ddd"}, "aaaa\r" + std::string(30, 'b') + "\ncc\r\nddd", false, true, 1, 2000, Fit::Inside},
        {"leading spaces count", {"      " + longLine}, "      " + longLine, false, true, 1, 2000, Fit::Inside},
        {"wider than the upper bound", {longLine}, longLine, false, true, 100, 300, Fit::Upper},
        {"narrower than the lower bound", {"a"}, "a", false, true, 400, 2000, Fit::Lower},
        {"empty file", {}, "", false, true, 150, 2000, Fit::Lower},
        {"wider label counts while ticked", {"ab"}, "ab", true, true, 1, 2000, Fit::Inside},
        {"ticked is enough", {"ab"}, "ab", true, false, 1, 2000, Fit::Inside},
        {"label ignored while not ticked", {"ab"}, "ab", false, true, 1, 2000, Fit::Inside},
        {"crossed bounds, wide text", {longLine}, longLine, false, true, 500, 300, Fit::Upper},
        {"crossed bounds, narrow text", {"abc"}, "abc", false, true, 500, 300, Fit::Lower},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetCaption(caption);
        ArrangeWindows();
        settings.useAnTWidth = c.useAnTWidth;
        settings.Enable(UseAnTWidthId, c.useAnTWidthEnabled);
        settings.minMemoWidth = c.minimum;
        settings.maxMemoWidth = c.maximum;

        int widest = 0;
        for (const std::string& line : c.lines)
            widest = std::max(widest, MeasureText(windows.MemoFont(), line));
        if (c.useAnTWidth)
            widest = std::max(widest, MeasureText(windows.LabelFont(), caption));
        const int fitted = c.fit == Fit::Upper ? c.maximum : c.fit == Fit::Lower ? c.minimum : widest + 140;
        const int expected = fitted + ScrollBar();
        const int height = OuterHeight(windows.Main());

        EXPECT_TRUE(FitWindowWidth(windows.Main(), RichTextArea(windows.Memo()), windows.Label(), File(c.contents), settings));
        EXPECT_EQ(ClientWidth(windows.Main()), expected);
        EXPECT_EQ(OuterHeight(windows.Main()), height);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WidthFittingTest, MeasuresWithTheTextAreasCurrentFont)
{
    settings.useAnTWidth = false;
    const std::string line = "measured in the font the text area shows";
    const std::wstring path = File(line);
    for (const int points : {8, 12, 20}) {
        SCOPED_TRACE(points);
        windows.SetMemoFont("Courier New", points);
        ArrangeWindows();
        ASSERT_TRUE(FitWindowWidth(windows.Main(), RichTextArea(windows.Memo()), windows.Label(), path, settings));
        EXPECT_EQ(ClientWidth(windows.Main()), MeasureText(windows.MemoFont(), line) + 140 + ScrollBar());
    }
    // Measuring left the fonts on display alone.
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(windows.Label(), WM_GETFONT, 0, 0)), windows.LabelFont());
}

TEST_F(WidthFittingTest, ReportsAFileItCannotReadAndKeepsTheWidth)
{
    const std::wstring missing = folder.Path() + L"missing.txt";
    const std::wstring held = File("held open by another program");
    HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const struct {
        const char* name;
        std::wstring path;
        std::wstring message;
    } cases[] = {
        {"missing file", missing, L"Cannot open file " + missing + L"."},
        {"no file at all", L"", L"Cannot open file "},
        {"a folder", folder.Path(), L"Cannot open file " + folder.Path() + L"."},
        {"held exclusively", held, L"Cannot open file " + held + L"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        const int width = OuterWidth(windows.Main());
        EXPECT_FALSE(FitWindowWidth(windows.Main(), RichTextArea(windows.Memo()), windows.Label(), c.path, settings));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].wideText, c.message);
        EXPECT_EQ(boxes.shown[0].caption, "Winamp Sonvera");
        EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(boxes.shown[0].owner, windows.Main());
        EXPECT_EQ(OuterWidth(windows.Main()), width);
    }
    CloseHandle(holder);
}

TEST_F(WidthFittingTest, MissWithoutTextFitsTheArtistAndTitleLine)
{
    const std::string caption = "Some Artist - Some Rather Long Title";
    const int lineWidth = MeasureText(windows.LabelFont(), caption + "  ");
    const struct {
        const char* name;
        bool useAnTWidth;
        bool useAnTWidthEnabled;
        int minimum;
        int maximum;
        int expected;  // 0: the width stays
    } cases[] = {
        {"inside the bounds", true, true, 150, 1000, lineWidth},
        {"above the upper bound", true, true, 150, lineWidth - 40, lineWidth - 40},
        {"below the lower bound", true, true, lineWidth + 40, 1000, lineWidth + 40},
        {"crossed bounds end at the lower", true, true, 500, 300, 500},
        {"crossed bounds, narrow line", true, true, lineWidth + 100, lineWidth - 40, lineWidth + 100},
        {"not ticked", false, true, 150, 1000, 0},
        {"not enabled", true, false, 150, 1000, 0},
    };
    SetCaption(caption);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowPos(windows.Main(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const int before = ClientWidth(windows.Main());
        settings.useAnTWidth = c.useAnTWidth;
        settings.Enable(UseAnTWidthId, c.useAnTWidthEnabled);
        settings.minMemoWidth = c.minimum;
        settings.maxMemoWidth = c.maximum;
        FitWidthToArtistAndTitle(windows.Main(), windows.Label(), settings);
        EXPECT_EQ(ClientWidth(windows.Main()), c.expected ? c.expected : before);
    }
}

TEST_F(WidthFittingTest, AnyMissShrinksTheWindowToTheLowerBound)
{
    const struct {
        const char* name;
        bool lengthIsWidth;
        bool lengthIsWidthEnabled;
        bool useAnTWidth;
        bool useAnTWidthEnabled;
        bool shrinks;
    } cases[] = {
        {"fitting on, label off", true, true, false, true, true},
        {"label off but enabled or not", true, true, false, false, true},
        {"label ticked", true, true, true, true, false},
        {"label ticked though disabled", true, true, true, false, false},
        {"fitting not ticked", false, true, false, true, false},
        {"fitting disabled", true, false, false, true, false},
    };
    settings.minMemoWidth = 300;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowPos(windows.Main(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        settings.lengthIsWidth = c.lengthIsWidth;
        settings.Enable(LengthIsWidthId, c.lengthIsWidthEnabled);
        settings.useAnTWidth = c.useAnTWidth;
        settings.Enable(UseAnTWidthId, c.useAnTWidthEnabled);
        ShrinkToMinimumWidth(windows.Main(), settings);
        EXPECT_EQ(OuterWidth(windows.Main()), c.shrinks ? 300 : 640);
        EXPECT_EQ(OuterHeight(windows.Main()), 480);
    }
}
