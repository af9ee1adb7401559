#pragma once
#include <windows.h>

namespace tw::ui {

// The application's message loop: the top-level window previews keys, then
// dialog navigation (Tab, mnemonics, Enter, Esc) runs, then dispatch.
int RunMessageLoop();

// Lets pending messages run during a long operation on the UI thread, so the
// window repaints and stays responsive. Returns false once WM_QUIT arrived
// (it is posted again for the outer loop).
bool PumpMessages();

// One message through the same path as the loop.
void ProcessMessage(MSG& msg);

}  // namespace tw::ui
