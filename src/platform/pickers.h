#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tw {

// The file-open dialog and the folder browser, so windows can be driven by
// script in tests. Filters are pairs of caption and pattern, as
// {"All Files (*.*)", "*.*"}.
struct FileFilter {
    std::string caption;
    std::string pattern;
};

class Pickers {
public:
    virtual ~Pickers() = default;
    // nullopt when the user cancels.
    virtual std::optional<std::string> OpenFile(const std::string& title, const std::vector<FileFilter>& filters) = 0;
    // Several files; the read-only option is hidden. Empty when cancelled.
    virtual std::vector<std::string> OpenFiles(const std::string& title, const std::vector<FileFilter>& filters) = 0;
    virtual std::optional<std::string> BrowseFolder(const std::string& title) = 0;
};

}  // namespace tw
