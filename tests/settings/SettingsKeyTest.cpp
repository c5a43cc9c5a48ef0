#include "settings/SettingsKey.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr char Sonvera[] = "Software\\Kestrow\\Sonvera";

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(ReadStoredInteger, TakesOnlyFourByteDwordsAndNamesWhatItRefuses)
{
    ScratchMachineHive hive;
    struct Case {
        const char* what;
        DWORD type;
        std::string data;
        std::optional<std::int32_t> read;
        const char* error;
    };
    const Case cases[] = {
        {"a DWORD", REG_DWORD, Bytes({0x2C, 0x01, 0x00, 0x00}), 300, nullptr},
        {"a negative DWORD (a window left of the main screen)", REG_DWORD, Bytes({0xF6, 0xFF, 0xFF, 0xFF}), -10,
         nullptr},
        {"a short string", REG_SZ, std::string("30\0", 3), std::nullopt, "Invalid data type for 'Value'"},
        {"a four-byte string", REG_SZ, std::string("300\0", 4), std::nullopt, "Invalid data type for 'Value'"},
        {"a longer string", REG_SZ, std::string("3000\0", 5), std::nullopt, "Failed to get data for 'Value'"},
        {"a QWORD", REG_QWORD, Bytes({1, 0, 0, 0, 0, 0, 0, 0}), std::nullopt, "Failed to get data for 'Value'"},
        {"two bytes marked DWORD", REG_DWORD, Bytes({1, 2}), std::nullopt, "Invalid data type for 'Value'"},
        {"four bytes of binary", REG_BINARY, Bytes({1, 0, 0, 0}), std::nullopt, "Invalid data type for 'Value'"},
        {"an empty binary", REG_BINARY, std::string(), std::nullopt, "Invalid data type for 'Value'"},
    };
    EXPECT_EQ(ReadStoredInteger(nullptr, "Value"), std::nullopt);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hive.Clear();
        hive.SetBinary(Sonvera, "Value", c.type, c.data);
        const UniqueRegistryKey key = OpenSettingsKey();
        ASSERT_TRUE(key);
        EXPECT_EQ(ReadStoredInteger(key.get(), "Other"), std::nullopt);
        if (c.error) {
            try {
                ReadStoredInteger(key.get(), "Value");
                ADD_FAILURE() << "no error";
            } catch (const std::runtime_error& error) {
                EXPECT_STREQ(error.what(), c.error);
            }
        } else {
            EXPECT_EQ(ReadStoredInteger(key.get(), "Value"), c.read);
        }
    }
}
