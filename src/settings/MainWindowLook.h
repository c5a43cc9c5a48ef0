#pragma once

#include "settings/ModeSwitchRules.h"
#include "settings/OptionRules.h"
#include "win/DisplayScale.h"

#include <string>

// What the options change on the main window, and all they may change there:
// which of its bars show, its fonts and colours, its size, and the frame and
// menu that the external-editor mode takes away. The main window implements
// it; the rules that drive it need no window.
class MainWindowLook {
public:
    enum class Part { ToolBar, StatusLine, Label, PlayerPanel };

    // Shows or hides a part and lays the window out again; the window keeps
    // its size, which the rules adjust themselves.
    virtual void ShowPart(Part part, bool shown) = 0;
    virtual bool IsPartShown(Part part) const = 0;
    // The height of the toolbar, the status line or the label's panel; the
    // width of the player panel with the splitter before it.
    virtual int PartExtent(Part part) const = 0;
    // What the client size in external-editor mode is made of, as it stands.
    virtual EditorModeLayout EditorModeMetrics() const = 0;

    // The scale the window is drawn at; the sizes here are its pixels, the
    // sizes stored in the settings design units.
    virtual DisplayScale Scale() const = 0;
    // The window's outer size, and its client area's.
    virtual ClientSize WindowSize() const = 0;
    virtual ClientSize ClientArea() const = 0;
    virtual void SetWindowSize(ClientSize size) = 0;
    virtual void SetStayOnTop(bool onTop) = 0;

    // The text area and the menu bar, which external-editor mode takes away.
    virtual void ShowTextView(bool shown) = 0;
    // A small caption with only the close box and no sizing border.
    virtual void SetToolWindowFrame(bool tool) = 0;
    // Saving, trimming and normalising the shown text.
    virtual void EnableTextCommands(bool enabled) = 0;
    // The player's Add and Jump, on the toolbar and in the menu.
    virtual void EnablePlaylistCommands(bool enabled) = 0;

    virtual void SetMemoFontFace(const std::string& face) = 0;
    virtual void SetMemoFontSize(int points) = 0;
    // Without word wrap the text area gets a horizontal scroll bar too.
    virtual void SetMemoWordWrap(bool wrap) = 0;
    // Refits the label to its panel and runs the window's resize handler.
    virtual void SetLabelFontSize(int points) = 0;
    virtual void SetLabelColours(TableColour text, TableColour panel) = 0;

    // Starts the timer with the period the settings give, or stops it.
    virtual void SetTimer1Running(bool running) = 0;
    virtual bool Timer1Enabled() const = 0;
    virtual void SetShowHint(bool shown) = 0;
    virtual bool ShowHint() const = 0;

protected:
    ~MainWindowLook() = default;
};
