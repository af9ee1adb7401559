#include "ui/number_text.h"

#include <algorithm>

namespace tw::ui {

bool IsNumberText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ClampNumberText(std::string_view text, int minimum, int maximum) {
    if (text.empty() || !IsNumberText(text)) return minimum;
    long long value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
        if (value > maximum) return maximum;
    }
    return static_cast<int>(std::max<long long>(value, minimum));
}

}  // namespace tw::ui
