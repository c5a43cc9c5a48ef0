#include "support/Cp1251.h"
#include "support/ScriptedMessageBoxes.h"
#include "win/MessageBoxes.h"

#include <gtest/gtest.h>

TEST(WithClosingFullStop, AppendsAFullStopOnlyAfterACharacterThatSortsAfterIt)
{
    struct Case {
        std::string message;
        std::string shown;
    };
    const Case cases[] = {
        // Cyrillic letters lie above 0x80 in code page 1251.
        {Cp1251(L"Не удалось открыть файл"), Cp1251(L"Не удалось открыть файл.")},
        {Cp1251(L"Текст слишком длинный для поля ввода я"), Cp1251(L"Текст слишком длинный для поля ввода я.")},
        {"Cannot open file C:\\Texts\\a.txt", "Cannot open file C:\\Texts\\a.txt."},
        // The quote of the registry messages sorts before it.
        {"Failed to get data for 'Top'", "Failed to get data for 'Top'"},
        {"Count: 5", "Count: 5."},
        {"C:\\Texts/", "C:\\Texts/."},
        {"Already a sentence.", "Already a sentence."},
        {"Stop!", "Stop!"},
        {"Winamp (3)", "Winamp (3)"},
        {"first, second,", "first, second,"},
        {"dash -", "dash -"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithClosingFullStop(c.message), c.shown) << c.message;
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
}
