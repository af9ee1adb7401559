#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/accessible_win.h"
#include "ui/window_win.h"

namespace tw::ui {

// A button drawn from three pictures (normal, mouse over, pressed) with the
// hand cursor. It also takes the keyboard focus (Tab) and clicks on Space or
// Enter, drawing a focus frame, so the launcher works without a mouse.
// The bitmaps are owned by the button.
class PictureButton : public Window {
public:
    PictureButton(HWND parent, RECT bounds, std::wstring name, HBITMAP normal, HBITMAP hot, HBITMAP pressed);
    ~PictureButton() override;

    std::function<void()> onClick;
    void Click() { if (onClick) onClick(); }
    const RECT& Bounds() const { return bounds_; }
    // What a reader says after the button's name.
    void SetDescription(std::wstring text) { accessible_->description = std::move(text); }
    // Under high contrast the pictures give way to the caption in the
    // scheme's colours; a button too small for its name shows this short
    // caption instead (its name stays what a screen reader reads).
    void SetContrastCaption(std::wstring caption) { contrastCaption_ = std::move(caption); }
    bool IsHot() const { return hot_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void SetHot(bool hot);
    void PaintContrastFace(HDC dc, RECT client);

    RECT bounds_;
    HBITMAP faces_[3];
    std::wstring contrastCaption_;
    bool hot_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
    WPARAM keyDown_ = 0;  // Space or Enter, pressed while this button had the focus
    std::shared_ptr<SingleAccessible> accessible_;
};

}  // namespace tw::ui
