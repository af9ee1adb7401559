#include "registry_cleaner/registry_scan.h"

#include <array>

#include "registry_cleaner/scan_categories.h"
#include "registry_cleaner/scanners.h"

namespace tw {
namespace {

using Scanner = void (*)(const Platform&, std::vector<Finding>&);

// Index order is category order.
constexpr std::array<Scanner, kCategoryCount> kScanners{
    ScanSharedDlls, ScanFonts, ScanComObjects, ScanFileTypes, ScanIcons,
    ScanAppPaths,   ScanHelpFiles, ScanActivex, ScanSounds,
};

void LetMessagesRun(const std::function<void()>& pump) {
    if (pump) pump();
}

void Show(const std::function<void(const std::string&)>& status, std::string_view text) {
    if (status) status(std::string(text));
}

}  // namespace

void RunScan(const Platform& platform, FindingLists& lists, const ScanProgress& progress) {
    lists.Clear();
    LetMessagesRun(progress.pump);
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        Show(progress.status, kCategoryTexts[category].status);
        kScanners[category](platform, lists.List(category));
        LetMessagesRun(progress.pump);
    }
    Show(progress.status, "");
}

}  // namespace tw
