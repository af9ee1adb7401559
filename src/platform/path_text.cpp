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

}  // namespace tw
