#include "app/MainWindowFixture.h"
#include "app/ProgramWindows.h"
#include "app/SonveraIds.h"
#include "settings/SettingsKey.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "win/Registry.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <memory>

namespace {

using Part = MainWindowLook::Part;

// The program as its entry point makes it, on the scratch registry, and closed
// as the user closes it. No player runs: with `SilentMode` stored the first
// refresh says so on the status line only.
class SettingsStoreTest : public ::testing::Test {
protected:
    ScratchMachineHive hive;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<ProgramWindows> program;

    void SetUp() override { Store("SilentMode", 1); }
    void TearDown() override
    {
        program.reset();
        DispatchPendingMessages();
    }

    void Store(const char* name, DWORD value) const
    {
        hive.SetBinary(SettingsKeyPath, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
    }

    static std::optional<std::int32_t> Stored(const char* name)
    {
        const UniqueRegistryKey key = OpenSettingsKey();
        return ReadStoredInteger(key.get(), name);
    }

    TSonveraMain& Start()
    {
        program.reset();
        program = std::make_unique<ProgramWindows>(GetModuleHandleA(nullptr));
        program->application.SetQuitWhenMainWindowCloses(false);
        return program->mainWindow;
    }

    void Close() const { SendMessageA(program->mainWindow.Window(), WM_CLOSE, 0, 0); }
};

TEST_F(SettingsStoreTest, TheMainWindowOpensAsStoredAndTheNextCloseStoresTheSame)
{
    const struct {
        const char* name;
        DWORD value;
    } stored[] = {{"Left", 40}, {"Top", 30}, {"Width", 410}, {"Height", 520}, {"Statusbar", 0}, {"ControlWinamp", 0},
                  {"AnTColor", 1507}, {"LengthIsWidth", 1}, {"AmpVer", 1}};
    for (const auto& value : stored)
        Store(value.name, value.value);
    // A texts folder whose name code page 1251 lacks part of, stored by the wide calls.
    const std::wstring textsPath = L"C:\\Тексты\\Björk\\";
    hive.SetBinary(SettingsKeyPath, "TextsPath", REG_SZ,
                   std::string(reinterpret_cast<const char*>(textsPath.c_str()), (textsPath.size() + 1) * 2), true);
    TSonveraMain& main = Start();
    EXPECT_EQ(program->settings().textsPath, textsPath);
    EXPECT_TRUE(IsWindowVisible(main.Window()));
    const RECT bounds = WindowBounds(main.Window());
    EXPECT_EQ(bounds.left, 40);
    EXPECT_EQ(bounds.top, 30);
    EXPECT_EQ(bounds.right - bounds.left, 410);
    EXPECT_EQ(bounds.bottom - bounds.top, 520) << "a bar that is off does not shorten the stored size";
    EXPECT_FALSE(main.IsPartShown(Part::StatusLine) || main.IsPartShown(Part::PlayerPanel));
    EXPECT_EQ(main.LabelTextColour(), RGB(255, 255, 255));
    EXPECT_EQ(main.LabelPanelColour(), RGB(192, 192, 192));
    EXPECT_TRUE(GetWindowLongPtrA(main.Memo2(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_FALSE(main.IsButtonEnabled(ID_WinampAdd));
    EXPECT_FALSE(main.StatusText().empty()) << "the first refresh ran";
    Close();
    for (const auto& value : stored)
        EXPECT_EQ(Stored(value.name), static_cast<std::int32_t>(value.value)) << value.name;
    {
        // Written back whole, as REG_SZ, which the ANSI calls read too.
        const UniqueRegistryKey key = OpenSettingsKey();
        EXPECT_EQ(ReadStoredString(key.get(), "TextsPath"), textsPath);
        char ansi[64] = {};
        DWORD type = 0, size = sizeof ansi;
        ASSERT_EQ(RegQueryValueExA(key.get(), "TextsPath", nullptr, &type, reinterpret_cast<BYTE*>(ansi), &size), 0);
        EXPECT_EQ(type, DWORD{REG_SZ});
        EXPECT_TRUE(std::string(ansi).starts_with(Cp1251(L"C:\\Тексты\\Bj"))) << ansi;
    }

    // External-editor mode keeps the text-view size and the user's label size across a close.
    Store("OpenByShell", 1);
    Store("AnTFontSize", 23);
    TSonveraMain& editorMode = Start();
    RECT client{};
    GetClientRect(editorMode.Window(), &client);
    EXPECT_EQ(client.right, 142);
    EXPECT_EQ(client.bottom, editorMode.PartExtent(Part::ToolBar) + 2 + editorMode.PartExtent(Part::Label));
    Close();
    EXPECT_EQ(Stored("Width"), 410);
    EXPECT_EQ(Stored("Height"), 520);
    EXPECT_EQ(Stored("AnTFontSize"), 23);
}

TEST_F(SettingsStoreTest, AValueOfTheWrongTypeIsReportedOverTheShownWindowAndNoRefreshRuns)
{
    const struct {
        DWORD type;
        std::string data;
        const char* message;
    } cases[] = {{REG_SZ, std::string("1", 2), "Invalid data type for 'Toolbar'"},
                 {REG_QWORD, std::string(8, '\1'), "Failed to get data for 'Toolbar'"}};
    for (const auto& c : cases) {
        boxes.shown.clear();
        hive.SetBinary(SettingsKeyPath, "Toolbar", c.type, c.data);
        TSonveraMain& main = Start();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.message);
        EXPECT_EQ(boxes.shown[0].caption, "Winamp Sonvera");
        EXPECT_TRUE(IsWindowVisible(main.Window())) << "the user still gets a window";
        EXPECT_EQ(main.StatusText(), L"") << "no first refresh";
    }
}

TEST_F(SettingsStoreTest, TheUsersOwnKeyStandsInForAMachineKeyThatRefusesWriting)
{
    DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath);
    hive.Refuse();
    {
        UniqueRegistryKey user;
        ASSERT_EQ(CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath, KEY_ALL_ACCESS, user), ERROR_SUCCESS);
        ASSERT_EQ(WriteRegistryDword(user.get(), "SilentMode", 1), ERROR_SUCCESS);
    }
    Start();
    program->settings().autoTrim = true;
    Close();
    EXPECT_TRUE(boxes.shown.empty());
    UniqueRegistryKey user;
    ASSERT_EQ(OpenRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath, KEY_READ, user), ERROR_SUCCESS);
    EXPECT_EQ(ReadStoredInteger(user.get(), "Autotrim"), 1);
    Start();
    EXPECT_TRUE(program->settings().autoTrim);
    DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath);
}

TEST_F(SettingsStoreTest, ARefusedWriteIsReportedOnceAndTheEditedTextIsStillSaved)
{
    ScratchFolder texts;
    texts.MakeFile(L"Artist\\Song.txt", "old");
    TSonveraMain& main = Start();
    program->settings().textsPath = texts.Path();
    main.Session().Song = {L"Artist", L"Song"};
    main.Session().CurrentTextFile = texts.Path() + L"Artist\\Song.txt";
    SendMessageA(main.Memo2(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new words"));
    SendMessageA(main.Memo2(), EM_SETMODIFY, TRUE, 0);
    main.Session().NoSong = false;
    // Neither the machine's key nor the user's can be written.
    hive.Refuse();
    {
        const RefusedUserHive refused;
        Close();
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Failed to set data for 'FontName'");
    EXPECT_EQ(texts.Read(L"Artist\\Song.txt"), "new words");
}

} // namespace
