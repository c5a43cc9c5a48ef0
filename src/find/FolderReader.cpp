#include "find/FolderReader.h"

#include "lookup/TextFolders.h"
#include "lookup/TolerantNames.h"
#include "win/FileText.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace {

// Far beyond the words of any song, chords and notes included; a larger
// file is not read at all.
constexpr std::size_t LargestText = 1 << 20;
// Texts read between reports of how far the reading is.
constexpr std::size_t ReportEvery = 64;
// Changes are taken in once the folder has been quiet this long, so that a
// file being written is read when it is whole.
constexpr DWORD SettleMs = 250;
constexpr DWORD WatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                 FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

bool IsTextName(std::wstring_view path)
{
    return path.size() > 4 && CaseFolded(path.substr(path.size() - 4)) == L".txt";
}

// 1 for a name right in the texts folder.
std::size_t Depth(std::wstring_view path)
{
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), L'\\')) + 1;
}

bool IsSearchedFolderAt(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           IsSearchedFolder(attributes);
}

std::wstring WithBackslash(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\')
        folder.push_back(L'\\');
    return folder;
}

} // namespace

FolderReader::FolderReader(std::wstring textsFolder, HWND window, UINT message)
    : folder_(WithBackslash(std::move(textsFolder))), window_(window), message_(message),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), run_([this] { Run(); }), thread_(StartThread(run_))
{
}

