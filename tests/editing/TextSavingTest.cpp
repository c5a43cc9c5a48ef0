#include "app/MainWindowFixture.h"
#include "app/SonveraIds.h"
#include "editing/TextSaving.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <richedit.h>

namespace {

// The main window over a scratch texts folder, saving through its command.
class TextSavingTest : public MainWindowTest {
protected:
    ScratchFolder scratch;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        settings.textsPath = scratch.Path();
        CreateMain();
    }

    void Type(const std::string& text) const
    {
        SetWindowTextA(main->Memo2(), text.c_str());
        SendMessageA(main->Memo2(), EM_SETMODIFY, TRUE, 0);
    }
    bool Modified() const { return SendMessageA(main->Memo2(), EM_GETMODIFY, 0, 0) != 0; }
    void Save() const { main->PerformMenuClick(ID_MenuSaveText); }
    DWORD Attributes(const std::wstring& relative) const
    {
        return GetFileAttributesW((scratch.Path() + relative).c_str());
    }
};

TEST_F(TextSavingTest, ANewTextGoesToItsSongsFileTheNextSaveRewritesItAndAFileKeepsItsAttributes)
{
    struct Case {
        std::wstring artist;
        std::wstring title;
        std::wstring file;       // below the texts folder
        std::wstring statusText; // the status line's
    };
    const Case cases[] = {
        {L"Up/Down", L"Why? No.", L"Up_Down\\Why_ No..txt", L"\\Up_Down\\Why_ No..txt"},
        {L"", L"Solo", L"Solo.txt", L"\\\\Solo.txt"},
        {L"..", L"Up", L"__\\Up.txt", L"\\__\\Up.txt"},
        {L"Сплин", L"Романс", L"Сплин\\Романс.txt", L"\\Сплин\\Романс.txt"},
        // A name code page 1251 lacks: the file is named whole, its text stays in code page 1251.
        {L"Motörhead", L"Ace – Æß", L"Motörhead\\Ace – Æß.txt", L"\\Motörhead\\Ace – Æß.txt"},
    };
    // With LengthIsWidth each save fits the window to the text saved.
    settings.lengthIsWidth = true;
    const auto width = [this] { return WindowBounds(main->Window()).right - WindowBounds(main->Window()).left; };
    const int start = width();
    const std::string text = Cp1251(L"Первая строка, и длинная: ") + std::string(60, 'W') + "\r\n\r\nlast";
    const std::wstring root = scratch.Path();
    for (const Case& c : cases) {
        SCOPED_TRACE(Cp1251(c.file));
        main->Session().CurrentTextFile.clear();
        main->Session().Song = {c.artist, c.title};
        Type(text);
        Save();
        EXPECT_EQ(scratch.Read(c.file), text);
        EXPECT_EQ(main->Session().CurrentTextFile, root.substr(0, root.size() - 1) + c.statusText);
        EXPECT_EQ(main->StatusText(), c.statusText);
        EXPECT_EQ(main->StatusHint(), main->Session().CurrentTextFile);
        EXPECT_FALSE(Modified());
        const int wide = width();
        EXPECT_GT(wide, start);

        Type("again");
        Save();
        EXPECT_EQ(scratch.Read(c.file), "again");
        EXPECT_LT(width(), wide);
    }

    for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_READONLY},
                                   DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}}) {
        scratch.MakeFile(L"Up_Down\\Why_ No..txt", "old", attributes);
        const DWORD before = Attributes(L"Up_Down\\Why_ No..txt");
        main->Session().CurrentTextFile = root + L"Up_Down\\Why_ No..txt";
        Type("new");
        Save();
        EXPECT_EQ(scratch.Read(L"Up_Down\\Why_ No..txt"), "new");
        EXPECT_EQ(Attributes(L"Up_Down\\Why_ No..txt"), before);
        SetFileAttributesW((scratch.Path() + L"Up_Down\\Why_ No..txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_TRUE(boxes.shown.empty());
    // Nothing but the texts and their folders: no temporary file survives.
    EXPECT_EQ(scratch.Names(), (std::vector<std::wstring>{L"Motörhead", L"Solo.txt", L"Up_Down", L"__", L"Сплин"}));
    EXPECT_EQ(scratch.Names(L"Up_Down"), std::vector<std::wstring>{L"Why_ No..txt"});
}

TEST_F(TextSavingTest, AFailedOrRefusedSaveKeepsTheOldFileTheTextAndTheStatusLine)
{
    scratch.MakeFile(L"A\\Locked.txt", "old words", FILE_ATTRIBUTE_READONLY);
    const DWORD lockedAttributes = Attributes(L"A\\Locked.txt");
    struct Case {
        const char* what;
        std::wstring textsPath;
        std::wstring currentTextFile;
        std::wstring statusText;
        bool lock;
        std::wstring boxText; // empty: no box
        std::wstring boxCaption;
    };
    const std::wstring root = scratch.Path();
    const Case cases[] = {
        {"folder whose parent is missing", root + L"missing\\", L"", L"before", false, L"Невозможно создать директорию.",
         L"Ошибка!"},
        {"file held by another program", root, root + L"A\\Locked.txt", L"before", true, L"Не могу сохранить",
         L"Тысяча чертей!"},
        {"player not running", root, L"", L"Winamp не запущен!", false, L"", L""},
        {"player not playing", root, root + L"A\\Locked.txt", L"Winamp не играет!", false, L"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.shown.clear();
        settings.textsPath = c.textsPath;
        main->Session().Song = {L"A", L"New"};
        main->Session().CurrentTextFile = c.currentTextFile;
        main->SetStatusText(c.statusText);
        main->SetStatusHint(L"hint");
        main->Session().NoSong = c.boxText.empty();
        Type("unsaved words");
        HANDLE holder = c.lock ? CreateFileW((scratch.Path() + L"A\\Locked.txt").c_str(), GENERIC_READ, 0, nullptr,
                                             OPEN_EXISTING, 0, nullptr)
                               : INVALID_HANDLE_VALUE;
        Save();
        if (holder != INVALID_HANDLE_VALUE)
            CloseHandle(holder);

        if (c.boxText.empty()) {
            EXPECT_TRUE(boxes.shown.empty());
        } else {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].owner, main->Window());
            EXPECT_EQ(boxes.shown[0].text, Cp1251(c.boxText));
            EXPECT_EQ(boxes.shown[0].caption, Cp1251(c.boxCaption));
            EXPECT_EQ(boxes.shown[0].type, UINT{MB_OK});
        }
        EXPECT_EQ(scratch.Read(L"A\\Locked.txt"), "old words");
        EXPECT_EQ(Attributes(L"A\\Locked.txt"), lockedAttributes);
        EXPECT_EQ(scratch.Names(L"A"), std::vector<std::wstring>{L"Locked.txt"});
        EXPECT_EQ(main->StatusText(), c.statusText);
        EXPECT_EQ(main->StatusHint(), L"hint");
        EXPECT_TRUE(Modified());
        EXPECT_EQ(WindowTextOf(main->Memo2()), "unsaved words");
    }
    EXPECT_EQ(scratch.Names(), (std::vector<std::wstring>{L"A"}));
}

TEST_F(TextSavingTest, TheCreateFilesStepWritesAnEmptyFileOnlyInEditorModeForAWriter)
{
    main->Session().Song = {L"Artist", L"Song"};
    for (const auto& [openByShell, iamawriter] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
        settings.openByShell = openByShell;
        settings.iamawriter = iamawriter;
        EXPECT_EQ(CreateTextFileForSong(*main), openByShell && iamawriter);
        EXPECT_EQ(scratch.Read(L"Artist\\Song.txt"), openByShell && iamawriter ? std::optional<std::string>("")
                                                                               : std::nullopt);
    }
}

TEST_F(TextSavingTest, ALetterCodePage1251LacksIsTidiedAndSavedOnlyAsUtf8WithAMarkTheUserAgreedTo)
{
    const std::string old = Cp1251(L"  ёлка");
    scratch.MakeFile(L"A\\Old.txt", old);
    main->Session().CurrentTextFile = scratch.Path() + L"A\\Old.txt";
    main->Session().CurrentTextFormat = ShowFileText(main->Text(), old);
    // Pasted at the end, then tidied in UTF-16: nothing is lost.
    SendMessageA(main->Memo2(), EM_SETSEL, 100, 100);
    SETTEXTEX paste{ST_SELECTION, 1200};
    SendMessageA(main->Memo2(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&paste), reinterpret_cast<LPARAM>(L" ŁZA"));
    main->PerformMenuClick(ID_MenuTrim);
    main->PerformMenuClick(ID_MenuNorm);

    boxes.answer = IDNO;
    Save();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Cp1251(L"В тексте есть символы, которых нет в кодировке Windows-1251. Хранить этот файл "
                                           L"отныне в UTF-8 (с меткой BOM)? Если нет, текст не сохранится и останется на экране."));
    EXPECT_EQ(boxes.shown[0].type, UINT{MB_YESNO | MB_ICONQUESTION});
    EXPECT_EQ(scratch.Read(L"A\\Old.txt"), old);
    EXPECT_TRUE(Modified());

    boxes.answer = IDYES;
    Save();
    const std::string switched = "\xEF\xBB\xBF" + Utf8(L"Ёлка łza");
    EXPECT_EQ(scratch.Read(L"A\\Old.txt"), switched);
    // From now on the file is UTF-8 and asks no more.
    SendMessageA(main->Memo2(), EM_SETMODIFY, TRUE, 0);
    Save();
    EXPECT_EQ(scratch.Read(L"A\\Old.txt"), switched);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

} // namespace
