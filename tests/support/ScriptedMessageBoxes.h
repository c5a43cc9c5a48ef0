#pragma once

#include "win/MessageBoxes.h"

#include <functional>
#include <string>
#include <vector>

// Answers the program's message boxes while it lives, in place of a person,
// and keeps what each box said.
class ScriptedMessageBoxes final : public MessageBoxHost {
public:
    struct Box {
        HWND owner;
        std::string text;
        std::string caption;
        UINT type;
    };

    ScriptedMessageBoxes() : previous_(SetMessageBoxHost(this)) {}
    ~ScriptedMessageBoxes() override { SetMessageBoxHost(previous_); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) override
    {
        shown.push_back({owner, text, caption, type});
        if (onShow)
            onShow(shown.back());
        return answer;
    }

    std::vector<Box> shown;
    int answer = IDOK;
    // Runs while a box is open, as what a modal loop would dispatch.
    std::function<void(const Box&)> onShow;

private:
    MessageBoxHost* previous_;
};
