#include "settings/ModeSwitchRules.h"

ClientSize EditorModeClientSize(const EditorModeLayout& layout)
{
    ClientSize size{(layout.toolBarControls - 2) * layout.toolBarButtonWidth + 2 * layout.toolBarBorderWidth,
                    layout.toolBarHeight + (layout.statusLineShown ? layout.statusLineHeight : layout.bottomEdge)};
    if (layout.playerPanelShown)
        size.width += layout.playerPanelWidth + layout.splitterWidth;
    if (layout.labelShown)
        size.height += layout.labelHeight;
    return size;
}