FolderReader::~FolderReader()
{
    stopping_ = true;
    SetEvent(stop_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
}

bool FolderReader::Reads(const std::wstring& folder) const
{
    return CaseFolded(WithBackslash(folder)) == CaseFolded(folder_);
}

FolderReader::Progress FolderReader::TakeProgress()
{
    reported_ = false;
    return {read_, total_, finished_, folderMissing_};
}

bool FolderReader::Stopping() const
{
    return stopping_;
}

void FolderReader::Report()
{
    if (!reported_.exchange(true))
        PostMessageW(window_, message_, 0, 0);
}

void FolderReader::Run()
{
    const DWORD attributes = GetFileAttributesW(folder_.c_str());
    if (folder_.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        folderMissing_ = true;
        finished_ = true;
        Report();
        return;
    }
    // The watch starts before the reading, so that no change made meanwhile
    // is missed.
    UniqueFileHandle folder(CreateFileW(folder_.c_str(), FILE_LIST_DIRECTORY,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    Watch(folder.get());
}

void FolderReader::ListTexts(const std::wstring& scope, const std::function<void(Entry)>& take) const
{
    const TextEntryVisitor keep = [this, &take](const std::wstring& folder, const WIN32_FIND_DATAW& entry) {
        take({folder.substr(folder_.size()) + entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
              static_cast<unsigned long long>(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow});
    };
    if (!scope.empty()) {
        // An artist's folder, or an album's in it, each looked in unless hidden.
        const std::size_t slash = scope.find(L'\\');
        if (!IsSearchedFolderAt(folder_ + scope.substr(0, slash)) || !IsSearchedFolderAt(folder_ + scope))
            return;
        if (slash == std::wstring::npos)
            ForEachArtistText(folder_ + scope + L"\\", keep);
        else
            ForEachTextEntry(folder_ + scope + L"\\", keep);
        return;
    }
    ForEachTextEntry(folder_, keep);
    WIN32_FIND_DATAW artist;
    UniqueFindHandle find(FindFirstFileW((folder_ + L"*").c_str(), &artist));
    if (!find)
        return;
    do {
        const std::wstring_view name = artist.cFileName;
        if ((artist.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsSearchedFolder(artist.dwFileAttributes) &&
            name != L"." && name != L"..")
            ForEachArtistText(folder_ + artist.cFileName + L"\\", keep);
    } while (!Stopping() && FindNextFileW(find.get(), &artist));
}

std::optional<std::string> FolderReader::Read(const Entry& entry) const
{
    if (entry.isFolder || entry.size > LargestText)
        return std::nullopt;
    return ReadWholeFile(folder_ + entry.path, LargestText);
}

std::optional<PreparedText> FolderReader::Take(const Entry& entry, std::optional<std::string> bytes)
{
    return bytes ? PrepareText(entry.path, std::move(*bytes)) : std::nullopt;
}

void FolderReader::Store(TextIndex& index, const Entry& entry, std::optional<PreparedText> text)
{
    if (text)
        index.Put(std::move(*text));
    else
        index.MarkBad(entry.path);
}

void FolderReader::ReadAll()
{
    // The folder is listed and its files read on a thread of their own, as a
    // bare loop would, while this one takes in what has been read: the one
    // waits on the disk, the other works.
    struct ReadText {
        Entry entry;
        std::optional<std::string> bytes;
    };
    CriticalSection readLock;
    std::vector<ReadText> read;
    bool listed = false;
    const UniqueKernelHandle someRead(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    const std::function<void()> readAll = [&] {
        std::size_t count = 0;
        ListTexts({}, [&](Entry entry) {
            std::optional<std::string> bytes = Stopping() ? std::nullopt : Read(entry);
            const CriticalSection::Held held(readLock);
            read.push_back({std::move(entry), std::move(bytes)});
            if (++count % ReportEvery == 0)
                SetEvent(someRead.get());
        });
        const CriticalSection::Held held(readLock);
        listed = true;
        total_ = count;
        SetEvent(someRead.get());
    };
    struct Joined {
        UniqueKernelHandle thread;
        ~Joined() { WaitForSingleObject(thread.get(), INFINITE); }
    } reading{StartThread(readAll)};

    std::vector<ReadText> taking;
    for (std::size_t taken = 0; !Stopping();) {
        bool done = false;
        {
            const CriticalSection::Held held(readLock);
            done = listed;
            taking.swap(read);
        }
        if (taking.empty() && done)
            break;
        if (taking.empty())
            WaitForSingleObject(someRead.get(), SettleMs);
        for (ReadText& text : taking) {
            // A text at a time into the index: texts kept back in batches
            // leave the heap in pieces, and reading takes twice as long.
            std::optional<PreparedText> prepared = Take(text.entry, std::move(text.bytes));
            WithIndex([&](TextIndex& index) { Store(index, text.entry, std::move(prepared)); });
            if (++taken % ReportEvery == 0) {
                read_ = taken;
                Report();
            }
        }
        taking.clear();
        read_ = taken;
    }
}

void FolderReader::Watch(HANDLE folder)
{
    const UniqueKernelHandle changed(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED overlapped{};
    overlapped.hEvent = changed.get();
    std::vector<DWORD> buffer(16 * 1024);
    const auto listen = [&] {
        ResetEvent(changed.get());
        return folder != INVALID_HANDLE_VALUE &&
               ReadDirectoryChangesW(folder, buffer.data(), static_cast<DWORD>(buffer.size() * sizeof(DWORD)), TRUE,
                                     WatchedChanges, nullptr, &overlapped, nullptr);
    };
    // Whether a read of the changes is under way.
    bool pending = listen();
    ReadAll();
    if (!Stopping()) {
        finished_ = true;
        Report();
    }

    std::vector<Change> changes;
    while (pending) {
        const HANDLE events[] = {stop_.get(), changed.get()};
        const DWORD woke = WaitForMultipleObjects(2, events, FALSE, changes.empty() ? INFINITE : SettleMs);
        if (woke == WAIT_TIMEOUT) {
            Apply(changes);
            Report();
            continue;
        }
        if (woke != WAIT_OBJECT_0 + 1)
            break;
        DWORD bytes = 0;
        pending = false;
        if (!GetOverlappedResult(folder, &overlapped, &bytes, FALSE))
            break;
        // No bytes: more changed than the buffer holds, so everything is read again.
        if (bytes == 0)
            changes.push_back({0, {}});
        for (std::size_t at = 0; bytes != 0;) {
            const auto& notice = *reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(
                reinterpret_cast<const char*>(buffer.data()) + at);
            changes.push_back({notice.Action, std::wstring(notice.FileName, notice.FileNameLength / sizeof(WCHAR))});
            if (notice.NextEntryOffset == 0)
                break;
            at += notice.NextEntryOffset;
        }
        pending = listen();
    }
    // The buffer must outlive the read.
    DWORD bytes = 0;
    if (pending && CancelIo(folder))
        GetOverlappedResult(folder, &overlapped, &bytes, TRUE);
}

void FolderReader::Apply(std::vector<Change>& changes)
{
    std::set<std::wstring> done;
    for (const Change& change : changes) {
        if (change.path.empty()) {
            Rescan({});
            break;
        }
        // A folder that came, went or was renamed is read again; a changed
        // folder only tells that something in it changed, which has its own
        // notice.
        const bool text = IsTextName(change.path) && Depth(change.path) <= 3;
        const bool folder = !text && Depth(change.path) <= 2 && change.action != FILE_ACTION_MODIFIED;
        if ((!text && !folder) || !done.insert(CaseFolded(change.path)).second)
            continue;
        if (text)
            UpdateFile(change.path);
        else
            Rescan(change.path);
    }
    changes.clear();
}

void FolderReader::UpdateFile(const std::wstring& path)
{
    bool searched = true;
    for (std::size_t slash = path.find(L'\\'); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
        searched = searched && IsSearchedFolderAt(folder_ + path.substr(0, slash));
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!searched || !GetFileAttributesExW((folder_ + path).c_str(), GetFileExInfoStandard, &data)) {
        WithIndex([&path](TextIndex& index) { index.Remove(path); });
        return;
    }
    const Entry entry{path, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                      static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow};
    std::optional<PreparedText> text = Take(entry, Read(entry));
    WithIndex([&](TextIndex& index) { Store(index, entry, std::move(text)); });
}

void FolderReader::Rescan(const std::wstring& scope)
{
    std::vector<Entry> entries;
    std::vector<std::optional<PreparedText>> texts;
    ListTexts(scope, [&](Entry entry) {
        texts.push_back(Take(entry, Read(entry)));
        entries.push_back(std::move(entry));
    });
    WithIndex([&](TextIndex& index) {
        index.Remove(scope);
        for (std::size_t at = 0; at < entries.size(); ++at)
            Store(index, entries[at], std::move(texts[at]));
    });
}

void FolderReader::ReadAgain(const std::wstring& path)
{
    if (path.size() <= folder_.size() || CaseFolded(path.substr(0, folder_.size())) != CaseFolded(folder_))
        return;
    // A new text with no artist is saved as "Folder\\Title.txt", two backslashes.
    const std::wstring below = path.substr(std::min(path.find_first_not_of(L'\\', folder_.size()), path.size()));
    if (IsTextName(below) && Depth(below) <= 3)
        UpdateFile(below);
}
