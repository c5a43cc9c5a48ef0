#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "win/WindowText.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

// The main window over a scratch texts folder of a few songs in the three
// encodings, one of them named with letters code page 1251 lacks.
class FindTest : public MainWindowTest {
protected:
    ScratchFolder texts;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        texts.MakeFile(L"Кино\\Группа крови.txt", Cp1251(L"Тёплое место, но улицы ждут\r\nотпечатков наших ног.\r\n"));
        texts.MakeFile(L"ДДТ\\Альбом\\Осень.txt",
                       "\xFF\xFE" + Utf16Le(L"Что такое осень \u2014 это небо,\r\nПлачущее небо под ногами."));
        texts.MakeFile(L"Søren Ålbæk\\Fjärran ö.txt", Utf8(L"Gulls on the jetty and wind on the hill"));
        settings.textsPath = texts.Path();
        CreateMain();
    }

    // Opened by its shortcut, the folder read.
    TFind& Open()
    {
        EXPECT_TRUE(PressWithControl(*main, main->Memo2(), 'F'));
        Read(*main->Find());
        return *main->Find();
    }
    static void Read(const TFind& find)
    {
        EXPECT_TRUE(DispatchUntil([&] { return UnicodeWindowText(find.Status()).find(L"Текстов") == 0; }));
    }
    std::wstring Status() const { return UnicodeWindowText(main->Find()->Status()); }
    void Type(const std::wstring& query) const { SetWindowTextW(main->Find()->Query(), query.c_str()); }
    // A key as the message loop meets it in the query field.
    void Press(WPARAM key) const
    {
        MSG message{main->Find()->Query(), WM_KEYDOWN, key, 1, 0, {}};
        EXPECT_TRUE(main->Find()->TakeDialogMessage(message));
    }
    // Each row as "Artist - Title | matching line".
    std::vector<std::wstring> Rows() const
    {
        std::vector<std::wstring> rows;
        HWND list = main->Find()->Results();
        for (int row = 0; row < SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row) {
            wchar_t cells[2][512] = {};
            for (int column = 0; column < 2; ++column) {
                LVITEMW item{};
                item.iSubItem = column;
                item.pszText = cells[column];
                item.cchTextMax = 512;
                SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            }
            rows.push_back(std::wstring(cells[0]) + L" | " + cells[1]);
        }
        return rows;
    }
};

using Found = std::vector<std::wstring>;

} // namespace

TEST_F(FindTest, NothingIsMadeBeforeItOpensThenEachKeystrokeFindsByNameAndWords)
{
    EXPECT_EQ(main->Find(), nullptr);
    Open();
    EXPECT_EQ(Status(), L"Текстов: 3");
    Type(L"небо осень");
    EXPECT_EQ(Rows(), Found{L"ДДТ - Осень | Что такое осень \u2014 это небо,"});
    EXPECT_EQ(Status(), L"Найдено: 1 из 3");
    Type(L"ТЁПЛ кино");
    EXPECT_EQ(Rows(), Found{L"Кино - Группа крови | Тёплое место, но улицы ждут"});
    Type(L"fjarran");
    EXPECT_EQ(Rows(), Found{L"Søren Ålbæk - Fjärran ö | "});
    Type(L"н");
    EXPECT_EQ(Rows(), (Found{L"ДДТ - Осень | Что такое осень \u2014 это небо,",
                            L"Кино - Группа крови | Тёплое место, но улицы ждут"}));
}

TEST_F(FindTest, EnterShowsTheChosenTextAsAFoundTextAndASavedTextIsFoundByItsNewWordsAtOnce)
{
    // A song's edited text on screen, other texts of it behind the next command.
    main->Session().Song = {L"Кино", L"Группа крови"};
    main->Session().CurrentTextFile = texts.Path() + L"Кино\\Группа крови.txt";
    main->EnableNextCommands(true);
    SetWindowTextA(main->Memo2(), "edited");
    SendMessageA(main->Memo2(), EM_SETMODIFY, TRUE, 0);
    const TFind& find = Open();
    Type(L"н");
    Press(VK_DOWN);
    Press(VK_UP);
    Press(VK_RETURN);
    EXPECT_EQ(texts.Read(L"Кино\\Группа крови.txt"), "edited");
    EXPECT_EQ(FromCp1251(WindowTextOf(main->Memo2())), L"Что такое осень \u2014 это небо,\r\nПлачущее небо под ногами.");
    EXPECT_EQ(main->StatusText(), L"\\ДДТ\\Альбом\\Осень.txt");
    EXPECT_TRUE(main->IsMenuItemEnabled(ID_MenuNext));
    EXPECT_EQ(main->Session().Song.SongTitle, L"Группа крови");

    SetWindowTextW(main->Memo2(), L"Новые слова песни");
    SendMessageA(main->Memo2(), EM_SETMODIFY, TRUE, 0);
    main->PerformMenuClick(ID_MenuSaveText);
    Type(L"песни новые");
    EXPECT_EQ(Rows(), Found{L"ДДТ - Осень | Новые слова песни"});
    Type(L"edited");
    EXPECT_EQ(Rows(), Found{L"Кино - Группа крови | edited"});
    Press(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(find.Window()));
}

TEST_F(FindTest, FilesThatAreNoTextsAreCountedNeverShownAndChangesAreTakenIn)
{
    texts.MakeFolder(L"Кино\\Папка.txt");
    texts.MakeFile(L"Кино\\Программа.txt", std::string("MZ\x90\0\3\0\0\0", 8) + "binary words");
    HANDLE big = CreateFileW((texts.Path() + L"Кино\\Большой.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             0, nullptr);
    LARGE_INTEGER size{};
    size.QuadPart = 50 << 20;
    SetFilePointerEx(big, size, nullptr, FILE_BEGIN);
    SetEndOfFile(big);
    CloseHandle(big);
    // Unreadable while the test holds it.
    HANDLE held = CreateFileW((texts.Path() + L"Кино\\Занят.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              0, nullptr);
    Open();
    EXPECT_EQ(Status(), L"Текстов: 3; пропущено файлов, которые не тексты: 4");
    for (const wchar_t* query : {L"binary", L"программа", L"большой", L"занят", L"папка"}) {
        Type(query);
        EXPECT_TRUE(Rows().empty()) << query;
    }

    texts.MakeFile(L"Аквариум\\Поезд в огне.txt", Cp1251(L"Полковнику Васильеву"));
    DeleteFileW((texts.Path() + L"ДДТ\\Альбом\\Осень.txt").c_str());
    Type(L"полковнику");
    EXPECT_TRUE(DispatchUntil([&] { return Rows() == Found{L"Аквариум - Поезд в огне | Полковнику Васильеву"}; }));
    EXPECT_TRUE(DispatchUntil([&] { return Status().starts_with(L"Найдено: 1 из 3;"); }));
    CloseHandle(held);
}

TEST_F(FindTest, AClosedWindowLetsItsTextsGoAfterAWhileAndReadsThemAgainWhenOpened)
{
    TFind find(GetModuleHandleW(nullptr), main->Window(), settings, [](const std::wstring&) {}, 200);
    EXPECT_FALSE(find.HoldsIndex());
    find.Show();
    Read(find);
    find.Close();
    EXPECT_TRUE(find.HoldsIndex());
    EXPECT_TRUE(DispatchUntil([&] { return !find.HoldsIndex(); }));
    EXPECT_EQ(find.Window(), nullptr);
    find.Show();
    Read(find);
    EXPECT_TRUE(find.HoldsIndex());
}
