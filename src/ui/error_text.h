#pragma once
#include <string>

namespace tw {

inline constexpr const char* kApplicationTitle = "Quorvex System Optimizer";
inline constexpr const char* kProductName = "Quorvex Tidewell";

// The general error handler's text: a full stop is appended when the last
// character sorts after "." (so "x" gets one, "x." and "x!" do not).
std::string ErrorReportText(const std::string& text);

}  // namespace tw
