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
    EXPECT_EQ(MakeSafeFileName("a:b*c/d\\e<f>g?h|i\"j", settings), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(MakeSafeFileName("What?", settings), "What_");
    EXPECT_EQ(MakeSafeFileName("", settings), "");
    // Cyrillic letters, dots, brackets and the top of the code page stay.
    const std::string kept = "\xC0\xFF\xB8\xA8 (Live) 1.2 - x_y~!#";
    EXPECT_EQ(MakeSafeFileName(kept, settings), kept);
}

TEST(MakeSafeFileName, ReadsTheSpecialSymbolAtEachCall)
{
    AnySymbol settings;
    settings.symbol = "#";
    EXPECT_EQ(MakeSafeFileName("AC/DC", settings), "AC#DC");
    settings.symbol = "-x";
    EXPECT_EQ(MakeSafeFileName("AC/DC", settings), "AC-DC");
}

TEST(MakeSafeFileName, NeverPutsAnImpossibleCharacterInAName)
{
    AnySymbol settings;
    for (const std::string& bad : {std::string(), std::string("*"), std::string("?"), std::string("\\"),
                                  std::string(1, '\0'), std::string("\t")}) {
        settings.symbol = bad;
        EXPECT_EQ(MakeSafeFileName("a*b?c", settings), "a_b_c");
    }
}
