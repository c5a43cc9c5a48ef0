#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"
#include "editing/TextArea.h"
#include "lookup/RefreshCycle.h"
#include "player/PlayerLink.h"
#include "player/PlayerPosition.h"
#include "sync/SyncIds.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "support/SimPlayerProcess.h"
#include "support/TextAssociation.h"
#include "win/DeviceContext.h"
#include "win/LiveCounts.h"

#include <gtest/gtest.h>

#include <psapi.h>
#include <richedit.h>

namespace {

// The main window over a scratch texts folder beside one simulated player,
// whose line each test sets as a song change would.
class RefreshCycleTest : public MainWindowTest {
protected:
    static void SetUpTestSuite()
    {
        playerFolder = new ScratchFolder;
        // A Unicode window, as the player's of today.
        player = new SimPlayerProcess(SimPlayerProcess::Utf16{}, *playerFolder,
                                      {L"--unicode", L"--no-clock", L"--title", L"Winamp 2.91"});
    }
    static void TearDownTestSuite()
    {
        delete player;
        delete playerFolder;
    }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        settings.textsPath = texts.Path();
        CreateMain();
    }

    static void Plays(const std::wstring& title) { SetWindowTextW(player->MainWindow(), title.c_str()); }
    void Tick() const { main->Timer1Timer(main->Window()); }
    std::string Shown() const { return WindowTextOf(main->Memo2()); }
    std::vector<std::wstring> BoxTexts() const
    {
        std::vector<std::wstring> texts;
        for (const auto& box : boxes.shown)
            texts.push_back(box.wideText);
        return texts;
    }

    ScratchFolder texts;
    static inline ScratchFolder* playerFolder = nullptr;
    static inline SimPlayerProcess* player = nullptr;
};

TEST_F(RefreshCycleTest, EachMissIsReportedOnceAndLeavesItsState)
{
    Plays(L"wInAmP 2.91");
    main->PerformMenuClick(ID_MenuRefresh);
    Tick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].owner, nullptr);
    EXPECT_EQ(boxes.shown[0].caption, Cp1251(L"Внимание!"));
    EXPECT_EQ(main->StatusText(), L"Winamp не играет!");
    EXPECT_EQ(main->AnTCaption(), L"");
    EXPECT_FALSE(main->IsMenuItemEnabled(ID_MenuSaveText));

    // A song with no text: its pattern, and the area open for a new text.
    Plays(L"3. Up/Down - Why? No. - Winamp");
    Tick();
    const std::wstring missing = L"Нет такого ( " + texts.Path() + L"Up/Down\\*Why_ No.*.txt" + L" ) текста!";
    EXPECT_EQ(BoxTexts().back(), missing);
    EXPECT_EQ(boxes.shown.back().caption, Cp1251(L"Оп!"));
    EXPECT_EQ(main->StatusText(), missing);
    EXPECT_EQ(main->StatusHint(), missing);
    EXPECT_EQ(main->AnTCaption(), L"Up/Down - Why? No.");
    EXPECT_TRUE(main->IsButtonEnabled(ID_SaveText));
    SendMessageA(main->Memo2(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("typed"));
    main->PerformMenuClick(ID_MenuSaveText);
    EXPECT_EQ(texts.Read(L"Up_Down\\Why_ No..txt"), "typed");

    // No player (none of the generation asked for), once, until it is back.
    settings.ampVer = PlayerGeneration::Winamp3;
    Tick();
    Tick();
    EXPECT_EQ(BoxTexts().back(), L"Winamp не запущен!");
    EXPECT_EQ(main->Refresh().LastPlayerTitle(), L"NoAmp");
    EXPECT_EQ(boxes.shown.size(), 3u);
    settings.ampVer = PlayerGeneration::Winamp2;
    Tick();
    EXPECT_EQ(main->StatusText(), L"\\Up_Down\\Why_ No..txt");
    EXPECT_EQ(Shown(), "typed");
}

