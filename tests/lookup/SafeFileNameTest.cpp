#include "lookup/SafeFileName.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

// Any text as the special symbol, whatever the settings' own rules allow.
struct AnySymbol : Settings {
    std::string symbol;
    std::string SpecialSym() const override { return symbol; }
};

} // namespace

TEST(MakeSafeFileName, ReplacesEveryForbiddenCharacterAndKeepsTheLength)
{
    Settings settings;
    EXPECT_EQ(MakeSafeFileName(L"a:b*c/d\\e<f>g?h|i\"j", settings), L"a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(MakeSafeFileName(L"What?", settings), L"What_");
    EXPECT_EQ(MakeSafeFileName(L"", settings), L"");
    // Letters in and outside code page 1251, dots, brackets, a lone surrogate
    // and the top of the UTF-16 range stay.
    const std::wstring kept = L"АяёЁ Łódź (Live) 1.2 - x_y~!#\xD800" L"\xFFFF";
    EXPECT_EQ(MakeSafeFileName(kept, settings), kept);
}

TEST(MakeSafeFileName, ReadsTheSpecialSymbolAtEachCall)
{
    AnySymbol settings;
    settings.symbol = "#";
    EXPECT_EQ(MakeSafeFileName(L"AC/DC", settings), L"AC#DC");
    // The setting is code page 1251: "\xB9" is "№".
    settings.symbol = "\xB9x";
    EXPECT_EQ(MakeSafeFileName(L"AC/DC", settings), L"AC№DC");
}

TEST(MakeSafeFileName, NeverPutsAnImpossibleCharacterInAName)
{
    AnySymbol settings;
    for (const std::string& bad : {std::string(), std::string("*"), std::string("?"), std::string("\\"),
                                  std::string(1, '\0'), std::string("\t")}) {
        settings.symbol = bad;
        EXPECT_EQ(MakeSafeFileName(L"a*b?c", settings), L"a_b_c");
    }
}
