// The real program driven from outside through a user's day, and through the
// faults a desktop throws at it, with the simulated player beside it.
#include "app/SonveraIds.h"
#include "artist/ArtistInfoIds.h"
#include "find/FindIds.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/SimPlayerProcess.h"
#include "support/SonveraProcess.h"
#include "support/TextAssociation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { ClearStoredSettings(); }
    void TearDown() override { ClearStoredSettings(); }

    std::string File(const std::wstring& relative) const { return scratch.Read(L"Тексты\\" + relative).value_or("-"); }

    ScratchFolder scratch;
    ScratchFolder playerFolder;
    const std::string textsPath = scratch.AnsiPath() + Cp1251(L"Тексты\\");
};

HWND WindowPlace(HWND window, LONG& left, LONG& top)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    left = bounds.left;
    top = bounds.top;
    return window;
}

TEST_F(EndToEndTest, AUsersDay)
{
    // Saved by another editor in UTF-8 without a mark.
    scratch.MakeFile(L"Тексты\\Северный Ветер\\Дорога домой.txt", Utf8(L"Фонари над рекой"));
    scratch.MakeFile(L"Тексты\\Northern Lights\\Album One\\Blue River.txt", "Blue river");
    scratch.MakeFile(L"Тексты\\Northern Lights\\Blue River (live).txt", "Live river");
    scratch.MakeFile(L"Тексты\\Quiet Band\\Read Only Song.txt", "Old words", FILE_ATTRIBUTE_READONLY);
    scratch.MakeFile(L"Тексты\\Łódź Harbour\\Port.txt", "Cranes at dawn");
    playerFolder.MakeFile(L"list.txt", Cp1251(L"Северный Ветер - Дорога домой\r\nNorthern Lights - Blue River\r\n"
                                              L"Quiet Band - Lost Song\r\nQuiet Band - Read Only Song\r\n"));
    SimPlayerProcess player(playerFolder, {"--playlist", playerFolder.AnsiPath() + "list.txt", "--play", "--no-clock"});
    StoreSetting("TextsPath", textsPath);
    StoreSetting("RefreshOnTimer", 1);
    StoreSetting("AutoSave", 0u);
    StoreSetting("Left", 120);
    StoreSetting("Top", 80);
    LONG left = 0;
    LONG top = 0;
    {
        SonveraProcess sonvera;
        WindowPlace(sonvera.MainWindow(), left, top);
        EXPECT_EQ(left, 120);
        EXPECT_EQ(top, 80);
        ASSERT_TRUE(WaitFor([&] { return sonvera.MemoText() == Cp1251(L"Фонари над рекой"); }));
        EXPECT_EQ(sonvera.StatusText(), Cp1251(L"\\Северный Ветер\\Дорога домой.txt"));

        sonvera.Type("1 ");
        sonvera.Command(ID_MenuSaveText);
        const std::wstring edited = L"Северный Ветер\\Дорога домой.txt";
        EXPECT_TRUE(WaitFor([&] { return File(edited) == Utf8(L"1 Фонари над рекой"); }));

        // Two texts for the next song, one in an album folder: the next command shows the other.
        sonvera.Command(ID_MenuWinampNext);
        std::string first;
        ASSERT_TRUE(WaitFor([&] { return (first = sonvera.MemoText()) == "Blue river" || first == "Live river"; }));
        const bool albumFirst = first == "Blue river";
        sonvera.Command(ID_MenuNext);
        ASSERT_TRUE(WaitFor([&] { return sonvera.MemoText() == (albumFirst ? "Live river" : "Blue river"); }));
        const std::wstring second = albumFirst ? L"Northern Lights\\Blue River (live).txt"
                                               : L"Northern Lights\\Album One\\Blue River.txt";
        EXPECT_EQ(sonvera.StatusText(), "\\" + Cp1251(second));

        // An edit left unsaved: the song change asks, and "yes" saves it.
        sonvera.Type("2 ");
        sonvera.Command(ID_MenuWinampNext);
        HWND question = sonvera.WaitForBox();
        ASSERT_TRUE(question);
        SonveraProcess::Answer(question, IDYES);
        EXPECT_TRUE(WaitFor([&] { return File(second) == (albumFirst ? "2 Live river" : "2 Blue river"); }));

        // A song without a text: the report, repeated on the status line.
        HWND report = sonvera.WaitForBox();
        ASSERT_TRUE(report);
        const std::string reported = SonveraProcess::BoxText(report);
        EXPECT_NE(reported.find("Quiet Band\\*Lost Song*.txt"), std::string::npos) << reported;
        SonveraProcess::Answer(report, IDOK);
        EXPECT_EQ(sonvera.StatusText(), reported);
        EXPECT_EQ(sonvera.MemoText(), "");

        // A read-only text is saved and stays read-only.
        sonvera.Command(ID_MenuWinampNext);
        ASSERT_TRUE(WaitFor([&] { return sonvera.MemoText() == "Old words"; }));
        sonvera.Type("3 ");
        sonvera.Command(ID_MenuSaveText);
        EXPECT_TRUE(WaitFor([&] { return File(L"Quiet Band\\Read Only Song.txt") == "3 Old words"; }));
        EXPECT_TRUE(GetFileAttributesW((scratch.Path() + L"Тексты\\Quiet Band\\Read Only Song.txt").c_str()) &
                    FILE_ATTRIBUTE_READONLY);

        // A note on the artist, saved from the artist panel.
        sonvera.Command(ID_MenuArtistInfo);
        HWND panel = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (panel = sonvera.OwnWindow("SonveraArtistInfoPanel")) != nullptr; }));
        SendMessageA(GetDlgItem(panel, IDC_INFOR_MEMO), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("From Leeds"));
        PostMessageA(panel, WM_COMMAND, IDM_INFOR_MEMO_SAVE, 0);
        EXPECT_TRUE(WaitFor([&] { return File(L"Quiet Band\\Sonvera Artist info.txt") == "From Leeds"; }));

        // Found as it is typed, in letters outside code page 1251, and shown.
        sonvera.Command(ID_MenuFind);
        HWND find = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (find = sonvera.OwnWindow("#32770")) && IsWindowVisible(find); }));
        HWND query = GetDlgItem(find, IDC_FindQuery);
        for (const wchar_t letter : std::wstring(L"łódź"))
            PostMessageW(query, WM_CHAR, letter, 1);
        // Another process's control gives its text only when asked by message.
        wchar_t typed[16]{};
        EXPECT_TRUE(WaitFor([&] {
            SendMessageW(query, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(typed));
            return std::wstring(typed) == L"łódź";
        }));
        PostMessageW(query, WM_KEYDOWN, VK_RETURN, 1);
        EXPECT_TRUE(WaitFor([&] { return sonvera.MemoText() == "Cranes at dawn"; }));

        SetWindowPos(sonvera.MainWindow(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_EQ(sonvera.Close(), 0u);
    }
    EXPECT_EQ(StoredNumber("Left"), 200u);
    EXPECT_EQ(StoredNumber("Top"), 150u);
    EXPECT_EQ(StoredNumber("AutoSave"), 0u);
    EXPECT_EQ(StoredText("TextsPath"), textsPath);
    {
        // Started again: where it was left, on the song that plays.
        SonveraProcess again;
        WindowPlace(again.MainWindow(), left, top);
        EXPECT_EQ(left, 200);
        EXPECT_EQ(top, 150);
        EXPECT_TRUE(WaitFor([&] { return again.MemoText() == "3 Old words"; }));
        EXPECT_EQ(again.Close(), 0u);
    }

    // External-editor mode: the texts open in the editor of ".txt" files, a
    // file is made for the song without one, and the editors close with the program.
    StoreSetting("OpenByShell", 1);
    StoreSetting("Iamawriter", 1);
    StoreSetting("SilentMode", 1);
    TextAssociation association(true);
    const std::string log = playerFolder.AnsiPath() + "editor.log";
    SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", log.c_str());
    const auto logged = [&] { return playerFolder.Read(L"editor.log").value_or(""); };
    const auto count = [&](const std::string& text) {
        const std::string all = logged();
        int found = 0;
        for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++found;
        return found;
    };
    {
        SonveraProcess editorMode;
        // The song changes and the program closes at once, while each editor
        // may still be starting: it is closed all the same.
        EXPECT_TRUE(WaitFor([&] { return count("Read Only Song.txt") == 1; })) << logged();
        editorMode.Command(ID_MenuWinampPrev);
        EXPECT_TRUE(WaitFor([&] { return count("Lost Song.txt") == 1; })) << logged();
        EXPECT_EQ(File(L"Quiet Band\\Lost Song.txt"), "");
        EXPECT_EQ(editorMode.Close(), 0u);
    }
    // Each editor's two windows: the first's when the second opened, the second's at the close.
    EXPECT_TRUE(WaitFor([&] { return count(" closed") == 4; })) << logged();
    EXPECT_TRUE(WaitFor([] { return StandInWindows() == 0; }));
    SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", nullptr);
}

