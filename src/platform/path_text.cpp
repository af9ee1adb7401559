#include "platform/file_system.h"

namespace tw {

std::string FolderPart(std::string_view path) {
    const auto at = path.find_last_of("\\:");
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != '\\') out += '\\';
    return out;
}

std::string LongPathForm(std::string_view path) {
    constexpr std::size_t kClassicLimit = 248;  // a folder's limit leaves room for a 8.3 name
    const bool drivePath = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    if (!drivePath || path.size() < kClassicLimit) return std::string(path);
    return "\\\\?\\" + std::string(path);
}

}  // namespace tw
