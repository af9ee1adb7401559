#include "suite/help_viewer.h"

#include "platform/text.h"

namespace tw {
namespace {

constexpr std::string_view kSeparators = "\\/";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool HasFolderPart(std::string_view path) {
    return path.find_first_of("\\/:") != std::string_view::npos;
}

// The extension of a topic's last path component, with its full stop; empty
// when that component has none, so "sub.d/page" has no extension.
std::string_view TopicExtension(std::string_view topic) {
    const auto dot = topic.rfind('.');
    if (dot == std::string_view::npos) return {};
    const auto separator = topic.find_last_of(kSeparators);
    if (separator != std::string_view::npos && separator > dot) return {};
    return topic.substr(dot);
}

}  // namespace

bool IsCompiledHelpFile(std::string_view path) {
    const auto dot = path.rfind('.');
    return dot != std::string_view::npos && ToLowerAscii(path.substr(dot + 1)) == "chm";
}

std::string ResolveHelpFile(std::string_view namedFile, std::string_view applicationHelpFile,
                            std::string_view moduleFolder) {
    const std::string_view chosen = namedFile.empty() ? applicationHelpFile : namedFile;
    if (chosen.empty() || HasFolderPart(chosen)) return std::string(chosen);
    std::string path(moduleFolder);
    if (!path.empty() && kSeparators.find(path.back()) == std::string_view::npos) path += '\\';
    return path.append(chosen);
}

std::string HelpTopicAddress(std::string_view helpFile, std::string_view topic) {
    std::string address = std::string(helpFile) + "::/" + std::string(topic);
    const std::string extension = ToLowerAscii(TopicExtension(topic));
    if (extension != ".htm" && extension != ".html") address += ".htm";
    return address;
}

std::string KeywordFromRequest(std::string_view text) {
    const auto colon = text.find(':');
    if (colon != std::string_view::npos) text.remove_prefix(colon + 1);
    return std::string(Trim(text));
}

std::string HelpFilePath(std::string_view executableFolderWithTrailingBackslash) {
    return std::string(executableFolderWithTrailingBackslash) + "\\" + std::string(kHelpFileName);
}

}  // namespace tw
