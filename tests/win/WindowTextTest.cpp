#include "support/Cp1251.h"
#include "win/WindowText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace {

TEST(WindowText, ReadsTheCaptionWholeOrUpToTheLimit)
{
    std::string longCaption;
    while (longCaption.size() < 5000)
        longCaption += Cp1251(L"Ёжик в тумане — «Щелкунчик», ");
    const std::string shortCaption = Cp1251(L"Чайф - Ой-йо");
    struct Case {
        const std::string& caption;
        std::optional<std::size_t> limit;
        std::string expected;
    };
    const Case cases[] = {
        {shortCaption, {}, shortCaption},
        {longCaption, {}, longCaption},
        {longCaption, 4095, longCaption.substr(0, 4095)},
        {shortCaption, 100, shortCaption},
        {shortCaption, 4, shortCaption.substr(0, 4)},
        {shortCaption, 0, ""},
    };
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    for (const Case& test : cases) {
        SetWindowTextA(window, test.caption.c_str());
        EXPECT_EQ(test.limit ? WindowText(window, *test.limit) : WindowText(window), test.expected)
            << test.caption.size() << " characters, limit " << test.limit.value_or(0);
    }
    DestroyWindow(window);
    EXPECT_EQ(WindowText(window), "") << "a window that is gone";
}

} // namespace
