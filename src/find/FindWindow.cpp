#include "find/FindWindow.h"

#include "find/FindIds.h"
#include "settings/SettingsSource.h"
#include "win/DeviceContext.h"
#include "win/MessageBoxes.h"
#include "win/ResourceString.h"
#include "win/WindowText.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <optional>
#include <stdexcept>

namespace {

// What the folder reader posts.
constexpr UINT ProgressMessage = WM_APP + 1;
constexpr UINT_PTR KeepTimer = 1;
// While the folder is read, the results follow it this often at most.
constexpr DWORD RequeryMs = 300;
// The name's column is as wide as the longest of the first results' names,
// within these parts of the list; the matching line takes the rest.
constexpr int LeastNamePercent = 30;
constexpr int MostNamePercent = 60;
constexpr std::size_t MeasuredRows = 50;

std::wstring Formatted(UINT id, std::initializer_list<std::size_t> numbers)
{
    std::wstring text = LoadUnicodeResourceString(id);
    wchar_t slot[] = L"%1";
    for (const std::size_t number : numbers) {
        if (const std::size_t at = text.find(slot); at != std::wstring::npos)
            text.replace(at, 2, std::to_wstring(number));
        ++slot[1];
    }
    return text;
}

RECT BoundsIn(HWND parent, HWND control)
{
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

} // namespace

TFind::TFind(HINSTANCE instance, HWND owner, const SettingsSource& settings,
                       std::function<void(const std::wstring&)> show, UINT keepMs)
    : instance_(instance), owner_(owner), settings_(settings), show_(std::move(show)), keepMs_(keepMs)
{
}

TFind::~TFind()
{
    reader_.reset();
    if (window_)
        DestroyWindow(window_);
}

void TFind::Create()
{
    if (!CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_Find), owner_, DialogProcedure,
                            reinterpret_cast<LPARAM>(this)))
        throw std::runtime_error("Cannot create the find window");
    // Over the middle of the main window, inside the screen's work area.
    RECT owner{}, mine{}, screen{};
    GetWindowRect(owner_, &owner);
    GetWindowRect(window_, &mine);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    const int width = mine.right - mine.left;
    const int height = mine.bottom - mine.top;
    const int x = std::clamp((owner.left + owner.right - width) / 2, screen.left,
                             std::max(screen.left, screen.right - width));
    const int y = std::clamp((owner.top + owner.bottom - height) / 2, screen.top,
                             std::max(screen.top, screen.bottom - height));
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFind::Show()
{
    if (!window_)
        Create();
    KillTimer(window_, KeepTimer);
    const std::wstring folder = settings_.TextsPath();
    if (reader_ && !reader_->Reads(folder))
        reader_.reset();
    if (!reader_) {
        hits_.clear();
        progress_ = {};
        reader_ = std::make_unique<FolderReader>(folder, window_, ProgressMessage);
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(query_);
    SendMessageW(query_, EM_SETSEL, 0, -1);
    RunQuery(true);
}

void TFind::Close()
{
    if (!window_ || !IsWindowVisible(window_))
        return;
    ShowWindow(window_, SW_HIDE);
    if (IsWindowVisible(owner_))
        SetForegroundWindow(owner_);
    SetTimer(window_, KeepTimer, keepMs_, nullptr);
}

void TFind::Release()
{
    KillTimer(window_, KeepTimer);
    reader_.reset();
    hits_.clear();
    lines_.clear();
    DestroyWindow(window_);
}

bool TFind::TakeDialogMessage(MSG& message)
{
    if (!window_ || !IsWindowVisible(window_) || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    return IsDialogMessageW(window_, &message) != 0;
}

void TFind::TextSaved(const std::wstring& path)
{
    if (!reader_)
        return;
    reader_->ReadAgain(path);
    if (window_)
        RunQuery(true);
}

INT_PTR CALLBACK TFind::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<TFind*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<TFind*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self)
        return FALSE;
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportError(window, error);
    } catch (...) {
        ReportError(window, "Unexpected error");
    }
    return FALSE;
}

LRESULT CALLBACK TFind::QueryKeys(HWND query, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR results) noexcept
{
    // The arrows and the page keys move through the results while the
    // typing goes on in the field.
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT))
        return SendMessageW(reinterpret_cast<HWND>(results), message, wParam, lParam);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(query, QueryKeys, 0);
    return DefSubclassProc(query, message, wParam, lParam);
}

