#include "settings/OptionsWindow.h"

#include "editing/TextEncoding.h"
#include "settings/ColourGrid.h"
#include "settings/MainWindowLook.h"
#include "settings/OptionRules.h"
#include "settings/OptionsIds.h"
#include "settings/Settings.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsTable.h"
#include "settings/SpinField.h"
#include "win/CodePage.h"
#include "win/DeviceContext.h"
#include "win/FontList.h"
#include "win/Fonts.h"
#include "win/LateBinding.h"
#include "win/StayOnTop.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"
#include "win/Tooltips.h"
#include "win/WindowClass.h"
#include "win/WindowDpi.h"
#include "win/WindowProcedure.h"
#include "win/WindowText.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <exception>
#include <set>
#include <string>
#include <stdexcept>
#include <utility>

namespace {

constexpr char ClassName[] = "TOptions";
constexpr SIZE OptionsClientSize{313, 166};
constexpr DWORD WindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr int FontListDropHeight = 200;
constexpr int HintWidth = 300;
// A label that fits its text exactly may lose the last character's overhang.
constexpr int LabelSlack = 2;
// Between a field and the words of the label it sits in.
constexpr int FieldGap = 3;
// The radio buttons within their frame: below its caption, and indented.
constexpr int RadioButtonHeight = 14;
constexpr int RadioFrameCaption = 12;
constexpr int RadioIndent = 8;
constexpr int RadioRightMargin = 4;

int TextWidth(HWND window, HFONT font, const std::string& text)
{
    const WindowDc context(window);
    const SelectedObject selected(context.get(), font);
    SIZE extent = {};
    GetTextExtentPoint32A(context.get(), text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

struct ControlClass {
    const char* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame: return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::TextField: return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton: return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox: return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::Label: return {"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::WrappingLabel: return {"STATIC", SS_OWNERDRAW, 0};
    case ControlKind::FontList: return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0};
    case ControlKind::ArrowBox: return {"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_SUNKEN | SS_NOPREFIX, 0};
    case ControlKind::SymbolBox: return {"STATIC", SS_CENTER | SS_CENTERIMAGE | WS_BORDER | SS_NOPREFIX, 0};
    case ControlKind::HorizontalLine: return {"STATIC", SS_ETCHEDHORZ, 0};
    case ControlKind::VerticalLine: return {"STATIC", SS_ETCHEDVERT, 0};
    default: return {nullptr, 0, 0};
    }
}

// Windows 10 lays a dialog's controls out and gives them fonts itself when
// the scale changes; the pages are laid out here, from their rows.
void KeepOwnLayout(HWND page)
{
    using SetDialogDpiChangeBehaviorFunction = BOOL WINAPI(HWND, int, int);
    constexpr int DisableAll = 1;
    static const auto setBehaviour =
        LateFunction<SetDialogDpiChangeBehaviorFunction>("user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehaviour)
        setBehaviour(page, DisableAll, DisableAll);
}

// An empty child dialog: the page of a tab, so that the dialog manager moves
// the focus through its controls and a themed tab shows through it.
HWND CreatePage(HWND parent, HINSTANCE instance, DLGPROC procedure, LPARAM parameter)
{
    struct alignas(4) PageTemplate {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } pageTemplate{};
    pageTemplate.header.style = WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS;
    return CreateDialogIndirectParamA(instance, &pageTemplate.header, parent, procedure, parameter);
}

// A wrapping label whose runs of spaces, meant to push what follows onto a line
// of its own whatever the font's widths, start a new line instead.
void DrawWrappingLabel(const DRAWITEMSTRUCT& item)
{
    std::string text = WindowText(item.hwndItem);
    for (std::size_t run = text.find("  "); run != std::string::npos; run = text.find("  ", run)) {
        const std::size_t end = text.find_first_not_of(' ', run);
        text.replace(run, (end == std::string::npos ? text.size() : end) - run, "\r\n");
    }
    RECT bounds = item.rcItem;
    FillRect(item.hDC, &bounds, reinterpret_cast<HBRUSH>(
                                     SendMessageA(GetParent(item.hwndItem), WM_CTLCOLORSTATIC,
                                                  reinterpret_cast<WPARAM>(item.hDC),
                                                  reinterpret_cast<LPARAM>(item.hwndItem))));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    const SelectedObject font(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &bounds, DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace

TOptions::TOptions(HINSTANCE instance, HWND owner, Settings& settings, MainWindowLook& mainWindow)
    : instance_(instance), settings_(settings), mainWindow_(mainWindow)
{
    WNDCLASSEXA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure<TOptions>;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterWindowClass(windowClass);
    CreateWindowExA(WindowExStyle, ClassName, LoadResourceString(instance_, IDS_OptionsCaption).c_str(), WindowStyle,
                    0, 0, 0, 0, owner, nullptr, instance_, this);
    if (!window_)
        throw std::runtime_error("Cannot create the options window");
    // Made at the scale of the screen it is centred on.
    scale_ = MonitorScale(window_);
    KeepWindowScale(window_, scale_);
    font_ = MakeFormFont(scale_);
    const SIZE frame = FrameSizeAround({scale_.Pixels(OptionsClientSize.cx), scale_.Pixels(OptionsClientSize.cy)},
                                       WindowStyle, WindowExStyle, scale_);
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - frame.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - frame.cy) / 2, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    try {
        CreatePages();
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
    // The widest text width the screen allows, in design units as the width is stored.
    const int screenWidth = ScreenWidthInDesignUnits();
    Spin(MaxMemoWidthId).SetRange(0, screenWidth);
    Spin(MaxMemoWidthId).SetMaxLength(static_cast<int>(std::to_string(screenWidth).size()));
    ShowSettings();
    SetStayOnTop(window_, settings_.stayOnTop);
    showing_ = false;
}

TOptions::~TOptions()
{
    spins_.clear();
    anTColor_.reset();
    if (window_)
        DestroyWindow(window_);
}

void TOptions::CreatePages()
{
    hints_ = CreateTooltip(window_);
    SendMessageA(hints_, TTM_SETMAXTIPWIDTH, 0, scale_.Pixels(HintWidth));

    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 0, 0,
                            window_, nullptr, instance_, nullptr);
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const auto pages = OptionPages();
    for (std::size_t index = 0; index < pages.size(); ++index) {
        std::string caption = LoadResourceString(instance_, pages[index].caption);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }
    for (std::size_t index = 0; index < pages.size(); ++index) {
        HWND page = CreatePage(window_, instance_, PageProcedure, reinterpret_cast<LPARAM>(this));
        if (!page)
            throw std::runtime_error("Cannot create a page of the options window");
        KeepOwnLayout(page);
        EnableThemeDialogTexture(page, ETDT_ENABLETAB);
        SendMessageA(page, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        pages_.push_back(page);
    }
    PlacePages();
    for (std::size_t index = 0; index < pages.size(); ++index) {
        // Whatever follows the radio group starts a group of its own, so that
        // the arrow keys leave the radio buttons to themselves.
        bool startsGroup = false;
        for (const OptionControl& row : pages[index].controls) {
            CreateControl(pages_[index], row, startsGroup);
            startsGroup = row.kind == ControlKind::RadioGroup;
        }
    }
    SelectTab(0);
}

void TOptions::PlacePages()
{
    RECT display{};
    GetClientRect(window_, &display);
    MoveWindow(tabs_, 0, 0, display.right, display.bottom, TRUE);
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    pageSize_ = {display.right - display.left, display.bottom - display.top};
    for (HWND page : pages_)
        SetWindowPos(page, HWND_TOP, display.left, display.top, pageSize_.cx, pageSize_.cy, SWP_NOACTIVATE);
}

RECT TOptions::ControlBounds(const OptionControl& row, const std::string& caption) const
{
    // A row with a negative top hangs from the page's bottom edge.
    const int edge = row.top < 0 ? pageSize_.cy : 0;
    RECT bounds{scale_.Pixels(row.left), edge + scale_.Pixels(row.top), scale_.Pixels(row.left + row.width),
                edge + scale_.Pixels(row.top + row.height)};
    if (row.width == 0)
        bounds.right = row.kind == ControlKind::WrappingLabel
                           ? pageSize_.cx
                           : bounds.left + TextWidth(window_, static_cast<HFONT>(font_.get()), caption) +
                                 scale_.Pixels(LabelSlack);
    if (row.kind == ControlKind::FontList)
        bounds.bottom = bounds.top + scale_.Pixels(FontListDropHeight);
    return bounds;
}

std::string TOptions::ShownCaption(const OptionControl& row, const std::string& caption, HWND before) const
{
    // Only a label's run of spaces, where the field made before it sits.
    const std::size_t run = row.kind == ControlKind::Label ? caption.find("  ") : std::string::npos;
    const std::size_t words = run == std::string::npos ? run : caption.find_first_not_of(' ', run);
    if (!before || words == std::string::npos)
        return caption;
    RECT field{};
    GetWindowRect(before, &field);
    MapWindowPoints(nullptr, GetParent(before), reinterpret_cast<POINT*>(&field), 2);
    const int left = scale_.Pixels(row.left);
    if (field.left < left)
        return caption;
    // Spaces are narrower at some scales than the field is wide: the run takes
    // as many as the words after it need to clear the field.
    std::string shown = caption.substr(0, run + 1);
    const auto font = static_cast<HFONT>(font_.get());
    while (left + TextWidth(window_, font, shown) < field.right + scale_.Pixels(FieldGap) && shown.size() < 200)
        shown += ' ';
    return shown + caption.substr(words);
}

RECT TOptions::RadioBounds(const OptionControl& group, int button) const
{
    const int gap = (group.height - RadioFrameCaption - 2 * RadioButtonHeight) / 3;
    const int top = group.top + RadioFrameCaption + gap + button * (RadioButtonHeight + gap);
    return ScaledRect({group.left + RadioIndent, top, group.left + group.width - RadioRightMargin,
                       top + RadioButtonHeight},
                      scale_);
}

void TOptions::CreateControl(HWND page, const OptionControl& row, bool startsGroup)
{
    const std::string resourceCaption = row.caption ? LoadResourceString(instance_, row.caption) : std::string();
    const HWND before = placed_.empty() || GetParent(placed_.back().window) != page ? nullptr : placed_.back().window;
    const std::string caption = ShownCaption(row, resourceCaption, before);
    const RECT bounds = ControlBounds(row, caption);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    HWND control = nullptr;
    if (row.kind == ControlKind::SpinField) {
        auto spin = std::make_unique<SpinField>(page, row.id, bounds, row.minimum, row.maximum, row.maxLength,
                                                [this, id = row.id] { ControlChanged(id); });
        control = spin->Window();
        AddHint(spin->Edit(), row.hint);
        spins_[row.id] = std::move(spin);
    } else if (row.kind == ControlKind::ColourGrid) {
        anTColor_ = std::make_unique<ColourGrid>(page, row.id, bounds);
        anTColor_->onChange = [this] { ControlChanged(AnTColorId); };
        control = anTColor_->Window();
    } else if (row.kind == ControlKind::RadioGroup) {
        control = CreateWindowExA(0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, bounds.left,
                                  bounds.top, width, height, page,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        for (int button = 0; button < 2; ++button) {
            const DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (button == 0 ? WS_GROUP | WS_TABSTOP : 0);
            const int id = button == 0 ? AmpVerFirstButtonId : AmpVerSecondButtonId;
            const RECT place = RadioBounds(row, button);
            HWND radio = CreateWindowExA(
                0, "BUTTON", LoadResourceString(instance_, row.caption + 1 + static_cast<UINT>(button)).c_str(), style,
                place.left, place.top, place.right - place.left, place.bottom - place.top, page,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
            SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
            controls_[id] = radio;
        }
    } else {
        const ControlClass controlClass = ClassOf(row.kind);
        // A label lies under the fields that sit in it and must not paint over them.
        const DWORD clipping = row.kind == ControlKind::Label ? WS_CLIPSIBLINGS : 0;
        const DWORD style = WS_CHILD | WS_VISIBLE | clipping | controlClass.style | (startsGroup ? WS_GROUP : 0);
        const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id));
        // The texts folder's field is a Unicode window: a path holds any character.
        control = row.kind == ControlKind::TextField
                      ? CreateWindowExW(controlClass.exStyle, L"EDIT", L"", style, bounds.left, bounds.top, width,
                                        height, page, menu, instance_, nullptr)
                      : CreateWindowExA(controlClass.exStyle, controlClass.name, caption.c_str(), style, bounds.left,
                                        bounds.top, width, height, page, menu, instance_, nullptr);
        if (!control)
            throw std::runtime_error("Cannot create a control of the options window");
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (row.kind == ControlKind::ArrowBox)
            SetWindowSubclass(control, ArrowBoxProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
        // An etched line may grow by its edges as it is made (Wine's do): its row says its size.
        if (row.kind == ControlKind::HorizontalLine || row.kind == ControlKind::VerticalLine)
            MoveWindow(control, bounds.left, bounds.top, width, height, FALSE);
        AddHint(control, row.hint);
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    placed_.push_back({&row, control, resourceCaption});
    if (row.id != NoOptionId)
        controls_[row.id] = control;
}

void TOptions::OnDpiChanged(int dpi, const RECT& suggested)
{
    scale_ = DisplayScale(dpi);
    KeepWindowScale(window_, scale_);
    // The old font goes once no control uses it.
    const UniqueGdiObject oldFont = std::exchange(font_, MakeFormFont(scale_));
    const auto font = reinterpret_cast<WPARAM>(font_.get());
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(tabs_, WM_SETFONT, font, TRUE);
    PlacePages();
    HWND before = nullptr;
    for (const PlacedControl& placed : placed_) {
        SendMessageA(placed.window, WM_SETFONT, font, TRUE);
        const bool samePage = before && GetParent(before) == GetParent(placed.window);
        const std::string caption = ShownCaption(*placed.row, placed.caption, samePage ? before : nullptr);
        if (placed.row->kind == ControlKind::Label && caption != WindowText(placed.window))
            SetWindowTextA(placed.window, caption.c_str());
        before = placed.window;
        const RECT bounds = ControlBounds(*placed.row, caption);
        MoveWindow(placed.window, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                   TRUE);
        if (placed.row->kind != ControlKind::RadioGroup)
            continue;
        for (int button = 0; button < 2; ++button) {
            HWND radio = Control(button == 0 ? AmpVerFirstButtonId : AmpVerSecondButtonId);
            const RECT place = RadioBounds(*placed.row, button);
            SendMessageA(radio, WM_SETFONT, font, TRUE);
            MoveWindow(radio, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
        }
    }
    SendMessageA(hints_, TTM_SETMAXTIPWIDTH, 0, scale_.Pixels(HintWidth));
}

void TOptions::AddHint(HWND control, UINT hint)
{
    if (hint && control)
        AddTool(hints_, GetParent(control), control, LoadResourceString(instance_, hint));
}

LRESULT TOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);
        return 0;
    case DpiChangedMessage:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_NOTIFY:
        if (const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE)
            SelectTab(SelectedTab());
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

INT_PTR CALLBACK TOptions::PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(page, DWLP_USER, lParam);
        return FALSE;
    }
    if (message == WM_DRAWITEM) {
        DrawWrappingLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    auto* self = reinterpret_cast<TOptions*>(GetWindowLongPtrA(page, DWLP_USER));
    if (!self || message != WM_COMMAND)
        return FALSE;
    try {
        self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    } catch (const std::exception& error) {
        ReportError(self->window_, error);
    }
    return TRUE;
}

LRESULT CALLBACK TOptions::ArrowBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR owner) noexcept
{
    // Any mouse button steps, the box saying which way.
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
        break;
    default:
        return DefSubclassProc(box, message, wParam, lParam);
    }
    auto* self = reinterpret_cast<TOptions*>(owner);
    try {
        self->StepSpecialSymbol(GetDlgCtrlID(box) != SpecialLeftId);
    } catch (const std::exception& error) {
        ReportError(self->window_, error);
    }
    return 0;
}

void TOptions::OnCommand(UINT id, UINT code, HWND)
{
    if (id == FontBoxId) {
        if (code == CBN_DROPDOWN && !fontListFilled_)
            FillFontList();
        if (code == CBN_SELCHANGE)
            ControlChanged(FontBoxId);
        return;
    }
    if (id == TextsPathId) {
        if (code == EN_CHANGE)
            ControlChanged(TextsPathId);
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == BrowsePathId)
        BrowsePathClick();
    else if (id == AmpVerFirstButtonId || id == AmpVerSecondButtonId)
        ControlChanged(AmpVerId);
    else
        ControlChanged(static_cast<OptionId>(id));
}

void TOptions::ControlChanged(OptionId id)
{
    if (showing_)
        return;
    const StoredSetting* stored = StoredSettingOf(id);
    bool changed = false;
    const auto setNumber = [&](int number) {
        const std::optional<int> before = stored->number(settings_);
        stored->setNumber(settings_, number);
        changed = stored->number(settings_) != before;
    };
    const auto setText = [&](const std::wstring& text) {
        changed = stored->text(settings_) != text;
        stored->setText(settings_, text);
    };
    const auto checked = [this](OptionId box) { return SendMessageA(Control(box), BM_GETCHECK, 0, 0) == BST_CHECKED; };
    if (id == StayOnTopId) {
        changed = settings_.stayOnTop != checked(id);
        settings_.stayOnTop = checked(id);
    } else if (!stored) {
        return;
    } else if (id == TextsPathId) {
        setText(UnicodeWindowText(Control(id)));
    } else if (id == FontBoxId) {
        setText(WideFromCp1251(SelectedFont()));
    } else if (id == AmpVerId) {
        setNumber(checked(AmpVerFirstButtonId) ? 0 : checked(AmpVerSecondButtonId) ? 1 : -1);
    } else if (id == AnTColorId) {
        setNumber(EncodeColourPair({anTColor_->ForegroundIndex(), anTColor_->BackgroundIndex()}));
    } else if (spins_.contains(id)) {
        setNumber(Spin(id).Value());
    } else {
        setNumber(checked(id) ? 1 : 0);
    }
    if (!changed)
        return;
    ApplySettingChange(settings_, id, &mainWindow_);
    if (id == StayOnTopId)
        SetStayOnTop(window_, settings_.stayOnTop);
    // A rule may have changed other options, or which of them take input.
    for (const OptionPage& page : OptionPages())
        for (const OptionControl& row : page.controls)
            if (row.id != id)
                ShowControl(row);
    if (id == OpenByShellId)
        TakeFocusIfShown();
}

void TOptions::ShowSettings()
{
    for (const OptionPage& page : OptionPages())
        for (const OptionControl& row : page.controls)
            ShowControl(row);
}

void TOptions::ShowControl(const OptionControl& row)
{
    if (row.id == NoOptionId)
        return;
    const bool wasShowing = showing_;
    showing_ = true;
    HWND control = Control(row.id);
    const StoredSetting* stored = StoredSettingOf(row.id);
    const auto check = [](HWND box, bool on) { SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); };
    switch (row.kind) {
    case ControlKind::CheckBox:
        check(control, row.id == StayOnTopId ? settings_.stayOnTop : stored->number(settings_).value_or(0) != 0);
        break;
    case ControlKind::SpinField:
        // The label's size field shows the size the label has, forced in external-editor mode.
        Spin(row.id).SetValue(row.id == AnTFontSizeId ? settings_.AnTFontSize() : stored->number(settings_).value_or(0));
        break;
    case ControlKind::TextField:
        if (UnicodeWindowText(control) != settings_.textsPath)
            SetWindowTextW(control, settings_.textsPath.c_str());
        break;
    case ControlKind::RadioGroup:
        check(Control(AmpVerFirstButtonId), settings_.ampVer == PlayerGeneration::Winamp2);
        check(Control(AmpVerSecondButtonId), settings_.ampVer == PlayerGeneration::Winamp3);
        break;
    case ControlKind::SymbolBox:
        SetWindowTextA(control, settings_.SpecialSym().c_str());
        break;
    case ControlKind::ColourGrid:
        anTColor_->SetForegroundIndex(settings_.anTColor.foreground);
        anTColor_->SetBackgroundIndex(settings_.anTColor.background);
        break;
    case ControlKind::FontList:
        if (SelectedFont() != settings_.fontBox) {
            // Until the list is first dropped down it holds the chosen entry only.
            if (!fontListFilled_) {
                SendMessageA(control, CB_RESETCONTENT, 0, 0);
                if (!settings_.fontBox.empty())
                    SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(settings_.fontBox.c_str()));
            }
            const LRESULT index = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(settings_.fontBox.c_str()));
            SendMessageA(control, CB_SETCURSEL, settings_.fontBox.empty() ? static_cast<WPARAM>(-1) : index, 0);
        }
        break;
    default:
        break;
    }
    EnableWindow(control, settings_.IsEnabled(row.id));
    showing_ = wasShowing;
}

void TOptions::BrowsePathClick()
{
    // While the browser is open, neither of the program's windows takes input.
    HWND owner = GetWindow(window_, GW_OWNER);
    const bool ownerWasEnabled = EnableWindow(owner, FALSE) == FALSE;
    const std::optional<std::wstring> folder =
        browseForFolder ? browseForFolder(window_, WideFromAnsi(LoadResourceString(instance_, IDS_BrowseTitle)))
                        : std::nullopt;
    EnableWindow(owner, ownerWasEnabled);
    if (!folder)
        return;
    // The field's change takes the folder into the value.
    SetWindowTextW(Control(TextsPathId), (folder->ends_with(L'\\') ? *folder : *folder + L'\\').c_str());
}

void TOptions::StepSpecialSymbol(bool forward)
{
    const int position = settings_.specialSymPosition;
    settings_.specialSymPosition = forward ? StepSpecialSymbolForward(position) : StepSpecialSymbolBack(position);
    SetWindowTextA(Control(SpecialSymId), settings_.SpecialSym().c_str());
}

void TOptions::TakeFocusIfShown() const
{
    // Changing the main window's frame may have taken the focus from here.
    if (!IsWindowVisible(window_))
        return;
    SetForegroundWindow(window_);
    SetFocus(Control(OpenByShellId));
}

void TOptions::ShowOnFirstTab()
{
    if (!fontListFilled_)
        FillFontList();
    ShowSettings();
    SelectTab(0);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

bool TOptions::TakeDialogMessage(MSG& message)
{
    if (!window_ || !IsWindowVisible(window_) || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        const int count = static_cast<int>(pages_.size());
        const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
        SelectTab((SelectedTab() + step) % count);
        SetFocus(tabs_);
        return true;
    }
    return IsDialogMessageW(window_, &message) != 0;
}

HWND TOptions::Control(OptionId id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

SpinField& TOptions::Spin(OptionId id) const
{
    return *spins_.at(id);
}

int TOptions::SelectedTab() const
{
    return static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
}

void TOptions::SelectTab(int index)
{
    SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (std::size_t page = 0; page < pages_.size(); ++page)
        ShowWindow(pages_[page], static_cast<int>(page) == index ? SW_SHOW : SW_HIDE);
}

void TOptions::FillFontList()
{
    HWND list = Control(FontBoxId);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    std::set<std::string> names = ScreenFontNames();
    names.insert(DefaultFontName);
    for (const std::string& name : names)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    fontListFilled_ = true;
    if (!settings_.fontBox.empty())
        SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(settings_.fontBox.c_str()));
}

std::string TOptions::SelectedFont() const
{
    HWND list = Control(FontBoxId);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return {};
    std::string name(static_cast<std::size_t>(SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)) + 1,
                     '\0');
    const LRESULT length = SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name.data()));
    name.resize(length == CB_ERR ? 0 : static_cast<std::size_t>(length));
    return name;
}
