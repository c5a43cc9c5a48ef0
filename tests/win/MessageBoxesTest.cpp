#include "support/Cp1251.h"
#include "support/ScriptedMessageBoxes.h"
#include "win/MessageBoxes.h"

#include <gtest/gtest.h>

TEST(WithClosingFullStop, AppendsAFullStopOnlyAfterACharacterThatSortsAfterIt)
{
    struct Case {
        std::wstring message;
        std::wstring shown;
    };
    const Case cases[] = {
        // Letters of any script sort after it.
        {L"Не удалось открыть файл", L"Не удалось открыть файл."},
        {L"Текст слишком длинный для поля ввода я", L"Текст слишком длинный для поля ввода я."},
        {L"Cannot open file C:\\Texts\\a.txt", L"Cannot open file C:\\Texts\\a.txt."},
        // The quote of the registry messages sorts before it.
        {L"Failed to get data for 'Top'", L"Failed to get data for 'Top'"},
        {L"Count: 5", L"Count: 5."},
        {L"C:\\Texts/", L"C:\\Texts/."},
        {L"Already a sentence.", L"Already a sentence."},
        {L"Stop!", L"Stop!"},
        {L"Winamp (3)", L"Winamp (3)"},
        {L"first, second,", L"first, second,"},
        {L"dash -", L"dash -"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithClosingFullStop(c.message), c.shown) << Cp1251(c.message);
}

TEST(ReportError, ShowsAStopBoxCaptionedWithTheApplicationTitle)
{
    ScriptedMessageBoxes boxes;
    ReportError(nullptr, "Text exceeds memo capacity");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Text exceeds memo capacity.");
    EXPECT_EQ(boxes.shown[0].caption, "Winamp Sonvera");
    EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(boxes.shown[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));

    // A caught error that names a file keeps the name whole.
    ReportError(nullptr, static_cast<const std::exception&>(NamedError(L"Cannot open file C:\\Björk\\Jóga.txt")));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].wideText, L"Cannot open file C:\\Björk\\Jóga.txt.");
}
