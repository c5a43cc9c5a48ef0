// What the program costs the machine while it shows a song's text: its
// working set against a minimal window showing the same text, and the
// processor time it takes over a minute of refreshing on the timer while the
// player's title stays the same. Both programs are watched from outside.
// Prints "name: value" lines.
#include "bench/BenchTiming.h"
#include "bench/WatchedProgram.h"
#include "support/ScratchFolder.h"
#include "support/SonveraProcess.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 3;
// Long enough for the windows to be painted and the start-up's work to end.
constexpr DWORD SettleMs = 2000;
constexpr DWORD IdleMs = 60000;

constexpr char FirstLine[] = "The words of the long song, line 1";

// A song of 200 lines of ordinary length; timed, a line every second.
std::string LongSongText(bool timed = false)
{
    std::string text;
    for (int line = 1; line <= 200; ++line) {
        char tag[16];
        std::snprintf(tag, sizeof tag, "[%02d:%02d.00]", line / 60, line % 60);
        text += (timed ? tag : "") + ("The words of the long song, line " + std::to_string(line)) +
                ", as a singer sings them\r\n";
    }
    return text;
}

// The working set in KB once the text is shown and the program has settled;
// -1 when the text never showed.
double SettledWorkingSetKb(const std::string& exe, const std::string& arguments, const char* windowClass)
{
    const WatchedProgram program(exe, arguments, windowClass);
    if (program.WaitForText(FirstLine, 30) < 0 || !program.Idle(SettleMs))
        return -1;
    return program.WorkingSetKb();
}

} // namespace

int main()
{
    ScratchFolder texts;
    texts.MakeFile(L"Artist\\Long Song.txt", LongSongText());
    texts.MakeFile(L"Artist\\Song.txt", "The words of the song\r\n");
    texts.MakeFile(L"Artist\\Timed Song.txt", "");
    texts.MakeFile(L"Artist\\Timed Song.lrc", LongSongText(true));
    ClearStoredSettings();
    StoreSetting("TextsPath", texts.AnsiPath());
    const BenchPlayer player("1. Artist - Long Song - Winamp");

    const std::string program = Beside("..\\..\\src\\Sonvera.exe");
    const std::string minimal = Beside("MinimalWindow.exe");
    const std::string longSong = '"' + texts.AnsiPath() + "Artist\\Long Song.txt\"";
    std::vector<double> programKb;
    std::vector<double> minimalKb;
    for (int run = 0; run < Runs; ++run) {
        programKb.push_back(SettledWorkingSetKb(program, {}, "TSonveraMain"));
        minimalKb.push_back(SettledWorkingSetKb(minimal, longSong, "MinimalRichEditWindow"));
    }
    std::printf("working_set_kb: %.0f\n", Median(programKb));
    std::printf("minimal_window_working_set_kb: %.0f\n", Median(minimalKb));
    std::printf("working_set_vs_minimal_window: %.2f\n", Median(programKb) / Median(minimalKb));
    std::fflush(stdout);

    // The timer asks for the player's title every second; the title stays.
    StoreSetting("RefreshOnTimer", 1);
    StoreSetting("RefreshInterval", 1);
    double idlePercent = -1;
    bool followed = false;
    {
        WatchedProgram watched(program, {}, "TSonveraMain");
        if (watched.WaitForText(FirstLine, 30) >= 0 && watched.Idle(SettleMs)) {
            const double cpuBefore = watched.CpuSeconds();
            const double before = Seconds();
            // Only waits: polling a queue here would bill the program.
            if (watched.Idle(IdleMs))
                idlePercent = (watched.CpuSeconds() - cpuBefore) / (Seconds() - before) * 100;
            // Proof that the timer ran all along: the next song's text follows.
            player.SetTitle("2. Artist - Song - Winamp");
            followed = watched.WaitForText("The words of the song", 5) >= 0;
        }
    }
    std::printf("idle_cpu_percent: %.3f\n", idlePercent);
    std::printf("idle_timer_followed_the_song: %s\n", followed ? "yes" : "no");
    std::fflush(stdout);

    // A timed text followed as the song plays, a new line highlighted every
    // second, in a window of a size to read it in (a line a row, 30 rows).
    StoreSetting("Width", 480);
    StoreSetting("Height", 640);
    double followPercent = -1;
    player.SetTitle("3. Artist - Timed Song - Winamp");
    {
        WatchedProgram watched(program, {}, "TSonveraMain");
        if (watched.WaitForText(FirstLine, 30) >= 0 && watched.Idle(SettleMs)) {
            const double cpuBefore = watched.CpuSeconds();
            const double before = Seconds();
            if (watched.Idle(IdleMs))
                followPercent = (watched.CpuSeconds() - cpuBefore) / (Seconds() - before) * 100;
        }
    }
    ClearStoredSettings();
    std::printf("follow_cpu_percent: %.3f\n", followPercent);
    return 0;
}
