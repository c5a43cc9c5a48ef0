#include "Playback.h"

#include "editing/TextEncoding.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::wstring_view Separator = L" - ";

// Between two and four minutes, different from song to song.
int MadeUpLength(std::size_t index)
{
    return 125 + static_cast<int>((index * 47) % 120);
}

Song MakeSong(std::wstring_view artist, std::wstring_view title, std::size_t index)
{
    return Song{std::wstring(artist), std::wstring(title), MadeUpLength(index)};
}

} // namespace

Playback::Playback(PlayerGeneration generation, std::vector<Song> songs)
    : generation_(generation), songs_(std::move(songs))
{
}

void Playback::SelectSong(std::size_t index)
{
    current_ = index;
    position_ = 0;
    if (state_ == State::Idle)
        state_ = State::Stopped;
}

void Playback::Previous()
{
    if (!songs_.empty())
        SelectSong(current_ == 0 ? songs_.size() - 1 : current_ - 1);
}

void Playback::Next()
{
    if (!songs_.empty())
        SelectSong((current_ + 1) % songs_.size());
}

// Like the real player, play while playing starts the song again.
void Playback::Play()
{
    if (songs_.empty())
        return;
    if (state_ != State::Paused)
        position_ = 0;
    state_ = State::Playing;
}

void Playback::TogglePause()
{
    if (state_ == State::Playing)
        state_ = State::Paused;
    else if (state_ == State::Paused)
        state_ = State::Playing;
}

void Playback::Stop()
{
    if (state_ == State::Idle)
        return;
    state_ = State::Stopped;
    position_ = 0;
}

void Playback::Seek(int ms)
{
    if (state_ != State::Playing && state_ != State::Paused)
        return;
    position_ = std::clamp(position_ + ms, 0, LengthMs(current_));
}

void Playback::Advance(int ms)
{
    if (state_ != State::Playing)
        return;
    position_ += ms;
    // A long gap (the machine asleep) may run through several songs.
    while (position_ >= LengthMs(current_)) {
        position_ -= LengthMs(current_);
        current_ = (current_ + 1) % songs_.size();
    }
}

void Playback::JumpTo(int ms)
{
    if (state_ == State::Playing || state_ == State::Paused)
        position_ = std::clamp(ms, 0, LengthMs(current_));
}

void Playback::Append(Song song)
{
    if (songLength_ > 0)
        song.lengthSeconds = songLength_;
    songs_.push_back(std::move(song));
}

void Playback::SetSongLength(int seconds)
{
    songLength_ = seconds;
    for (Song& song : songs_)
        song.lengthSeconds = seconds;
}

std::wstring Playback::Title() const
{
    if (!fixedTitle_.empty())
        return fixedTitle_;
    if (state_ == State::Idle || songs_.empty())
        return generation_ == PlayerGeneration::Classic ? L"Winamp 2.91" : L"Winamp3";

    const Song& song = songs_[current_];
    std::wstring title = std::to_wstring(current_ + 1) + L". ";
    if (!song.artist.empty())
        title.append(song.artist).append(Separator);
    title += song.title;

    if (generation_ == PlayerGeneration::Classic) {
        title += L" - Winamp";
        if (state_ == State::Paused)
            title += L" [Paused]";
        else if (state_ == State::Stopped)
            title += L" [Stopped]";
        return title;
    }
    title += L" (" + FormatTime(position_ / 1000) + L"/" + FormatTime(song.lengthSeconds) + L") ";
    title += state_ == State::Playing ? L"(Playing)" : state_ == State::Paused ? L"(Paused)" : L"(Stopped)";
    return title;
}

std::wstring ScrolledTitle(const std::wstring& caption, std::size_t step)
{
    static constexpr std::wstring_view separator = L" *** ";
    if (caption.empty())
        return caption;
    const std::wstring rest = caption.substr(step % caption.size());
    std::wstring title = rest;
    title.append(separator).append(caption);
    if (rest.size() < separator.size())
        title += separator;
    return title;
}

std::wstring FormatTime(int seconds)
{
    const int remainder = seconds % 60;
    return std::to_wstring(seconds / 60) + (remainder < 10 ? L":0" : L":") + std::to_wstring(remainder);
}

std::vector<Song> ParsePlaylist(const std::string& contents)
{
    const std::u16string decoded = DecodeText(contents).text;
    const std::wstring text(decoded.begin(), decoded.end());
    std::vector<Song> songs;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;

        Song song;
        if (const std::size_t separator = line.find(Separator); separator != std::wstring_view::npos) {
            song.artist = line.substr(0, separator);
            song.title = line.substr(separator + Separator.size());
        } else {
            song.title = line;
        }
        song.lengthSeconds = MadeUpLength(songs.size());
        songs.push_back(std::move(song));
    }
    return songs;
}

std::vector<Song> DefaultPlaylist()
{
    return {
        MakeSong(L"Серый Кит", L"Осенний перрон", 0),
        MakeSong(L"Kestrow Lane", L"Paper Lanterns", 1),
        MakeSong(L"Ясень и Ветер", L"Письмо без адреса", 2),
        MakeSong(L"Mr. Okapi", L"Night Bus (Live)", 3),
        MakeSong(L"Кобальт", L"Дом на сваях - Remix", 4),
        MakeSong(L"The Velvet Ferns", L"Slow Tide", 5),
        MakeSong(L"Ёлкин Двор", L"Зимняя электричка", 6),
        MakeSong(L"Søren Ålbæk", L"Fjärran ö", 7),
    };
}

Song AddedSong(int serial)
{
    static constexpr const wchar_t* artists[] = {L"Новый Адрес", L"Lamplight Choir", L"Щегол"};
    static constexpr const wchar_t* titles[] = {L"Добавленная песня", L"Added Song", L"Песня с полки"};
    const auto pick = static_cast<std::size_t>(serial - 1) % std::size(artists);
    return MakeSong(artists[pick], std::wstring(titles[pick]) + L" " + std::to_wstring(serial),
                    static_cast<std::size_t>(serial));
}
