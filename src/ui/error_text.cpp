#include "ui/error_text.h"

namespace tw {

std::string ErrorReportText(const std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) return text + ".";
    return text;
}

}  // namespace tw
