#include "artist/ArtistInfoPanel.h"

#include "artist/ArtistInfoIds.h"
#include "editing/SavingRules.h"
#include "editing/TextLines.h"
#include "win/FileText.h"
#include "win/FloatingPanel.h"
#include "win/Fonts.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"
#include "win/Tooltips.h"
#include "win/WindowDpi.h"
#include "win/WindowProcedure.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr char ClassName[] = "SonveraArtistInfoPanel";
constexpr SIZE ClientSize{200, 200};
// The memo's character height in the design at 96 DPI.
constexpr int MemoFontHeight = 11;
// What the memo holds, typed or loaded: far beyond any notes about an artist,
// and short of the sizes at which an edit control grows sluggish.
constexpr WPARAM MemoCapacity = 4 << 20;

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnly(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::u16string WindowText(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

} // namespace

ArtistInfoPanel::ArtistInfoPanel(HWND mainWindow, InfoFileSource infoFile) : infoFile_(std::move(infoFile))
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    menu_.reset(LoadMenuA(instance, MAKEINTRESOURCEA(IDM_ARTIST_INFO_POPUP)));
    if (!menu_)
        throw std::runtime_error("Cannot load the artist info menu");
    CreateFloatingPanel(mainWindow, ClassName, WindowProcedure<ArtistInfoPanel>,
                        LoadResourceString(instance, IDS_ARTIST_INFO_CAPTION), ClientSize, this);
    if (!window_)
        throw std::runtime_error("Cannot create the artist info panel");
    CreateControls(instance);
}

ArtistInfoPanel::~ArtistInfoPanel()
{
    if (window_)
        DestroyWindow(window_);
}

void ArtistInfoPanel::CreateControls(HINSTANCE instance)
{

    // A Unicode edit control, so that notes in UTF-8 or UTF-16 keep every
    // character; code page 1251 text goes in and out converted as ever.
    memo_ = CreateWindowExW(0, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                                ES_AUTOVSCROLL | ES_WANTRETURN,
                            0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_INFOR_MEMO)), instance, nullptr);
    if (!memo_)
        throw std::runtime_error("Cannot create the artist info memo");
    RECT client{};
    GetClientRect(window_, &client);
    MoveWindow(memo_, 0, 0, client.right, client.bottom, FALSE);
    TakeFont();
    SendMessageA(memo_, EM_SETLIMITTEXT, MemoCapacity, 0);
    // The edit control would offer its own menu (Undo, Cut, ...); the memo
    // hands right clicks to the panel instead.
    SetWindowSubclass(memo_, MemoProcedure, 0, 0);

    // The hint shows whatever the main window's hint setting says.
    if (HWND tooltip = CreateTooltip(window_))
        AddTool(tooltip, window_, memo_, LoadResourceString(instance, IDS_INFOR_MEMO_HINT));
}

