// Start-up against the least a program with the same first screen needs: from
// process start until the playing song's text is in the text area (settings
// loaded, player found, text shown), against a minimal program's window with
// its rich edit's text, and at a system scale of 150 % against 100 %. All are
// watched from outside the same way. Prints "name: value" lines.
#include "bench/BenchTiming.h"
#include "bench/WatchedProgram.h"
#include "support/ScratchFolder.h"
#include "support/SonveraProcess.h"
#include "win/Registry.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 9;

// Seconds from the process's start until its text area shows `text`, with
// the phases on the way; the process is closed afterwards.
double TimeToFirstScreen(const std::string& exe, const std::string& arguments, const char* windowClass,
                         const std::string& text, StartPhases* phases = nullptr)
{
    const WatchedProgram program(exe, arguments, windowClass);
    return program.WaitForText(text, 30, phases);
}

// Under Wine a program takes the system's scale from this value as it starts.
constexpr char DesktopKey[] = "Control Panel\\Desktop";

std::optional<DWORD> SystemDpiSetting()
{
    UniqueRegistryKey key;
    OpenRegistryKey(HKEY_CURRENT_USER, DesktopKey, KEY_QUERY_VALUE, key);
    const DwordValue dpi = ReadRegistryDword(key.get(), "LogPixels");
    return dpi.state == DwordState::Read ? std::optional<DWORD>(dpi.value) : std::nullopt;
}

void SetSystemDpiSetting(std::optional<DWORD> dpi)
{
    UniqueRegistryKey key;
    CreateRegistryKey(HKEY_CURRENT_USER, DesktopKey, KEY_SET_VALUE, key);
    if (dpi)
        WriteRegistryDword(key.get(), "LogPixels", *dpi);
    else
        RegDeleteValueA(key.get(), "LogPixels");
}

} // namespace

int main()
{
    ScratchFolder texts;
    texts.MakeFile(L"Artist\\Song.txt", "The words of the song\r\n");
    ClearStoredSettings();
    StoreSetting("TextsPath", texts.AnsiPath());
    const BenchPlayer player("1. Artist - Song - Winamp");

    const std::string program = Beside("..\\..\\src\\Sonvera.exe");
    const std::string minimal = Beside("MinimalWindow.exe");
    const std::string song = '"' + texts.AnsiPath() + "Artist\\Song.txt\"";
    std::vector<double> programTimes;
    std::vector<double> minimalTimes;
    std::vector<double> beforeWindow, windowMade, firstText;
    std::vector<double> scaledTimes, scaledRatios;
    const std::optional<DWORD> systemDpi = SystemDpiSetting();
    for (int run = 0; run < Runs; ++run) {
        StartPhases phases;
        programTimes.push_back(TimeToFirstScreen(program, {}, "TSonveraMain", "The words of the song", &phases));
        beforeWindow.push_back(phases.windowMade);
        windowMade.push_back(phases.windowShown - phases.windowMade);
        firstText.push_back(phases.textShown - phases.windowShown);
        // Right after the run at 100 %, so that both meet the same load.
        SetSystemDpiSetting(144);
        scaledTimes.push_back(TimeToFirstScreen(program, {}, "TSonveraMain", "The words of the song"));
        SetSystemDpiSetting(systemDpi);
        scaledRatios.push_back(scaledTimes.back() / programTimes.back());
        minimalTimes.push_back(TimeToFirstScreen(minimal, song, "MinimalRichEditWindow", "The words of the song"));
    }
    ClearStoredSettings();
    std::printf("startup_ms: %.0f\n", Median(programTimes) * 1000);
    std::printf("minimal_window_ms: %.0f\n", Median(minimalTimes) * 1000);
    std::printf("startup_vs_minimal_window: %.2f\n", Median(programTimes) / Median(minimalTimes));
    // Process start to the main window's creation, its creation to its showing,
    // and its showing to the song's text (as seen from outside, to the millisecond).
    std::printf("startup_phase_before_main_window_ms: %.0f\n", Median(beforeWindow) * 1000);
    std::printf("startup_phase_main_window_made_ms: %.0f\n", Median(windowMade) * 1000);
    std::printf("startup_phase_first_text_shown_ms: %.0f\n", Median(firstText) * 1000);
    std::printf("startup_144dpi_ms: %.0f\n", Median(scaledTimes) * 1000);
    // The median of the runs' own ratios, each run at 150 % beside one at 100 %.
    std::printf("startup_144dpi_vs_96dpi: %.2f\n", Median(scaledRatios));
    return 0;
}
