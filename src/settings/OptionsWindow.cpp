#include "settings/OptionsWindow.h"

#include "settings/ColourGrid.h"
#include "settings/MainWindowLook.h"
#include "settings/OptionRules.h"
#include "settings/OptionsIds.h"
#include "settings/SpinField.h"
#include "win/Fonts.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"
#include "win/WindowProcedure.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <exception>
#include <set>
#include <stdexcept>

namespace {

constexpr char ClassName[] = "TOptions";
constexpr SIZE OptionsClientSize{313, 166};
constexpr DWORD WindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr int FontListDropHeight = 200;
constexpr int HintWidth = 300;
constexpr char DefaultFontEntry[] = "Default";
// A label that fits its text exactly may lose the last character's overhang.
constexpr int LabelSlack = 2;

std::string TextOf(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(std::max(GetWindowTextA(window, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

int TextWidth(HWND window, HFONT font, const std::string& text)
{
    HDC context = GetDC(window);
    HGDIOBJ old = SelectObject(context, font);
    SIZE extent = {};
    GetTextExtentPoint32A(context, text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(context, old);
    ReleaseDC(window, context);
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
    std::string text = TextOf(item.hwndItem);
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
    HGDIOBJ old = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &bounds, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(item.hDC, old);
}

} // namespace

TOptions::TOptions(HINSTANCE instance, MainWindowLook& mainWindow, const std::function<void(TOptions&)>& formCreate)
    : instance_(instance), mainWindow_(mainWindow)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExA(instance_, ClassName, &windowClass)) {
        windowClass.lpfnWndProc = WindowProcedure<TOptions>;
        windowClass.hInstance = instance_;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = ClassName;
        RegisterClassExA(&windowClass);
    }
    font_ = MakeFormFont();
    RECT frame{0, 0, OptionsClientSize.cx, OptionsClientSize.cy};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, WindowExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    CreateWindowExA(WindowExStyle, ClassName, LoadResourceString(instance_, IDS_OptionsCaption).c_str(), WindowStyle,
                    (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                    width, height, mainWindow_.Window(), nullptr, instance_, this);
    if (!window_)
        throw std::runtime_error("Cannot create the options window");
    try {
        CreatePages();
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
    if (formCreate)
        formCreate(*this);
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
    hints_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_,
                             nullptr);
    SendMessageA(hints_, TTM_SETMAXTIPWIDTH, 0, HintWidth);

    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                            OptionsClientSize.cx, OptionsClientSize.cy, window_, nullptr, instance_, nullptr);
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const auto pages = OptionPages();
    for (std::size_t index = 0; index < pages.size(); ++index) {
        std::string caption = LoadResourceString(instance_, pages[index].caption);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }
    RECT display{0, 0, OptionsClientSize.cx, OptionsClientSize.cy};
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const SIZE pageSize{display.right - display.left, display.bottom - display.top};

    for (const OptionPage& pageRows : pages) {
        HWND page = CreatePage(window_, instance_, PageProcedure, reinterpret_cast<LPARAM>(this));
        if (!page)
            throw std::runtime_error("Cannot create a page of the options window");
        SetWindowPos(page, HWND_TOP, display.left, display.top, pageSize.cx, pageSize.cy, SWP_NOACTIVATE);
        EnableThemeDialogTexture(page, ETDT_ENABLETAB);
        SendMessageA(page, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        pages_.push_back(page);
        // Whatever follows the radio group starts a group of its own, so that
        // the arrow keys leave the radio buttons to themselves.
        bool startsGroup = false;
        for (const OptionControl& row : pageRows.controls) {
            CreateControl(page, row, pageSize, startsGroup);
            startsGroup = row.kind == ControlKind::RadioGroup;
        }
    }
    SelectTab(0);
    creating_ = false;
}

void TOptions::CreateControl(HWND page, const OptionControl& row, SIZE pageSize, bool startsGroup)
{
    const int top = row.top < 0 ? pageSize.cy + row.top : row.top;
    const RECT bounds{row.left, top, row.left + row.width, top + row.height};
    HWND control = nullptr;
    if (row.kind == ControlKind::SpinField) {
        auto spin = std::make_unique<SpinField>(page, row.id, bounds, row.minimum, row.maximum, row.maxLength,
                                                [this, id = row.id] { SpinChanged(id); });
        spin->SetValue(row.initial);
        control = spin->Window();
        AddHint(spin->Edit(), row.hint);
        spins_[row.id] = std::move(spin);
    } else if (row.kind == ControlKind::ColourGrid) {
        anTColor_ = std::make_unique<ColourGrid>(page, row.id, bounds);
        anTColor_->SetForegroundIndex(row.initial);
        anTColor_->SetBackgroundIndex(row.initial);
        anTColor_->onChange = [this] { AnTColorChange(anTColor_->Window()); };
        control = anTColor_->Window();
    } else if (row.kind == ControlKind::RadioGroup) {
        control = CreateWindowExA(0, "BUTTON", LoadResourceString(instance_, row.caption).c_str(),
                                  WS_CHILD | WS_VISIBLE | BS_GROUPBOX, row.left, top, row.width, row.height, page,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        constexpr int ButtonHeight = 14;
        const int gap = (row.height - 12 - 2 * ButtonHeight) / 3;
        for (int button = 0; button < 2; ++button) {
            const DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (button == 0 ? WS_GROUP | WS_TABSTOP : 0);
            const int id = button == 0 ? AmpVerFirstButtonId : AmpVerSecondButtonId;
            HWND radio = CreateWindowExA(
                0, "BUTTON", LoadResourceString(instance_, row.caption + 1 + static_cast<UINT>(button)).c_str(), style,
                row.left + 8, top + 12 + gap + button * (ButtonHeight + gap), row.width - 12, ButtonHeight, page,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
            SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
            SendMessageA(radio, BM_SETCHECK, button == row.initial ? BST_CHECKED : BST_UNCHECKED, 0);
            controls_[id] = radio;
        }
        ampVerIndex_ = row.initial;
    } else {
        const ControlClass controlClass = ClassOf(row.kind);
        const std::string caption = row.caption ? LoadResourceString(instance_, row.caption) : std::string();
        int width = row.width;
        if (width == 0)
            width = row.kind == ControlKind::WrappingLabel
                        ? pageSize.cx - row.left
                        : TextWidth(page, static_cast<HFONT>(font_.get()), caption) + LabelSlack;
        const int height = row.kind == ControlKind::FontList ? FontListDropHeight : row.height;
        // A label lies under the fields that sit in it and must not paint over them.
        const DWORD clipping = row.kind == ControlKind::Label ? WS_CLIPSIBLINGS : 0;
        control = CreateWindowExA(controlClass.exStyle, controlClass.name, caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | clipping | controlClass.style |
                                      (startsGroup ? WS_GROUP : 0),
                                  row.left, top, width, height, page,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, nullptr);
        if (!control)
            throw std::runtime_error("Cannot create a control of the options window");
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (row.kind == ControlKind::CheckBox)
            SendMessageA(control, BM_SETCHECK, row.initial ? BST_CHECKED : BST_UNCHECKED, 0);
        if (row.kind == ControlKind::ArrowBox)
            SetWindowSubclass(control, ArrowBoxProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
        AddHint(control, row.hint);
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    EnableWindow(control, row.enabled);
    if (row.id != NoOptionId)
        controls_[row.id] = control;
}

void TOptions::AddHint(HWND control, UINT hint)
{
    if (!hint || !control)
        return;
    std::string text = LoadResourceString(instance_, hint);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageA(hints_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT TOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);
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
        ReportError(self->window_, error.what());
    }
    return TRUE;
}

LRESULT CALLBACK TOptions::ArrowBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR owner) noexcept
{
    UINT button = 0;
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: button = MK_LBUTTON; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: button = MK_RBUTTON; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: button = MK_MBUTTON; break;
    default: return DefSubclassProc(box, message, wParam, lParam);
    }
    auto* self = reinterpret_cast<TOptions*>(owner);
    try {
        if (GetDlgCtrlID(box) == SpecialLeftId)
            self->SpecialLeftMouseDown(box, button);
        else
            self->SpecialRightMouseDown(box, button);
    } catch (const std::exception& error) {
        ReportError(self->window_, error.what());
    }
    return 0;
}

void TOptions::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == FontBoxId) {
        if (code == CBN_DROPDOWN && !fontListFilled_)
            FillFontList();
        if (code == CBN_SELCHANGE)
            FontBoxChange(control);
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == AmpVerFirstButtonId || id == AmpVerSecondButtonId) {
        const int index = AmpVer();
        if (index != ampVerIndex_) {
            ampVerIndex_ = index;
            AmpVerClick(Control(AmpVerId));
        }
        return;
    }
    RunClickHandler(static_cast<OptionId>(id));
}

void TOptions::SpinChanged(OptionId id)
{
    if (creating_)
        return;
    if (id == RefreshIntervalId)
        RefreshIntervalChange(Control(id));
    else if (id == MemoFontSizeId)
        MemoFontSizeChange(Control(id));
    else if (id == AnTFontSizeId)
        AnTFontSizeChange(Control(id));
}

void TOptions::RunClickHandler(OptionId id)
{
    using Handler = void (TOptions::*)(HWND);
    static const std::map<int, Handler> handlers{
        {BrowsePathId, &TOptions::BrowsePathClick},       {RefreshOnTimerId, &TOptions::RefreshOnTimerClick},
        {OpenByShellId, &TOptions::OpenByShellClick},     {ShowToolBarId, &TOptions::ShowToolBarClick},
        {ShowStatusBarId, &TOptions::ShowStatusBarClick}, {LengthIsWidthId, &TOptions::LengthIsWidthClick},
        {StayOnTopId, &TOptions::StayOnTopClick},         {ControlWinampId, &TOptions::ControlWinampClick},
        {ShowAnTId, &TOptions::ShowAnTClick},             {ShowHintsId, &TOptions::ShowHintsClick},
    };
    if (const auto found = handlers.find(id); found != handlers.end())
        (this->*found->second)(Control(id));
}

void TOptions::ShowOnFirstTab()
{
    if (!fontListFilled_)
        FillFontList();
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
    return IsDialogMessageA(window_, &message) != 0;
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

void TOptions::SetChecked(OptionId id, bool checked)
{
    HWND box = Control(id);
    if (IsChecked(id) == checked)
        return;
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    RunClickHandler(id);
}

bool TOptions::IsChecked(OptionId id) const
{
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool TOptions::IsEnabled(OptionId id) const
{
    return IsWindowEnabled(Control(id)) != FALSE;
}

void TOptions::EnableControl(OptionId id, bool enabled)
{
    EnableWindow(Control(id), enabled);
}

void TOptions::SetTextsPath(const std::string& path)
{
    SetWindowTextA(Control(TextsPathId), path.c_str());
}

void TOptions::SetAmpVer(int index)
{
    SendMessageA(Control(AmpVerFirstButtonId), BM_SETCHECK, index == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(Control(AmpVerSecondButtonId), BM_SETCHECK, index == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    const int selected = AmpVer();
    if (selected == ampVerIndex_)
        return;
    ampVerIndex_ = selected;
    if (selected >= 0)
        AmpVerClick(Control(AmpVerId));
}

void TOptions::SetSpecialSymPosition(int position)
{
    if (position < 1 || position > static_cast<int>(SpecialSymbols.size()))
        return;
    specialPosition_ = position;
    const char shown[2] = {SpecialSymbolAt(position), '\0'};
    SetWindowTextA(Control(SpecialSymId), shown);
}

namespace {

int CALLBACK CollectFontName(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM found)
{
    // Faces for vertical writing carry an "@" and are no choice for a text.
    if (font->lfFaceName[0] != '@')
        reinterpret_cast<std::set<std::string>*>(found)->insert(font->lfFaceName);
    return 1;
}

// The installed screen fonts' names, or with `face` only the installed face of
// that name whatever its letter case, as the system spells it.
std::set<std::string> ScreenFonts(const std::string& face = {})
{
    std::set<std::string> names;
    HDC screen = GetDC(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, sizeof wanted.lfFaceName - 1);
    EnumFontFamiliesExA(screen, &wanted, CollectFontName, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, screen);
    return names;
}

} // namespace

void TOptions::FillFontList()
{
    const std::string selected = FontBox();
    HWND list = Control(FontBoxId);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    std::set<std::string> names = ScreenFonts();
    names.insert(DefaultFontEntry);
    for (const std::string& name : names)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    fontListFilled_ = true;
    if (!selected.empty())
        SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(selected.c_str()));
}

bool TOptions::SelectFont(const std::string& name)
{
    HWND list = Control(FontBoxId);
    if (!fontListFilled_) {
        // Until the list is first shown it holds the chosen entry only: asking
        // for one face is much quicker than listing them all at start-up.
        SendMessageA(list, CB_RESETCONTENT, 0, 0);
        std::set<std::string> found = lstrcmpiA(name.c_str(), DefaultFontEntry) == 0
                                          ? std::set<std::string>{DefaultFontEntry}
                                          : ScreenFonts(name);
        if (!name.empty() && found.size() == 1)
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.begin()->c_str()));
    }
    const LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(list, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index), 0);
    return index != CB_ERR;
}

std::string TOptions::TextsPath() const
{
    return TextOf(Control(TextsPathId));
}

int TOptions::AmpVer() const
{
    if (SendMessageA(Control(AmpVerFirstButtonId), BM_GETCHECK, 0, 0) == BST_CHECKED)
        return 0;
    if (SendMessageA(Control(AmpVerSecondButtonId), BM_GETCHECK, 0, 0) == BST_CHECKED)
        return 1;
    return -1;
}

std::string TOptions::SpecialSym() const
{
    return TextOf(Control(SpecialSymId));
}

int TOptions::RefreshInterval() const
{
    return Spin(RefreshIntervalId).Value();
}

int TOptions::MinMemoWidth() const
{
    return Spin(MinMemoWidthId).Value();
}

int TOptions::MaxMemoWidth() const
{
    return Spin(MaxMemoWidthId).Value();
}

int TOptions::AnTFontSize() const
{
    return Spin(AnTFontSizeId).Value();
}

int TOptions::MemoFontSize() const
{
    return Spin(MemoFontSizeId).Value();
}

std::string TOptions::FontBox() const
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