TEST_F(EndToEndTest, AScrollingTitleTurnsWithoutARefresh)
{
    scratch.MakeFile(L"Тексты\\Quiet Band\\Song.txt", "Words");
    const std::string caption = "1. Quiet Band - Song - Winamp";
    SimPlayerProcess player(playerFolder, {"--title", caption, "--scroll", "--no-clock"});
    StoreSetting("TextsPath", textsPath);
    StoreSetting("RefreshOnTimer", 1);
    SonveraProcess sonvera;
    ASSERT_TRUE(WaitFor([&] { return sonvera.MemoText() == "Words"; }));
    // A refresh would save the edit; the title's turns must not make one.
    sonvera.Type("mine ");
    static const UINT scroll = RegisterWindowMessageA("SimPlayer.Scroll");
    for (int step = 0; step < 12; ++step) {
        SendMessageA(player.MainWindow(), scroll, 0, 0);
        Sleep(250);
    }
    char title[256] = {};
    GetWindowTextA(player.MainWindow(), title, sizeof title);
    EXPECT_NE(title, caption);
    EXPECT_EQ(sonvera.MemoText(), "mine Words");
    EXPECT_EQ(File(L"Quiet Band\\Song.txt"), "Words");
}

// Every file named `name` below `folder`, and whether a temporary file of a
// save was left behind.
void FindCopies(const std::wstring& folder, const std::wstring& name, std::vector<std::wstring>& copies,
                bool& leftovers)
{
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring entry = found.cFileName;
        if (entry == L"." || entry == L"..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            FindCopies(folder + entry + L"\\", name, copies, leftovers);
        else if (entry == name)
            copies.push_back(folder + entry);
        leftovers |= entry.ends_with(L".tmp");
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// `command` in UTF-8, as Unix takes it.
void UnixCommand(const std::string& command)
{
    std::wstring line(command.size(), L'\0');
    const int length = static_cast<int>(command.size());
    line.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, command.data(), length, line.data(), static_cast<int>(line.size()))));
    line = L"start.exe /unix " + line;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

