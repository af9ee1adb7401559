#pragma once
#include <string>
#include <string_view>

namespace tw::ui {

// The text of a whole-number box (digits only, so 0 and up): true when
// every character is a digit. An empty text is still a number being typed.
bool IsNumberText(std::string_view text);

// The number a box's text stands for, brought into [minimum, maximum]:
// an empty or non-numeric text gives the minimum, a too-long one the
// maximum.
int ClampNumberText(std::string_view text, int minimum, int maximum);

}  // namespace tw::ui
