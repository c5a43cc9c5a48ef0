// The main window at its display's scale: fonts made from points at the
// window's DPI, and the move onto a monitor of another scale, which remakes
// the fonts and pictures and lays the window out again, keeping everything it
// shows.
#include "app/SonveraMain.h"

#include "win/Fonts.h"
#include "win/WindowDpi.h"

void TSonveraMain::CreateFonts()
{
    windowFont_ = MakeFormFont(scale_);
    labelPoints_ = look_->AnTFontSize();
    labelFont_ = MakePointFont("Arial", labelPoints_, FW_BOLD, scale_);
    // No font chosen: the text keeps the designed one.
    textFace_ = look_->FontBox().empty() ? "Courier New" : look_->FontBox();
    textPoints_ = look_->MemoFontSize();
    textFont_ = MakePointFont(textFace_, textPoints_, FW_NORMAL, scale_);
}

void TSonveraMain::OnDpiChanged(int dpi, const RECT& suggested)
{
    scale_ = DisplayScale(dpi);
    KeepWindowScale(window_, scale_);
    windowFont_ = MakeFormFont(scale_);
    SendMessageA(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), TRUE);
    bars_.Rescale(scale_);
    ApplyMemoFont();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The label's font last: fitting its panel lays the window out again.
    SetLabelFontSize(labelPoints_);
}
