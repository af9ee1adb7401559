#pragma once
#include <stdexcept>
#include <string>

namespace tw {

// The one exception type of the product: a hard failure with the fixed text
// the user is shown by the application's general error handler.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// "%s"-style formatting of the fixed texts with one argument, e.g.
// FormatText("Failed to set data for '%s'", name).
std::string FormatText(std::string_view pattern, std::string_view argument);

}  // namespace tw
