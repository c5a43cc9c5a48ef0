#pragma once

#include "settings/MainWindowLook.h"

#include <map>
#include <string>
#include <vector>

// A main window without a window: parts, sizes and what it was told, with
// the designed extents (toolbar 29, status line 19, label 20, player panel
// and splitter 78) and a frame of 8 × 27 pixels around the client area (a
// tool window's frame: 6 × 19).
class FakeMainWindowLook : public MainWindowLook {
public:
    std::map<Part, bool> shown{{Part::ToolBar, true}, {Part::StatusLine, true}, {Part::Label, true},
                               {Part::PlayerPanel, true}};
    ClientSize window{300, 400};
    DisplayScale scale;
    bool toolFrame = false;
    bool textView = true;
    bool textCommands = true;
    bool playlistCommands = true;
    bool wordWrap = true;
    bool onTop = false;
    bool timer = false;
    bool hints = true;
    int memoPoints = 12;
    std::string memoFace = "Courier New";
    int labelPoints = 10;
    TableColour labelText{}, labelPanel{};
    // Every call that changes something, by name, in order.
    std::vector<std::string> calls;

    void ShowPart(Part part, bool on) override { shown[part] = on; calls.push_back("ShowPart"); }
    bool IsPartShown(Part part) const override { return shown.at(part); }
    int PartExtent(Part part) const override
    {
        switch (part) {
        case Part::ToolBar: return 29;
        case Part::StatusLine: return 19;
        case Part::Label: return labelPoints > 10 ? 20 + (labelPoints - 10) * 2 : 20;
        case Part::PlayerPanel: return 78;
        }
        return 0;
    }
    EditorModeLayout EditorModeMetrics() const override
    {
        return {9, 20, 1, 29, shown.at(Part::PlayerPanel), 73, 5, shown.at(Part::StatusLine), 19,
                shown.at(Part::Label), PartExtent(Part::Label)};
    }
    DisplayScale Scale() const override { return scale; }
    ClientSize WindowSize() const override { return window; }
    ClientSize ClientArea() const override
    {
        return toolFrame ? ClientSize{window.width - 6, window.height - 19} : ClientSize{window.width - 8, window.height - 27};
    }
    void SetWindowSize(ClientSize size) override { window = size; calls.push_back("SetWindowSize"); }
    void SetStayOnTop(bool on) override { onTop = on; }
    void ShowTextView(bool on) override { textView = on; }
    void SetToolWindowFrame(bool tool) override { toolFrame = tool; }
    void EnableTextCommands(bool enabled) override { textCommands = enabled; }
    void EnablePlaylistCommands(bool enabled) override { playlistCommands = enabled; }
    void SetMemoFontFace(const std::string& face) override
    {
        if (!face.empty())
            memoFace = face;
    }
    void SetMemoFontSize(int points) override { memoPoints = points; }
    void SetMemoWordWrap(bool wrap) override { wordWrap = wrap; }
    void SetLabelFontSize(int points) override { labelPoints = points; calls.push_back("SetLabelFontSize"); }
    void SetLabelColours(TableColour text, TableColour panel) override { labelText = text; labelPanel = panel; }
    void SetTimer1Running(bool running) override { timer = running; calls.push_back("SetTimer1Running"); }
    bool Timer1Enabled() const override { return timer; }
    void SetShowHint(bool on) override { hints = on; }
    bool ShowHint() const override { return hints; }
};