INT_PTR TFind::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        query_ = GetDlgItem(window_, IDC_FindQuery);
        results_ = GetDlgItem(window_, IDC_FindResults);
        status_ = GetDlgItem(window_, IDC_FindStatus);
        const std::wstring cue = LoadUnicodeResourceString(IDS_FindQueryCue);
        // Shown in the empty field also while it has the focus, where Windows can.
        SendMessageW(query_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
        SetWindowSubclass(query_, QueryKeys, 0, reinterpret_cast<DWORD_PTR>(results_));
        SendMessageW(results_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        for (int index = 0; index < 2; ++index)
            SendMessageW(results_, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
        // The template's layout, kept as the window is sized.
        RECT client{};
        GetClientRect(window_, &client);
        designedClient_ = {client.right, client.bottom};
        designed_ = {BoundsIn(window_, query_), BoundsIn(window_, results_), BoundsIn(window_, status_)};
        RECT frame{};
        GetWindowRect(window_, &frame);
        smallest_ = {(frame.right - frame.left) / 2, (frame.bottom - frame.top) / 2};
        Layout();
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_FindQuery && HIWORD(wParam) == EN_CHANGE)
            RunQuery(false);
        else if (LOWORD(wParam) == IDOK)
            ShowChosen();
        else if (LOWORD(wParam) == IDCANCEL)
            Close();
        return TRUE;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.hwndFrom == results_ && header.code == LVN_GETDISPINFOW)
            FillRow(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
        else if (header.hwndFrom == results_ && header.code == NM_DBLCLK &&
                 reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem >= 0)
            ShowChosen();
        return FALSE;
    }
    case WM_SIZE:
        Layout();
        return TRUE;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest_.cx, smallest_.cy};
        return TRUE;
    case WM_CLOSE:
        Close();
        return TRUE;
    case WM_TIMER:
        if (wParam == KeepTimer)
            Release();
        return TRUE;
    case WM_DESTROY:
        window_ = query_ = results_ = status_ = nullptr;
        return FALSE;
    case ProgressMessage:
        TakeProgress();
        return TRUE;
    default:
        return FALSE;
    }
}

void TFind::Layout()
{
    if (!results_)
        return;
    RECT client{};
    GetClientRect(window_, &client);
    const LONG wider = client.right - designedClient_.cx;
    const LONG taller = client.bottom - designedClient_.cy;
    const auto place = [&](HWND control, const RECT& designed, LONG grow, LONG move) {
        MoveWindow(control, designed.left, designed.top + move, std::max(0L, designed.right - designed.left + wider),
                   std::max(0L, designed.bottom - designed.top + grow), TRUE);
    };
    place(query_, designed_[0], 0, 0);
    place(results_, designed_[1], taller, 0);
    place(status_, designed_[2], 0, taller);
    FitColumns();
}

void TFind::FitColumns()
{
    // The names of the first results whole where the lines leave room.
    LONG widest = 0;
    bool lines = false;
    if (reader_) {
        const WindowDc context(results_);
        const SelectedObject font(context.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(results_, WM_GETFONT, 0, 0)));
        reader_->WithIndex([&](TextIndex& index) {
            for (std::size_t row = 0; row < std::min(hits_.size(), MeasuredRows); ++row) {
                const std::wstring name = index.NameOf(hits_[row].text);
                SIZE extent{};
                GetTextExtentPoint32W(context.get(), name.data(), static_cast<int>(name.size()), &extent);
                widest = std::max(widest, extent.cx);
                lines = lines || !hits_[row].byName;
            }
        });
    }
    RECT list{};
    GetClientRect(results_, &list);
    const int padding = 4 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int nameWidth = std::clamp(static_cast<int>(widest) + padding, static_cast<int>(list.right * LeastNamePercent / 100),
                                     std::max(1, static_cast<int>(list.right * (lines ? MostNamePercent : 100) / 100)));
    SendMessageW(results_, LVM_SETCOLUMNWIDTH, 0, nameWidth);
    SendMessageW(results_, LVM_SETCOLUMNWIDTH, 1, std::max(0, static_cast<int>(list.right) - nameWidth));
}

