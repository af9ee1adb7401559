#pragma once
#include <windows.h>

namespace tw::test {

// One press and release as the keyboard gives it: through the system's
// input queue to whichever window has the focus when it arrives.
inline void SendKeyStroke(WORD key) {
    INPUT strokes[2] = {};
    for (INPUT& stroke : strokes) {
        stroke.type = INPUT_KEYBOARD;
        stroke.ki.wVk = key;
    }
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

}  // namespace tw::test
