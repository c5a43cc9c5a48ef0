#include "settings/SpinField.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

namespace {

class SpinFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
        field = std::make_unique<SpinField>(parent, 7, RECT{10, 10, 60, 32}, 1, 99, 2, [this] { ++changes; });
    }
    void TearDown() override
    {
        field.reset();
        DestroyWindow(parent);
    }
    std::string Text() const
    {
        char text[16] = {};
        GetWindowTextA(field->Edit(), text, sizeof text);
        return text;
    }
    void Type(const char* keys) const
    {
        for (; *keys; ++keys)
            SendMessageA(field->Edit(), WM_CHAR, static_cast<unsigned char>(*keys), 0);
    }
    void Key(WPARAM key) const { SendMessageA(field->Edit(), WM_KEYDOWN, key, 0); }

    HWND parent = nullptr;
    std::unique_ptr<SpinField> field;
    int changes = 0;
};

TEST_F(SpinFieldTest, SettingClampsAndRunsTheHandlerOnlyForAChange)
{
    field->SetValue(150);
    EXPECT_EQ(Text(), "99");
    field->SetValue(99);
    field->SetValue(-4);
    EXPECT_EQ(Text(), "1");
    EXPECT_EQ(changes, 2);
    field->SetRange(5, 50);
    EXPECT_EQ(field->Value(), 5);
}

TEST_F(SpinFieldTest, TypingTakesNumbersOnlyUpToItsLengthAndLeavingClampsWhatWasTyped)
{
    field->SetValue(1);
    changes = 0;
    SendMessageA(field->Edit(), EM_SETSEL, 0, -1);
    Type("a0x55");
    EXPECT_EQ(Text(), "05");
    EXPECT_GE(changes, 2); // Wine's edit reports a typed-over selection twice
    SendMessageA(field->Edit(), EM_SETSEL, 0, -1);
    Type("0");
    EXPECT_EQ(field->Value(), 1);
    SendMessageA(field->Window(), WM_COMMAND, MAKEWPARAM(0, EN_KILLFOCUS), reinterpret_cast<LPARAM>(field->Edit()));
    EXPECT_EQ(Text(), "1");
}

TEST_F(SpinFieldTest, TheArrowKeysAndButtonsStepByOneWithinTheRange)
{
    field->SetValue(98);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(Text(), "99");
    Key(VK_DOWN);
    EXPECT_EQ(Text(), "98");
    NMUPDOWN press{};
    press.hdr.hwndFrom = FindWindowExA(field->Window(), nullptr, "msctls_updown32", nullptr);
    press.hdr.code = UDN_DELTAPOS;
    press.iDelta = -1; // the upper button
    SendMessageA(field->Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&press));
    EXPECT_EQ(Text(), "99");
    press.iDelta = 1;
    SendMessageA(field->Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&press));
    EXPECT_EQ(Text(), "98");
}

} // namespace