void TFind::TakeProgress()
{
    if (!reader_)
        return;
    progress_ = reader_->TakeProgress();
    if (!typed_.words.empty() && (progress_.finished || GetTickCount() - lastQueryTick_ >= RequeryMs))
        RunQuery(true);
    else
        ShowStatus();
}

void TFind::RunQuery(bool keepChoice)
{
    std::optional<TextIndex::TextId> chosen;
    const auto row = static_cast<int>(SendMessageW(results_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (keepChoice && row >= 0 && static_cast<std::size_t>(row) < hits_.size())
        chosen = hits_[static_cast<std::size_t>(row)].text;
    typed_ = FindQuery(UnicodeWindowText(query_));
    hits_.clear();
    if (reader_)
        hits_ = reader_->WithIndex([this](TextIndex& index) { return index.Find(typed_); });
    lines_.clear();
    lastQueryTick_ = GetTickCount();

    SendMessageW(results_, LVM_SETITEMCOUNT, hits_.size(), keepChoice ? LVSICF_NOSCROLL : 0);
    const auto kept = std::find_if(hits_.begin(), hits_.end(),
                                   [&chosen](const TextIndex::Hit& hit) { return chosen && hit.text == *chosen; });
    if (!hits_.empty()) {
        const auto choice = static_cast<WPARAM>(kept == hits_.end() ? 0 : kept - hits_.begin());
        LVITEMW state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(results_, LVM_SETITEMSTATE, choice, reinterpret_cast<LPARAM>(&state));
        SendMessageW(results_, LVM_ENSUREVISIBLE, choice, FALSE);
    }
    FitColumns();
    InvalidateRect(results_, nullptr, TRUE);
    ShowStatus();
}

void TFind::ShowStatus()
{
    std::wstring text;
    if (reader_ && progress_.folderMissing) {
        text = LoadUnicodeResourceString(IDS_FindNoFolder);
        text.replace(std::min(text.find(L"%1"), text.size()), 2, reader_->Folder());
    } else if (reader_) {
        const auto [texts, bad] = reader_->WithIndex(
            [](TextIndex& index) { return std::pair(index.TextCount(), index.BadCount()); });
        if (!progress_.finished)
            text = Formatted(progress_.total ? IDS_FindReadingOf : IDS_FindReading, {progress_.read, progress_.total});
        else if (typed_.words.empty())
            text = Formatted(IDS_FindTexts, {texts});
        else
            text = Formatted(IDS_FindFound, {hits_.size(), texts});
        if (bad)
            text += Formatted(IDS_FindSkipped, {bad});
    }
    SetWindowTextW(status_, text.c_str());
}

void TFind::ShowChosen()
{
    auto row = static_cast<int>(SendMessageW(results_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0 || static_cast<std::size_t>(row) >= hits_.size())
        row = 0;
    if (hits_.empty() || !reader_)
        return;
    const TextIndex::TextId text = hits_[static_cast<std::size_t>(row)].text;
    const std::wstring path = reader_->WithIndex([text](TextIndex& index) { return index.PathOf(text); });
    if (!path.empty())
        show_(reader_->Folder() + path);
}

void TFind::FillRow(NMLVDISPINFOW& row)
{
    LVITEMW& item = row.item;
    if (!(item.mask & LVIF_TEXT) || !reader_ || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= hits_.size() ||
        !item.pszText || item.cchTextMax <= 0)
        return;
    const auto index = static_cast<std::size_t>(item.iItem);
    const TextIndex::Hit hit = hits_[index];
    std::wstring text;
    if (item.iSubItem == 0) {
        text = reader_->WithIndex([&hit](TextIndex& index) { return index.NameOf(hit.text); });
    } else if (!hit.byName) {
        auto line = lines_.find(index);
        if (line == lines_.end())
            line = lines_.emplace(index, reader_->WithIndex([&](TextIndex& index) {
                              return index.MatchingLine(hit.text, typed_);
                          })).first;
        text = line->second;
    }
    const std::size_t room = static_cast<std::size_t>(item.cchTextMax) - 1;
    text.resize(std::min(text.size(), room));
    std::copy(text.begin(), text.end(), item.pszText);
    item.pszText[text.size()] = L'\0';
}