ULONGLONG DiskSize(const std::wstring& folder)
{
    ULARGE_INTEGER total{};
    GetDiskFreeSpaceExW(folder.c_str(), nullptr, &total, nullptr);
    return total.QuadPart;
}

// A file system of one page in place of `folder` while it lives, so that the
// text written into it leaves no room for a save; the tests run as root.
// Wine's start hands the command over without waiting for it, so the effect
// is what is waited for.
class SmallDisk {
public:
    explicit SmallDisk(const std::wstring& folder) : folder_(folder)
    {
        using UnixName = char*(CDECL*)(LPCWSTR);
        const auto unixName = reinterpret_cast<UnixName>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixName)
            return;
        char* name = unixName(folder.c_str());
        unixPath_ = name;
        HeapFree(GetProcessHeap(), 0, name);
        UnixCommand("/bin/mount -t tmpfs -o size=4k tmpfs \"" + unixPath_ + '"');
        mounted_ = WaitFor([this] { return DiskSize(folder_) == 4 * 1024; });
    }
    ~SmallDisk()
    {
        if (!mounted_)
            return;
        // Lazily: a handle the Wine server still holds on the folder must not
        // keep the small disk in place for the next case.
        UnixCommand("/bin/umount -l \"" + unixPath_ + '"');
        WaitFor([this] { return DiskSize(folder_) != 4 * 1024; });
    }
    bool Mounted() const { return mounted_; }

