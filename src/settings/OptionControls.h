#pragma once

#include "settings/OptionNames.h"

#include <windows.h>

#include <span>

// The controls of the options window, tab by tab, as data: the window makes
// each from its row, and shows the settings value in them.

enum class ControlKind {
    Frame,
    TextField,
    PushButton,
    CheckBox,
    // A width of 0 fits the text; a wrapping label of width 0 spans the page.
    Label,
    WrappingLabel,
    SpinField,
    // A frame with two radio buttons: the caption, then the buttons' captions
    // under the next two string identifiers.
    RadioGroup,
    ColourGrid,
    FontList,
    ArrowBox,
    SymbolBox,
    HorizontalLine,
    VerticalLine,
};

struct OptionControl {
    OptionId id;
    ControlKind kind;
    // Within the page; a negative top counts from the page's bottom edge.
    int left, top, width, height;
    UINT caption;
    UINT hint;
    int minimum;
    int maximum;
    int maxLength;
};

struct OptionPage {
    UINT caption;
    std::span<const OptionControl> controls;
};

// "Работа", "Вид", "Редактор", "Файлы".
std::span<const OptionPage> OptionPages();