void ArtistInfoPanel::TakeFont()
{
    UniqueGdiObject font = MakeFont("MS Sans Serif", WindowScale(window_).Pixels(MemoFontHeight), FW_NORMAL);
    SendMessageA(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
}

void ArtistInfoPanel::ShowReloaded(HWND firstPlace)
{
    if (IsVisible())
        return;
    InforMemoRefreshClick();
    RECT place{};
    GetWindowRect(firstPlace, &place);
    Show(POINT{place.left, place.top});
}

void ArtistInfoPanel::Show(POINT screenTopLeft)
{
    if (!placed_) {
        SetWindowPos(window_, nullptr, screenTopLeft.x, screenTopLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    ShowWindow(window_, SW_SHOW);
}

void ArtistInfoPanel::Hide()
{
    ShowWindow(window_, SW_HIDE);
}

bool ArtistInfoPanel::IsVisible() const
{
    return window_ && IsWindowVisible(window_);
}

void ArtistInfoPanel::InforMemoRefreshClick()
{
    if (!infoFile_)
        return;
    const ArtistInfoFile file = infoFile_();
    if (!file.insideTextsFolder || !IsFile(file.path))
        return;
    const std::optional<std::string> contents = ReadWholeFile(file.path);
    if (!contents)
        throw NamedError(L"Cannot open file " + file.path);
    const DecodedText decoded = DecodeText(*contents);
    const std::u16string text = WithCrLfLineBreaks(decoded.text);
    const auto capacity = static_cast<std::size_t>(SendMessageA(memo_, EM_GETLIMITTEXT, 0, 0));
    if (text.size() > capacity || !SetWindowTextW(memo_, reinterpret_cast<const wchar_t*>(text.c_str())))
        throw std::runtime_error("Text exceeds memo capacity");
    loadedFile_ = file.path;
    loadedFormat_ = {decoded.format, decoded.format == Cp1251Format || WindowText(memo_) == text};
}

void ArtistInfoPanel::InforMemoSaveClick()
{
    if (!infoFile_)
        return;
    const ArtistInfoFile file = infoFile_();
    const std::wstring failure = L"Cannot create file " + file.path;
    // The whole-file write would replace a read-only file; the user marked it
    // so that it stays as it is.
    if (!file.insideTextsFolder || IsReadOnly(file.path))
        throw NamedError(failure);
    // Another artist's file, or a new one, is written as code page 1251 text.
    const SavePlan plan = PlanSave(WindowText(memo_), file.path == loadedFile_ ? loadedFormat_ : ShownTextFormat{},
                                   SendMessageA(memo_, EM_GETMODIFY, 0, 0) != 0);
    const std::string caption = LoadResourceString(IDS_ARTIST_INFO_CAPTION);
    if (plan.action == SaveAction::KeepFile)
        return;
    if (plan.action == SaveAction::Refuse) {
        ShowMessageBox(window_, LoadResourceString(IDS_INFO_CHARACTERS_WOULD_BE_LOST), caption, MB_OK);
        return;
    }
    if (plan.action == SaveAction::AskToSwitchToUtf8 &&
        ShowMessageBox(window_, LoadResourceString(IDS_INFO_SWITCH_TO_UTF8), caption, MB_YESNO | MB_ICONQUESTION) !=
            IDYES)
        return;
    if (!WriteWholeFile(file.path, plan.bytes))
        throw NamedError(failure);
    loadedFile_ = file.path;
    loadedFormat_ = {plan.format, true};
    SendMessageA(memo_, EM_SETMODIFY, FALSE, 0);
}

HMENU ArtistInfoPanel::ContextMenu() const
{
    return GetSubMenu(menu_.get(), 0);
}

void ArtistInfoPanel::ShowContextMenu(LPARAM screenPosition)
{
    POINT at{GET_X_LPARAM(screenPosition), GET_Y_LPARAM(screenPosition)};
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: open at the memo's corner.
        at = {0, 0};
        ClientToScreen(memo_, &at);
    }
    TrackPopupMenu(ContextMenu(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
}

void ArtistInfoPanel::Command(int id)
{
    switch (id) {
    case IDM_INFOR_MEMO_REFRESH:
        InforMemoRefreshClick();
        break;
    case IDM_INFOR_MEMO_SAVE:
        InforMemoSaveClick();
        break;
    case IDM_INFOR_MEMO_CLOSE:
        Hide();
        break;
    default:
        break;
    }
}

LRESULT ArtistInfoPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        MoveWindow(memo_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case DpiChangedMessage: {
        KeepWindowScale(window_, DisplayScale(HIWORD(wParam)));
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        TakeFont();
        return 0;
    }
    case WM_SETFOCUS:
        SetFocus(memo_);
        return 0;
    case WM_CONTEXTMENU:
        ShowContextMenu(lParam);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0)
            Command(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        Hide();
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK ArtistInfoPanel::MemoProcedure(HWND memo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                                DWORD_PTR) noexcept
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(memo, MemoProcedure, id);
    if (message == WM_CONTEXTMENU)
        return SendMessageA(GetParent(memo), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(memo), lParam);
    return DefSubclassProc(memo, message, wParam, lParam);
}

