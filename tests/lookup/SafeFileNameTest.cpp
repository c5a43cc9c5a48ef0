#include "lookup/SafeFileName.h"
#include "settings/SettingsSource.h"

#include <gtest/gtest.h>

TEST(MakeSafeFileName, ReplacesEveryForbiddenCharacterAndKeepsTheLength)
{
    FixedSettings settings;
    EXPECT_EQ(MakeSafeFileName("a:b*c/d\\e<f>g?h|i\"j", settings), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(MakeSafeFileName("What?", settings), "What_");
    EXPECT_EQ(MakeSafeFileName("", settings), "");
    // Cyrillic letters, dots, brackets and the top of the code page stay.
    const std::string kept = "\xC0\xFF\xB8\xA8 (Live) 1.2 - x_y~!#";
    EXPECT_EQ(MakeSafeFileName(kept, settings), kept);
}

TEST(MakeSafeFileName, ReadsTheSpecialSymbolAtEachCall)
{
    FixedSettings settings;
    settings.specialSym = "#";
    EXPECT_EQ(MakeSafeFileName("AC/DC", settings), "AC#DC");
    settings.specialSym = "-x";
    EXPECT_EQ(MakeSafeFileName("AC/DC", settings), "AC-DC");
}

TEST(MakeSafeFileName, NeverPutsAnImpossibleCharacterInAName)
{
    FixedSettings settings;
    for (const std::string& bad : {std::string(), std::string("*"), std::string("?"), std::string("\\"),
                                  std::string(1, '\0'), std::string("\t")}) {
        settings.specialSym = bad;
        EXPECT_EQ(MakeSafeFileName("a*b?c", settings), "a_b_c");
    }
}
