#pragma once

#include "win/CodePage.h"
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
        // In the ANSI code page, as most boxes are checked...
        std::string text;
        std::string caption;
        UINT type;
        // ...and whole, for the boxes that name songs and files.
        std::wstring wideText;
    };

    ScriptedMessageBoxes() : previous_(SetMessageBoxHost(this)) {}
    ~ScriptedMessageBoxes() override { SetMessageBoxHost(previous_); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override
    {
        shown.push_back({owner, AnsiFromWide(text), AnsiFromWide(caption), type, text});
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
