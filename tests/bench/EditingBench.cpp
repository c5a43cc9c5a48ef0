// Measures the two text commands against setting the same text into the text
// area once, and the window width fitting, on a long made-up song text in
// code page 1251. Prints "name: value" lines.
#include "bench/BenchTiming.h"
#include "app/RichTextArea.h"
#include "editing/WidthFitting.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int LongTextLines = 20000;
constexpr int ShortTextLines = 200;

void DispatchPending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Verses of made-up lines in mixed case, indented and with trailing blanks
// here and there, a blank line between verses, CR LF breaks.
std::string SongText(int lines)
{
    const std::wstring words[] = {
        L"\u0432\u0435\u0442\u0435\u0440", L"\u041D\u041E\u0427\u042C", L"\u0434\u043E\u0440\u043E\u0433\u0430",
        L"\u0451\u041B\u041A\u0410", L"\u0441\u0435\u0440\u0434\u0446\u0435", L"\u0413\u041E\u0420\u041E\u0414",
        L"\u043F\u0435\u0441\u043D\u044F", L"\u0420\u0435\u043A\u0430", L"\u043E\u0433\u043E\u043D\u044C",
        L"river", L"NIGHT", L"Song", L"\u043C\u044B", L"\u0438", L"\u043D\u0430", L"\u0442\u044B",
    };
    std::vector<std::string> ansiWords;
    for (const auto& word : words)
        ansiWords.push_back(Cp1251(word));

    unsigned state = 12345;
    const auto next = [&state](unsigned range) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % range;
    };
    std::string text;
    for (int line = 0; line < lines; ++line) {
        if (line % 9 == 8) {
            text += "\r\n";
            continue;
        }
        text.append(next(5), ' ');
        const unsigned count = 9 + next(4);
        for (unsigned word = 0; word < count; ++word) {
            if (word)
                text += ' ';
            text += ansiWords[next(static_cast<unsigned>(ansiWords.size()))];
        }
        text.append(next(3), ' ');
        text += "\r\n";
    }
    return text;
}

// A main window with the text area and the label, as the program lays them out.
class Windows {
public:
    Windows()
    {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        main_ = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 640, 700, nullptr, nullptr, instance,
                                nullptr);
        label_ = CreateWindowExA(0, "STATIC", "Artist - Title", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 600, 20,
                                 main_, nullptr, instance, nullptr);
        labelFont_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, 0, 0, 0, 0, "Arial");
        SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
        memo_ = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit20A", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL, 0,
                                20, 600, 620, main_, nullptr, instance, nullptr);
        SendMessageA(memo_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
        SendMessageA(memo_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        memoFont_ = CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, 0, 0, 0, 0, "Courier New");
        SendMessageA(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_), FALSE);
        ShowWindow(main_, SW_SHOWNOACTIVATE);
        DispatchPending();
    }
    ~Windows()
    {
        DestroyWindow(main_);
        DeleteObject(memoFont_);
        DeleteObject(labelFont_);
        DispatchPending();
    }
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    HWND Main() const { return main_; }
    HWND Memo() const { return memo_; }
    HWND Label() const { return label_; }

private:
    HWND main_;
    HWND memo_;
    HWND label_;
    HFONT memoFont_;
    HFONT labelFont_;
};

struct CommandFigures {
    double setText;
    double trim;
    double normalise;
};

void MenuTrimText(HWND memo)
{
    RichTextArea(memo).Trim();
}

void MenuNormText(HWND memo)
{
    RichTextArea(memo).Normalise();
}

// Each command on a text area that has just taken the text, as after a
// refresh; the text area is new for every run, so that no run pays for
// what an earlier one left behind.
CommandFigures MeasureCommands(const std::string& text, int rounds)
{
    std::vector<double> setTimes, trimTimes, normaliseTimes;
    for (int round = 0; round < rounds; ++round) {
        for (auto* command : {&MenuTrimText, &MenuNormText}) {
            Windows windows;
            setTimes.push_back(Time([&] { SendMessageA(windows.Memo(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }));
            DispatchPending();
            const double took = Time([&] { command(windows.Memo()); });
            (command == &MenuTrimText ? trimTimes : normaliseTimes).push_back(took);
        }
    }
    return {Median(setTimes), Median(trimTimes), Median(normaliseTimes)};
}

} // namespace

int main()
{
    LoadLibraryA("riched20.dll");
    const std::string longText = SongText(LongTextLines);
    const std::string shortText = SongText(ShortTextLines);

    ScratchFolder folder;
    folder.MakeFile(L"long.txt", longText);
    const std::wstring longFile = folder.Path() + L"long.txt";
    Settings settings;
    settings.maxMemoWidth = 2000;
    std::vector<double> fitTimes;
    {
        Windows windows;
        for (int round = 0; round < 11; ++round)
            fitTimes.push_back(Time([&] { FitWindowWidth(windows.Main(), RichTextArea(windows.Memo()), windows.Label(), longFile, settings); }));
    }

    const CommandFigures small = MeasureCommands(shortText, 11);
    std::fprintf(stderr, "measuring the commands on %d lines (slow under Wine)...\n", LongTextLines);
    const CommandFigures large = MeasureCommands(longText, 3);

    std::printf("text_bytes: %zu\n", longText.size());
    std::printf("settext_ms: %.1f\n", large.setText * 1000);
    std::printf("trim_ms: %.1f\n", large.trim * 1000);
    std::printf("normalise_ms: %.1f\n", large.normalise * 1000);
    std::printf("trim_vs_settext: %.2f\n", large.trim / large.setText);
    std::printf("normalise_vs_settext: %.2f\n", large.normalise / large.setText);
    std::printf("settext_%d_lines_ms: %.2f\n", ShortTextLines, small.setText * 1000);
    std::printf("trim_vs_settext_%d_lines: %.2f\n", ShortTextLines, small.trim / small.setText);
    std::printf("normalise_vs_settext_%d_lines: %.2f\n", ShortTextLines, small.normalise / small.setText);
    std::printf("fit_width_20k_lines_ms: %.1f\n", Median(fitTimes) * 1000);
    return 0;
}
