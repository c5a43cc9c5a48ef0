#include "settings/ColourGrid.h"
#include "settings/OptionsFixture.h"
#include "settings/SettingsKey.h"
#include "support/ScratchFolder.h"
#include "win/Registry.h"

#include <gtest/gtest.h>

#include <richedit.h>

namespace {

using Part = MainWindowLook::Part;

std::optional<std::int32_t> Stored(const char* name)
{
    const UniqueRegistryKey key = OpenSettingsKey();
    return ReadStoredInteger(key.get(), name);
}

void Store(const char* name, DWORD value)
{
    const UniqueRegistryKey key = OpenSettingsKey();
    RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

SIZE ClientSizeOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

using SettingsStoreTest = OptionsWindowTest;

TEST_F(SettingsStoreTest, AnEmptyKeyGivesTheDefaultsAndTheFirstRefresh)
{
    Start(true);
    const SettingsSource& loaded = *options;
    EXPECT_EQ(loaded.FontBox(), "Courier New");
    EXPECT_EQ(loaded.TextsPath(), "");
    EXPECT_FALSE(loaded.RefreshOnTimer() || loaded.SilentMode() || loaded.OpenByShell() || loaded.Iamawriter() ||
                 loaded.AutoTrim() || loaded.LengthIsWidth() || loaded.StayOnTop());
    EXPECT_TRUE(loaded.AutoSave() && loaded.ShowToolBar() && loaded.ShowStatusBar() && loaded.ControlWinamp() &&
                loaded.ShowAnT() && loaded.ShowHints() && loaded.ClosePads() && loaded.UseAnTWidth());
    EXPECT_EQ(loaded.RefreshInterval(), 1);
    EXPECT_EQ(loaded.MemoFontSize(), 12);
    EXPECT_EQ(loaded.AnTFontSize(), 10);
    EXPECT_EQ(loaded.MaxMemoWidth(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(loaded.MinMemoWidth(), 1);
    EXPECT_EQ(loaded.SpecialSym(), "_");
    EXPECT_EQ(loaded.AmpVer(), 0);
    EXPECT_EQ(main->LabelTextColour(), RGB(0, 0, 0));
    EXPECT_EQ(main->LabelPanelColour(), RGB(192, 192, 192));
    EXPECT_TRUE(IsWindowVisible(main->Window()));
    EXPECT_EQ(firstRefreshes, 1);
}

TEST_F(SettingsStoreTest, EverySettingComesBackAfterACloseAndTheNextStart)
{
    Start(true);
    options->SetTextsPath("C:\\Тексты\\");
    EXPECT_TRUE(options->SelectFont("Arial"));
    for (OptionId box : {RefreshOnTimerId, SilentModeId, AutoTrimId, ShowAnTId, ControlWinampId, ShowHintsId,
                         LengthIsWidthId, UseAnTWidthId})
        Click(box);
    options->Spin(RefreshIntervalId).SetValue(42);
    options->Spin(MemoFontSizeId).SetValue(17);
    options->Spin(AnTFontSizeId).SetValue(23);
    options->Spin(MinMemoWidthId).SetValue(321);
    options->SetAmpVer(1);
    options->AnTColor().SetForegroundIndex(15);
    options->SetSpecialSymPosition(12);
    SetWindowPos(main->Window(), nullptr, 0, 0, 410, 520, SWP_NOMOVE | SWP_NOZORDER);
    // Closing in external-editor mode keeps the text-view size and the user's label size.
    Click(OpenByShellId);
    const SIZE shrunk = ClientSizeOf(main->Window());
    CloseMain();
    EXPECT_EQ(Stored("Width"), 410);
    EXPECT_EQ(Stored("Height"), 520);
    EXPECT_EQ(Stored("AnTFontSize"), 23);
    EXPECT_EQ(Stored("AntColor"), 1507);

    Start(true);
    const SettingsSource& loaded = *options;
    EXPECT_EQ(loaded.TextsPath(), "C:\\Тексты\\");
    EXPECT_EQ(loaded.FontBox(), "Arial");
    EXPECT_TRUE(loaded.RefreshOnTimer() && loaded.SilentMode() && loaded.AutoTrim() && loaded.LengthIsWidth() &&
                loaded.OpenByShell());
    EXPECT_FALSE(loaded.ShowAnT() || loaded.ControlWinamp() || loaded.ShowHints() || loaded.UseAnTWidth());
    EXPECT_EQ(loaded.RefreshInterval(), 42);
    EXPECT_EQ(loaded.MemoFontSize(), 17);
    EXPECT_EQ(loaded.AnTFontSize(), 10) << "the field keeps the forced size";
    EXPECT_EQ(options->KeptAnTFontSize, 23);
    EXPECT_EQ(loaded.MinMemoWidth(), 321);
    EXPECT_EQ(loaded.AmpVer(), 1);
    EXPECT_EQ(loaded.SpecialSym(), "`");
    EXPECT_EQ(options->AnTColor().ForegroundIndex(), 15);
    EXPECT_EQ(options->AnTColor().BackgroundIndex(), 7);
    EXPECT_EQ(ClientSizeOf(main->Window()).cx, shrunk.cx);
    EXPECT_EQ(ClientSizeOf(main->Window()).cy, shrunk.cy);
    Click(OpenByShellId);
    RECT bounds{};
    GetWindowRect(main->Window(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 410);
    EXPECT_EQ(bounds.bottom - bounds.top, 520);
}

TEST_F(SettingsStoreTest, OddStoredValuesLoadAsTheProgramCanShowThem)
{
    const struct {
        int stored;
        const char* shown;
    } symbols[] = {{0, "_"}, {13, "_"}, {-1, "_"}, {9, " "}, {12, "`"}};
    for (const auto& symbol : symbols) {
        Store("SpecialSym", static_cast<DWORD>(symbol.stored));
        Start(true);
        EXPECT_EQ(options->SpecialSym(), symbol.shown) << symbol.stored;
    }
    Store("MaxMemoWidth", 100000);
    hive.SetBinary(SettingsKeyPath, "FontName", REG_SZ, std::string("No Such Face", 13));
    Start(true);
    EXPECT_EQ(options->MaxMemoWidth(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(options->FontBox(), "");
    CloseMain();
    const UniqueRegistryKey key = OpenSettingsKey();
    EXPECT_EQ(ReadStoredString(key.get(), "FontName"), "") << "an uninstalled font is written back as nothing";
}

TEST_F(SettingsStoreTest, AValueOfTheWrongTypeStopsTheLoadingThere)
{
    const struct {
        DWORD type;
        std::string data;
        const char* message;
    } cases[] = {{REG_SZ, std::string("1", 2), "Invalid data type for 'Toolbar'"},
                 {REG_QWORD, std::string(8, '\1'), "Failed to get data for 'Toolbar'"}};
    for (const auto& c : cases) {
        hive.Clear();
        boxes.shown.clear();
        hive.SetBinary(SettingsKeyPath, "Toolbar", c.type, c.data);
        Start(true);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.message);
        EXPECT_EQ(boxes.shown[0].caption, "Winamp Sonvera");
        EXPECT_EQ(firstRefreshes, 0);
        EXPECT_TRUE(IsWindowVisible(main->Window())) << "the user still gets a window";
        EXPECT_EQ(options->AutoSave(), true) << "loaded before the bad value";
        EXPECT_EQ(options->ClosePads(), false) << "the designed state after it";
    }
}

TEST_F(SettingsStoreTest, TheUsersOwnKeyStandsInForAMachineKeyThatRefusesWriting)
{
    DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath);
    hive.Refuse();
    Start(true);
    Click(SilentModeId);
    CloseMain();
    EXPECT_TRUE(boxes.shown.empty());
    UniqueRegistryKey user;
    ASSERT_EQ(OpenRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath, KEY_READ, user), ERROR_SUCCESS);
    EXPECT_EQ(ReadStoredInteger(user.get(), "SilentMode"), 1);
    Start(true);
    EXPECT_TRUE(options->SilentMode());
    DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath);
}

TEST_F(SettingsStoreTest, ARefusedWriteIsReportedOnceAndTheEditedTextIsStillSaved)
{
    ScratchFolder texts;
    texts.MakeFile(L"Artist\\Song.txt", "old");
    Start(true);
    options->SetTextsPath(texts.AnsiPath());
    main->Song = {"Artist", "Song"};
    main->CurrentTextFile = texts.AnsiPath() + "Artist\\Song.txt";
    SendMessageA(main->Memo2(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new words"));
    SendMessageA(main->Memo2(), EM_SETMODIFY, TRUE, 0);
    // Neither the machine's key nor the user's can be written.
    hive.Refuse();
    {
        const RefusedUserHive refused;
        CloseMain();
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Failed to set data for 'FontName'");
    EXPECT_EQ(texts.Read(L"Artist\\Song.txt"), "new words");
}

} // namespace
