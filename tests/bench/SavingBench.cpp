// Measures saving a song text through the text area against one plain flushed
// write of the same bytes over a file in the same folder. Prints "name: value"
// lines.
#include "bench/BenchTiming.h"
#include "app/RichTextArea.h"
#include "editing/SongTextView.h"
#include "lookup/SongSession.h"
#include "editing/TextSaving.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"
#include "win/UniqueHandle.h"

#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int TextLines = 200;
constexpr int Rounds = 101;

// A song text window with no more than saving needs: a hidden rich edit.
class BenchView final : public SongTextView {
public:
    explicit BenchView(const ::Settings& settings) : settings_(settings)
    {
        LoadLibraryA("riched20.dll");
        memo_ = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 400, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        SendMessageA(memo_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
        SendMessageA(memo_, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
        area_.Attach(memo_);
    }
    ~BenchView() override { DestroyWindow(memo_); }
    BenchView(const BenchView&) = delete;
    BenchView& operator=(const BenchView&) = delete;

    HWND Window() const override { return nullptr; }
    TextArea& Text() override { return area_; }
    SongSession& Session() override { return session_; }
    HWND Memo2() const { return memo_; }
    HWND AnT() const override { return nullptr; }
    const SettingsSource& Settings() const override { return settings_; }
    std::wstring StatusText() const override { return status_; }
    void SetStatusText(const std::wstring& text) override { status_ = text; }
    void SetStatusHint(const std::wstring&) override {}

private:
    const ::Settings& settings_;
    HWND memo_ = nullptr;
    RichTextArea area_;
    SongSession session_;
    std::wstring status_ = L"-";
};

std::string SongText()
{
    const std::string line = Cp1251(L"  \u0414\u043E\u0440\u043E\u0433\u0430 \u0434\u043E\u043C\u043E\u0439, "
                                    L"\u0434\u043E\u0440\u043E\u0433\u0430 \u0434\u043E\u043C\u043E\u0439, "
                                    L"I drive to the light of your quiet");
    std::string text;
    for (int index = 0; index < TextLines; ++index)
        text += (index % 9 == 8 ? std::string() : line + ' ' + std::to_string(index)) + "\r\n";
    return text;
}

void FlushedWrite(const std::wstring& path, const std::string& bytes)
{
    UniqueFileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(file.get());
}

} // namespace

int main()
{
    ScratchFolder scratch;
    Settings settings;
    settings.textsPath = scratch.Path();
    BenchView view(settings);

    const std::string text = SongText();
    SetWindowTextA(view.Memo2(), text.c_str());
    view.Session().Song = {L"Artist", L"Song"};
    const std::wstring plain = scratch.Path() + L"Artist\\Plain.txt";
    if (!WriteCurrentText(view) || GetFileAttributesW(view.Session().CurrentTextFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::puts("error: the first save failed");
        return 1;
    }
    FlushedWrite(plain, text);

    // In alternation, so that both meet the same state of the machine.
    std::vector<double> saves;
    std::vector<double> writes;
    for (int round = 0; round < Rounds; ++round) {
        saves.push_back(Time([&] { WriteCurrentText(view); }));
        writes.push_back(Time([&] { FlushedWrite(plain, text); }));
    }
    const double save = Median(saves);
    const double write = Median(writes);
    std::printf("text_bytes: %zu\n", text.size());
    std::printf("save_ms: %.3f\n", save * 1000);
    std::printf("flushed_write_ms: %.3f\n", write * 1000);
    std::printf("save_vs_flushed_write: %.3f\n", save / write);
    return 0;
}