TEST_F(RefreshCycleTest, TheBestTextComesFirstTheNextCommandShowsTheOthersAndEditsAreAskedAbout)
{
    texts.MakeFile(L"Artist\\Live - Song.txt", "third");
    texts.MakeFile(L"Artist\\Album\\A Song.txt", "second");
    texts.MakeFile(L"Artist\\Song.txt", "first\nline");
    Plays(L"1. Artist - Song - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(Shown(), "first\r\nline");
    EXPECT_EQ(main->StatusText(), L"\\Artist\\Song.txt");
    for (const char* next : {"second", "third"}) {
        EXPECT_TRUE(main->IsButtonEnabled(ID_ButtNext));
        main->PerformButtonClick(ID_ButtNext);
        EXPECT_EQ(Shown(), next);
    }
    EXPECT_FALSE(main->IsMenuItemEnabled(ID_MenuNext));
    main->PerformButtonClick(ID_ButtNext);
    EXPECT_EQ(Shown(), "third");

    // A line that only grows is the same song; another one is asked about
    // with the timer stopped, and dropped on No.
    settings.autoSave = false;
    settings.refreshOnTimer = true;
    main->SetTimer1Running(true);
    SendMessageA(main->Memo2(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("edit "));
    Plays(L"1. Artist - Song - Winamp [Paused]");
    Tick();
    EXPECT_TRUE(boxes.shown.empty());
    bool timerDuringQuestion = true;
    boxes.answer = IDNO;
    boxes.onShow = [&](const auto&) {
        if (boxes.shown.size() == 1)
            timerDuringQuestion = main->Timer1Enabled();
    };
    Plays(L"2. Artist - Other - Winamp");
    Tick();
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text, Cp1251(L"Текст был изменен. Сохранить?"));
    EXPECT_EQ(boxes.shown[0].owner, main->Window());
    EXPECT_EQ(boxes.shown[0].type, UINT{MB_YESNO});
    EXPECT_FALSE(timerDuringQuestion);
    EXPECT_TRUE(main->Timer1Enabled());
    EXPECT_EQ(texts.Read(L"Artist\\Live - Song.txt"), "third");

    // Silent: dropped without a question.
    boxes.shown.clear();
    settings.silentMode = true;
    Plays(L"1. Artist - Song - Winamp");
    Tick();
    SendMessageA(main->Memo2(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("edit "));
    Plays(L"3. Artist - Song - Winamp");
    Tick();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(texts.Read(L"Artist\\Song.txt"), "first\nline");
}

TEST_F(RefreshCycleTest, APlayerThatClosedDuringTheSaveQuestionCountsAsNotRunning)
{
    // A player of the other generation, in this process, so that it can go.
    settings.ampVer = PlayerGeneration::Winamp3;
    settings.autoSave = false;
    WNDCLASSA playerClass{};
    playerClass.lpfnWndProc = DefWindowProcA;
    playerClass.hInstance = GetModuleHandleA(nullptr);
    playerClass.lpszClassName = "STUDIO";
    RegisterClassA(&playerClass);
    HWND studio = CreateWindowA("STUDIO", "1. A - B (0:01/3:00)", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(main->Memo2(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("edit"));
    boxes.answer = IDNO;
    boxes.onShow = [&](const auto&) { DestroyWindow(studio); };
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(BoxTexts().back(), L"Winamp не запущен!");
    EXPECT_EQ(main->Refresh().LastPlayerTitle(), L"NoAmp");
    UnregisterClassA("STUDIO", GetModuleHandleA(nullptr));
}

TEST_F(RefreshCycleTest, ASongChangeWhileABoxIsOpenIsShownOnceAfterIt)
{
    texts.MakeFile(L"Artist\\Song.txt", "words");
    Plays(L"1. Nobody - Nothing - Winamp");
    boxes.onShow = [&](const auto&) {
        Plays(L"2. Artist - Song - Winamp");
        Tick();
        Tick();
    };
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(main->Refresh().RefreshCount(), 2u) << "the first, and one more for both ticks";
    EXPECT_EQ(Shown(), "words");
    EXPECT_EQ(main->StatusText(), L"\\Artist\\Song.txt");
}

TEST_F(RefreshCycleTest, ANameCodePage1251LacksIsFoundAndShownWhole)
{
    texts.MakeFile(L"Björk\\Jóga (Æß).txt", Utf8(L"Ёлка и Æß"));
    Plays(L"7. Björk - Jóga (Æß) - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(main->Text().Text(), u"Ёлка и Æß");
    EXPECT_EQ(main->AnTCaption(), L"Björk - Jóga (Æß)");
    EXPECT_EQ(main->StatusText(), L"\\Björk\\Jóga (Æß).txt");
    EXPECT_EQ(main->StatusHint(), texts.Path() + L"Björk\\Jóga (Æß).txt");
    Tick();
    EXPECT_EQ(main->Refresh().RefreshCount(), 1u) << "the same song, read the same way";
}

TEST_F(RefreshCycleTest, ATimedTwinIsFollowedNudgedJumpedInAndSavedWithEveryTagTheUserLeft)
{
    const std::string timed = "[ti:Song]\n[00:01.00]One\n[00:02.00]two <00:02.50>WORDS\n\n[00:03.00]Three\n";
    texts.MakeFile(L"Artist\\Song.txt", "the plain words");
    texts.MakeFile(L"Artist\\Song.lrc", timed);
    texts.MakeFile(L"Artist\\Live Song.txt", "live words");
    WinampPlayClick(settings);
    ASSERT_TRUE(WaitFor([] { return PlaybackOf(player->MainWindow()) == PlayerPlayback::Playing; }));
    Plays(L"1. Artist - Song - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(main->Text().Text(), u"One\rtwo WORDS\r\rThree");
    EXPECT_EQ(main->StatusText(), L"\\Artist\\Song.lrc");

    static const UINT setPosition = RegisterWindowMessageA("SimPlayer.SetPosition");
    const auto at = [&](int ms) {
        SendMessageA(player->MainWindow(), setPosition, static_cast<WPARAM>(ms), 0);
        main->Refresh().FollowTimer();
    };
    // Which characters stand out: the lines sung, the line being sung, its word.
    const auto looks = [&] {
        std::string seen;
        const std::u16string text = main->Text().Text();
        for (std::size_t index = 0; index < text.size(); ++index)
            seen += text[index] == u'\r' ? '|' : ".scw"[static_cast<int>(main->Text().LookAt(index))];
        return seen;
    };
    // How the area draws its rows: the paper at a row's far end, and its darkest ink.
    struct Row {
        COLORREF paper;
        int darkest;
    };
    const auto drawn = [&](std::size_t at) {
        RECT client{};
        GetClientRect(main->Memo2(), &client);
        const UniqueMemoryDeviceContext dc(CreateCompatibleDC(nullptr));
        void* bits = nullptr;
        const UniqueGdiObject bitmap(TopDownBitmap({client.right, client.bottom}, &bits));
        const SelectedObject selected(dc.get(), bitmap.get());
        SendMessageW(main->Memo2(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        POINTL place{};
        SendMessageW(main->Memo2(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), static_cast<LPARAM>(at));
        const auto* pixels = static_cast<const DWORD*>(bits);
        const auto pixel = [&](LONG x, LONG y) { return pixels[y * client.right + x] & 0xFFFFFF; };
        Row row{pixel(client.right - 2, place.y + 2), 255 * 3};
        for (LONG y = place.y; y < place.y + 8; ++y)
            for (LONG x = 0; x < client.right; ++x)
                row.darkest = std::min<int>(row.darkest, GetRValue(pixel(x, y)) + GetGValue(pixel(x, y)) + GetBValue(pixel(x, y)));
        return row;
    };
    at(500);
    EXPECT_EQ(looks(), "...|.........||.....");
    at(2100);
    EXPECT_EQ(looks(), "sss|ccccccccc||.....") << "the line before its first word";
    at(2600);
    EXPECT_EQ(looks(), "sss|ccccwwwww||.....");
    // Drawn so: the sung line greyed on the area's paper, the line being sung on another paper.
    const Row sung = drawn(0);
    const Row current = drawn(4);
    const Row plain = drawn(16);
    EXPECT_EQ(sung.paper, plain.paper);
    EXPECT_NE(current.paper, plain.paper);
    EXPECT_GT(sung.darkest, plain.darkest + 60);
    main->SetMemoFontSize(20);
    EXPECT_EQ(looks(), "sss|ccccwwwww||.....") << "a new font keeps them";

    main->PerformMenuClick(ID_MenuSyncLater);
    EXPECT_EQ(main->StatusText(), L"Время строк сдвинуто: -0,2 с");
    EXPECT_EQ(looks(), "sss|ccccccccc||.....") << "shown at once";
    POINTL three{};
    SendMessageA(main->Memo2(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&three), 16);
    SendMessageA(main->Memo2(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(three.x + 2, three.y + 2));
    EXPECT_EQ(PositionMsOf(player->MainWindow()), 3200);

    // Tidying changes the words, never a tag.
    main->PerformMenuClick(ID_MenuNorm);
    EXPECT_EQ(main->Text().Text(), u"One\rTwo words\r\rThree");
    main->PerformMenuClick(ID_MenuSaveText);
    EXPECT_EQ(texts.Read(L"Artist\\Song.lrc"),
              "[offset:-200]\n[ti:Song]\n[00:01.00]One\n[00:02.00]Two <00:02.50>words\n\n[00:03.00]Three\n");
    EXPECT_EQ(texts.Read(L"Artist\\Song.txt"), "the plain words");
    // Typing shows the tags first, so that it edits the text as it is saved,
    // on the caret's line.
    main->Text().MoveCaret(6);
    SendMessageA(main->Memo2(), WM_CHAR, 'x', 0);
    EXPECT_EQ(main->Text().Text(), u"[offset:-200]\r[ti:Song]\r[00:01.00]One\r[00:02.00]Twxo <00:02.50>words\r\r"
                                   u"[00:03.00]Three\r");
    EXPECT_TRUE(main->Text().Modified());
    // Followed again as edited; the next text found is a plain one, shown as such.
    main->PerformMenuClick(ID_MenuSyncTags);
    EXPECT_EQ(main->Text().Text(), u"One\rTwxo words\r\rThree");
    main->PerformMenuClick(ID_MenuNext);
    EXPECT_EQ(Shown(), "live words");
}

TEST_F(RefreshCycleTest, TheSungLineIsKeptInViewUnlessTheUserScrolledAway)
{
    std::string timed;
    for (int line = 1; line <= 60; ++line)
        timed += "[00:" + std::to_string(line < 10 ? 0 : line / 10) + std::to_string(line % 10) + ".00]Line\n";
    texts.MakeFile(L"Artist\\Long.txt", "plain");
    texts.MakeFile(L"Artist\\Long.lrc", timed);
    WinampPlayClick(settings);
    ASSERT_TRUE(WaitFor([] { return PlaybackOf(player->MainWindow()) == PlayerPlayback::Playing; }));
    Plays(L"1. Artist - Long - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    static const UINT setPosition = RegisterWindowMessageA("SimPlayer.SetPosition");
    HWND memo = main->Memo2();
    const auto rowInView = [&](int second) {
        SendMessageA(player->MainWindow(), setPosition, static_cast<WPARAM>(second * 1000 + 10), 0);
        main->Refresh().FollowTimer();
        RECT client{};
        GetClientRect(memo, &client);
        POINTL place{};
        SendMessageW(memo, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), (second - 1) * 5);
        return place.y >= 0 && place.y < client.bottom;
    };
    EXPECT_TRUE(rowInView(40)) << "a jump far down";
    EXPECT_TRUE(rowInView(41));
    SendMessageW(memo, EM_LINESCROLL, 0, -100);
    EXPECT_FALSE(rowInView(42)) << "scrolled away by hand: left alone";
    EXPECT_FALSE(rowInView(43));
    EXPECT_TRUE(rowInView(44)) << "followed again after two line changes";
}

TEST_F(RefreshCycleTest, AWriterInEditorModeGetsAnEmptyFileOpenedAndAFailedOneIsNotRetried)
{
    const TextAssociation association(true);
    SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", (texts.AnsiPath() + "editor.log").c_str());
    settings.openByShell = true;
    settings.iamawriter = true;
    Plays(L"4. Nobody - New - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(texts.Read(L"Nobody\\New.txt"), "");
    ASSERT_TRUE(StandInShowsBothWindows(main->Session().EditorProcess));
    EXPECT_EQ(BoxTexts().size(), 1u);
    CloseExternalEditor(true, main->Session().EditorProcess);

    boxes.shown.clear();
    settings.textsPath = texts.Path() + L"missing\\";
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts().back(), L"Невозможно создать директорию.");
    SetEnvironmentVariableA("SONVERA_STAND_IN_LOG", nullptr);
}

TEST_F(RefreshCycleTest, AMissClosesTheEditorOnlyWhileClosePadsIsEnabledAndAFailedSaveWaitsForTheNextSong)
{
    texts.MakeFile(L"Artist\\Song.txt", "words");
    settings.silentMode = true;
    {
        const TextAssociation association(true);
        const EditorProcessRecord editor = [&] {
            OpenInExternalEditor(texts.Path() + L"Artist\\Song.txt", false, main->Session().EditorProcess);
            return main->Session().EditorProcess;
        }();
        ASSERT_TRUE(StandInShowsBothWindows(editor));
        // Ticked as designed, but disabled in text-view mode.
        Plays(L"1. Nobody - Nothing - Winamp");
        main->PerformMenuClick(ID_MenuRefresh);
        EXPECT_GT(StandInWindows(editor), 0);
        settings.Enable(ClosePadsId, true);
        Plays(L"2. Nobody - Else - Winamp");
        Tick();
        EXPECT_EQ(StandInWindows(editor), 0);
    }

    settings.silentMode = false;
    Plays(L"3. Artist - Song - Winamp");
    Tick();
    SendMessageA(main->Memo2(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("edit "));
    // A file that has become a folder: the autosave on the song change fails.
    DeleteFileW((texts.Path() + L"Artist\\Song.txt").c_str());
    texts.MakeFolder(L"Artist\\Song.txt");
    boxes.shown.clear();
    Plays(L"4. Artist - Other - Winamp");
    Tick();
    Tick();
    EXPECT_EQ(boxes.shown.size(), 1u) << "one report, not one a tick";
    EXPECT_EQ(Shown(), "edit words");
}

TEST_F(RefreshCycleTest, AFoundFileThatCannotBeReadEndsTheRefreshWithTheStandardReport)
{
    texts.MakeFolder(L"Dir\\Song.txt");
    main->SetStatusText(L"before");
    Plays(L"5. Dir - Song - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].wideText, L"Cannot open file " + texts.Path() + L"Dir\\Song.txt.");
    EXPECT_EQ(boxes.shown[0].type, UINT{MB_OK | MB_ICONSTOP});
    EXPECT_EQ(main->Session().CurrentTextFile, texts.Path() + L"Dir\\Song.txt");
    EXPECT_EQ(main->Session().Candidates.size(), 1u);
    EXPECT_EQ(main->StatusText(), L"before");
}

TEST_F(RefreshCycleTest, UnicodeTextsAreShownWholeMeasuredAsShownAndSavedBackInTheirOwnBytes)
{
    // Notepad's UTF-8 without a mark and a lyrics editor's UTF-16: the widest
    // line is the same Cyrillic one in every file, and so is the width.
    const std::wstring widest = L"Длинная строка песни";
    const struct {
        const wchar_t* artist;
        std::string bytes;
        std::wstring shown;
    } cases[] = {
        {L"Cp", Cp1251(widest + L"\r\nёж"), widest + L"\rёж"},
        {L"Utf8", Utf8(widest + L"\r\nZażółć \U0001F600\r\n"), widest + L"\rZażółć \U0001F600\r"},
        {L"Utf16", "\xFF\xFE" + Utf16Le(widest + L"\r\nґ ł"), widest + L"\rґ ł"},
    };
    settings.lengthIsWidth = true;
    std::vector<LONG> widths;
    for (const auto& c : cases) {
        SCOPED_TRACE(Cp1251(c.artist));
        const std::wstring file = c.artist + std::wstring(L"\\Song.txt");
        texts.MakeFile(file, c.bytes);
        Plays(L"1. " + std::wstring(c.artist) + L" - Song - Winamp");
        main->PerformMenuClick(ID_MenuRefresh);
        const std::u16string shown = main->Text().Text();
        EXPECT_EQ(std::wstring(shown.begin(), shown.end()), c.shown);
        widths.push_back(WindowBounds(main->Window()).right - WindowBounds(main->Window()).left);

        // An edit typed and taken back: the file gets its own bytes again.
        SendMessageA(main->Memo2(), EM_SETMODIFY, TRUE, 0);
        main->PerformMenuClick(ID_MenuSaveText);
        EXPECT_EQ(texts.Read(file), c.bytes);
    }
    EXPECT_EQ(widths, std::vector<LONG>(3, widths[0]));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RefreshCycleTest, ATextTheAreaCannotHoldWholeIsShownButNeverSavedOverItsFile)
{
    // UTF-16 holding a NUL, which ends the text in the text area.
    const std::string bytes = "\xFF\xFE" + Utf16Le(std::wstring(L"before\0after", 12));
    texts.MakeFile(L"Zero\\Song.txt", bytes);
    Plays(L"1. Zero - Song - Winamp");
    main->PerformMenuClick(ID_MenuRefresh);
    EXPECT_EQ(Shown(), "before");
    SendMessageA(main->Memo2(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("typed "));
    main->PerformMenuClick(ID_MenuSaveText);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Cp1251(L"Не могу сохранить: часть символов этого текста пропала бы. Файл оставлен как был."));
    EXPECT_EQ(texts.Read(L"Zero\\Song.txt"), bytes);
    EXPECT_EQ(Shown(), "typed before");
}

// The commit charge: the same figure as the private bytes, and the one Wine
// fills in.
SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// A long session straight through the handlers: each song change refreshed,
// the next text asked for, every third text cleared, one song without a text.
// Once the first songs have been through, nothing the program holds grows.
TEST_F(RefreshCycleTest, ALongSessionGivesBackEveryHandleWindowAndByteItTakes)
{
    main.reset();
    const LiveCounts before = CurrentLiveCounts();
    settings.silentMode = true;
    settings.autoSave = false;
    CreateMain();
    for (int song = 0; song < 4; ++song)
        texts.MakeFile(L"Band\\Song " + std::to_wstring(song) + L".txt", std::string(song * 300 + 1, 'a' + song));
    main->PerformMenuClick(ID_MenuRefresh);
    SIZE_T warmBytes = 0;
    LiveCounts warm;
    constexpr int Refreshes = 2000;
    for (int refresh = 1; refresh <= Refreshes; ++refresh) {
        Plays(std::to_wstring(refresh) + L". Band - Song " + std::to_wstring(refresh % 5) + L" - Winamp");
        Tick();
        main->PerformMenuClick(ID_MenuNext);
        if (refresh % 3 == 0)
            main->PerformMenuClick(ID_MenuClear);
        main->ran.clear();
        // What the window was sent meanwhile, as the message loop would.
        DispatchPendingMessages();
        if (refresh == 200) {
            warmBytes = PrivateBytes();
            warm = CurrentLiveCounts();
        }
    }
    EXPECT_EQ(Shown(), std::string(1, 'a'));
    EXPECT_EQ(main->StatusText(), L"\\Band\\Song 0.txt");
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_GT(warmBytes, 0u);
    EXPECT_LE(PrivateBytes(), warmBytes + 256 * 1024);
    EXPECT_EQ(CurrentLiveCounts(), warm);
    main.reset();
    DispatchPendingMessages();
    EXPECT_EQ(CurrentLiveCounts(), before);
}

// With its taskbar scrolling on, the player turns its title step by step
// (here one step per message); the program follows the song, not the steps.
using ScrollingPlayerTest = MainWindowTest;

TEST_F(ScrollingPlayerTest, TheSongIsFollowedWithoutARefreshPerTurnOfTheTitle)
{
    ScratchFolder texts;
    texts.MakeFile(L"Ёлкин Двор\\Зимняя электричка.txt", "first");
    texts.MakeFile(L"Kestrow Lane\\Paper Lanterns.txt", "second");
    texts.MakeFile(L"list.m3u", Cp1251(L"Ёлкин Двор - Зимняя электричка\r\nKestrow Lane - Paper Lanterns"));
    SimPlayerProcess player(texts, {"--no-clock", "--scroll", "--play", "--playlist", texts.AnsiPath() + "list.m3u"});
    static const UINT scroll = RegisterWindowMessageA("SimPlayer.Scroll");
    settings.textsPath = texts.Path();
    CreateMain();
    main->PerformMenuClick(ID_MenuRefresh);
    for (const char* shown : {"first", "second"}) {
        // Past a whole turn of the title, each step seen by a timer tick.
        for (int step = 0; step < 50; ++step) {
            const std::string before = WindowTextOf(player.MainWindow());
            SendMessageA(player.MainWindow(), scroll, 0, 0);
            EXPECT_NE(WindowTextOf(player.MainWindow()), before);
            main->Timer1Timer(main->Window());
        }
        EXPECT_EQ(WindowTextOf(main->Memo2()), shown);
        WinampNextClick(settings);
        player.NewMessages();
    }
    EXPECT_EQ(main->Refresh().RefreshCount(), 2u) << "one a song, however the title turns";
}

} // namespace