private:
    std::wstring folder_;
    std::string unixPath_;
    bool mounted_ = false;
};

struct Fault {
    const char* name;
    // Typed into the shown text before the fault.
    std::string typed;
    bool askFirst;
    // Done to the texts folder (or the player) while the program shows the edited text.
    std::function<void(const std::wstring& texts, SimPlayerProcess& player)> apply;
    UINT command;
};

const std::wstring Song = L"Quiet Band\\Song.txt";

void Hold(const std::wstring& path, UniqueFileHandle& held)
{
    held.reset(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

TEST_F(EndToEndTest, FaultsLoseNothing)
{
    UniqueFileHandle held;
    std::unique_ptr<SmallDisk> disk;
    const std::vector<Fault> faults = {
        {"texts folder renamed", "mine ", false,
         [&](const std::wstring& texts, SimPlayerProcess&) {
             MoveFileW(texts.substr(0, texts.size() - 1).c_str(), (scratch.Path() + L"Старые").c_str());
         },
         ID_MenuRefresh},
        {"texts folder removed", "mine ", false,
         [&](const std::wstring& texts, SimPlayerProcess&) { RemoveTree(texts); }, ID_MenuRefresh},
        {"texts folder emptied", "mine ", false,
         [&](const std::wstring& texts, SimPlayerProcess&) { RemoveTree(texts + L"Quiet Band"); }, ID_MenuRefresh},
        {"text deleted between search and show", "", false,
         [&](const std::wstring& texts, SimPlayerProcess&) {
             DeleteFileW((texts + L"Quiet Band\\Other Song.txt").c_str());
         },
         ID_MenuNext},
        {"text locked", "mine ", false, [&](const std::wstring& texts, SimPlayerProcess&) { Hold(texts + Song, held); },
         ID_MenuSaveText},
        {"text turned into a folder", "mine ", false,
         [&](const std::wstring& texts, SimPlayerProcess&) {
             DeleteFileW((texts + Song).c_str());
             CreateDirectoryW((texts + Song).c_str(), nullptr);
         },
         ID_MenuSaveText},
        {"disk full", "mine ", false,
         [&](const std::wstring& texts, SimPlayerProcess&) {
             disk = std::make_unique<SmallDisk>(texts + L"Quiet Band");
             EXPECT_TRUE(disk->Mounted());
             scratch.MakeFile(L"Тексты\\" + Song, "Words");
         },
         ID_MenuSaveText},
        {"player killed in a refresh", "mine ", true,
         [&](const std::wstring&, SimPlayerProcess& player) {
             DWORD id = 0;
             GetWindowThreadProcessId(player.MainWindow(), &id);
             UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
             TerminateProcess(process.get(), 1);
             WaitForSingleObject(process.get(), 5000);
         },
         0},
        {"player title of 300 Cyrillic letters", "mine ", false,
         [&](const std::wstring&, SimPlayerProcess& player) {
             const std::string title = "1. " + Cp1251(std::wstring(150, L'Ж')) + " - " +
                                       Cp1251(std::wstring(150, L'я')) + " - Winamp";
             SetWindowTextA(player.MainWindow(), title.c_str());
         },
         ID_MenuRefresh},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        const std::string& mine = fault.typed;
        ClearStoredSettings();
        RemoveTree(scratch.Path() + L"Старые");
        RemoveTree(scratch.Path() + L"Тексты");
        scratch.MakeFile(L"Тексты\\" + Song, "Words");
        scratch.MakeFile(L"Тексты\\Quiet Band\\Other Song.txt", "Other words");
        StoreSetting("TextsPath", textsPath);
        StoreSetting("SilentMode", fault.askFirst ? 0u : 1u);
        StoreSetting("AutoSave", fault.askFirst ? 0u : 1u);
        SimPlayerProcess player(playerFolder, {"--title", "1. Quiet Band - Song - Winamp", "--no-clock"});
        SonveraProcess sonvera;
        ASSERT_TRUE(WaitFor([&] { return sonvera.MemoText() == "Words"; }));
        sonvera.Type(mine);
        ASSERT_EQ(sonvera.MemoText(), mine + "Words");

        if (fault.askFirst) {
            SetWindowTextA(player.MainWindow(), "2. Quiet Band - Other - Winamp");
            sonvera.Command(ID_MenuRefresh);
            HWND question = sonvera.WaitForBox();
            ASSERT_TRUE(question);
            fault.apply(scratch.Path() + L"Тексты\\", player);
            SonveraProcess::Answer(question, IDYES);
        } else {
            fault.apply(scratch.Path() + L"Тексты\\", player);
            sonvera.Command(fault.command);
        }
        // Whatever is reported is answered; the program runs on.
        std::vector<std::string> reports;
        while (HWND box = sonvera.WaitForBox(2000)) {
            reports.push_back(SonveraProcess::BoxText(box));
            SonveraProcess::Answer(box, IDOK);
        }
        EXPECT_TRUE(sonvera.Running());
        const bool onScreen = sonvera.MemoText() == mine + "Words";
        std::vector<std::wstring> copies;
        bool leftovers = false;
        FindCopies(scratch.Path(), L"Song.txt", copies, leftovers);
        bool saved = false;
        for (const std::wstring& copy : copies) {
            const std::optional<std::string> text = scratch.Read(copy.substr(scratch.Path().size()));
            saved |= text == mine + "Words";
            EXPECT_TRUE(!text || text == "Words" || text == mine + "Words") << copy;
        }
        EXPECT_TRUE(saved || onScreen) << ::testing::PrintToString(reports);
        EXPECT_FALSE(leftovers);
        // A close whose save fails stops, the edit still on screen; once the
        // cause is gone, the next close saves it and ends.
        const bool typed = !mine.empty() && !fault.askFirst;
        if (typed && !saved) {
            EXPECT_EQ(sonvera.Close(5000), STILL_ACTIVE);
            EXPECT_EQ(sonvera.MemoText(), mine + "Words");
        }
        const bool curable = fault.command == ID_MenuSaveText && (held || disk);
        held.reset();
        disk.reset();
        if (typed && !saved && !curable)
            continue;
        EXPECT_EQ(sonvera.Close(), 0u);
        if (curable) {
            EXPECT_EQ(scratch.Read(L"Тексты\\" + Song), mine + "Words");
        }
    }
}

// Each value stored with a type of the other kind, one at a time: the
// standard report names it, and the program opens and runs.
TEST_F(EndToEndTest, AValueOfTheWrongTypeIsReportedAndTheProgramRuns)
{
    const std::string number = std::string("\1\0\0\0", 4);
    std::vector<std::pair<const char*, std::string>> all = {{"FontName", number}, {"TextsPath", number}};
    for (const char* name : {"RefreshOnTimer", "RefreshInterval", "SilentMode", "MemoFontSize", "OpenByShell",
                             "AnTFontSize", "AutoSave", "Toolbar", "Statusbar", "Iamawriter", "LengthIsWidth",
                             "MaxMemoWidth", "MinMemoWidth", "ControlWinamp", "Autotrim", "ShowAnT", "SpecialSym",
                             "AnTColor", "ClosePads", "AmpVer", "UseAnTWidth", "ShowHints", "Left", "Top", "Width",
                             "Height"})
        all.emplace_back(name, std::string("1\0", 2));
    for (const auto& [name, bytes] : all) {
        SCOPED_TRACE(name);
        ClearStoredSettings();
        StoreSetting("SilentMode", 1);
        StoreSetting(name, bytes.size() == 4 ? REG_DWORD : REG_SZ, bytes);
        SonveraProcess sonvera;
        HWND box = sonvera.WaitForBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(SonveraProcess::BoxText(box), std::string("Invalid data type for '") + name + "'");
        SonveraProcess::Answer(box, IDOK);
        EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(sonvera.MainWindow()) != FALSE; }));
        EXPECT_EQ(sonvera.Close(), 0u);
    }
}

} // namespace
