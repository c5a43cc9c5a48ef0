#include "editing/WidthArithmetic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(FittedClientWidth, AddsTheAllowanceOnlyInsideTheBounds)
{
    // Allowance: outer window width 400 less text area client width 370.
    const struct {
        const char* name;
        int widest;
        WidthLimits limits;
        int allowance;
        int fitted;
    } cases[] = {
        {"inside", 350, {100, 600}, 400 - 370, 396},
        {"above the upper bound", 700, {100, 600}, 30, 616},
        {"just inside the upper bound", 600, {100, 600}, 30, 646},
        {"empty text, below the lower bound", 0, {100, 600}, 30, 116},
        {"just inside the lower bound", 100, {100, 600}, 30, 146},
        {"crossed bounds, wide text", 400, {500, 300}, 30, 316},
        {"crossed bounds, narrow text", 200, {500, 300}, 30, 516},
        {"crossed bounds, between them", 350, {500, 300}, 30, 316},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FittedClientWidth(c.widest, c.limits, c.allowance, 16), c.fitted);
    }
}

namespace {

// A window that grants no width below its smallest one and records each width
// asked for.
class FakeWindow final : public AdjustableWidth {
public:
    explicit FakeWindow(int smallest) : smallest_(smallest) {}
    int Width() const override { return width_; }
    void SetWidth(int width) override
    {
        requests.push_back(width);
        width_ = std::max(width, smallest_);
    }
    std::vector<int> requests;

private:
    int smallest_;
    int width_ = 0;
};

} // namespace

TEST(SetWidthWithinLimits, ComparesTheWidthsReadBack)
{
    const struct {
        const char* name;
        int smallest;
        int wanted;
        WidthLimits limits;
        std::vector<int> requests;
        int width;
    } cases[] = {
        {"inside", 0, 250, {100, 600}, {250}, 250},
        {"above", 0, 700, {100, 600}, {700, 600}, 600},
        {"below", 0, 50, {100, 600}, {50, 100}, 100},
        {"crossed bounds end at the lower", 0, 400, {500, 300}, {400, 300, 500}, 500},
        {"crossed bounds, narrow", 0, 200, {500, 300}, {200, 500}, 500},
        // The window system keeps the window wider than asked: the read-back,
        // not the value set, decides.
        {"granted width passes the upper bound", 650, 200, {100, 600}, {200, 600}, 650},
        {"granted width meets the lower bound", 120, 50, {100, 600}, {50}, 120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window(c.smallest);
        SetWidthWithinLimits(window, c.wanted, c.limits);
        EXPECT_EQ(window.requests, c.requests);
        EXPECT_EQ(window.Width(), c.width);
    }
}
