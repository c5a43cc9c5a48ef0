#pragma once

// The main window's client size in external-editor mode, where it holds only
// the toolbar, the artist-and-title label and the status line.
struct EditorModeLayout {
    int toolBarControls;  // buttons, splitter and player panel together
    int toolBarButtonWidth;
    int toolBarBorderWidth;
    int toolBarHeight;
    bool playerPanelShown;
    int playerPanelWidth;
    int splitterWidth;
    bool statusLineShown;
    int statusLineHeight;
    bool labelShown;
    int labelHeight;
    // What shows of the toolbar's lower edge where no status line follows it.
    int bottomEdge = 2;
};

struct ClientSize {
    int width;
    int height;
    bool operator==(const ClientSize&) const = default;
};

// The toolbar's buttons side by side (the splitter and the player panel not
// counted as buttons), the player panel and its splitter when shown; the
// toolbar's height with the status line, or its lower edge without it,
// and the label when shown.
ClientSize EditorModeClientSize(const EditorModeLayout& layout);
