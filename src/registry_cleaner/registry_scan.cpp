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

}  // namespace

void RunScan(const Platform& platform, FindingLists& lists, RunProgress& progress) {
    lists.Clear();
    progress.LetMessagesRun();
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        progress.ShowStatus(kCategoryTexts[category].status);
        kScanners[category](platform, lists.List(category));
        progress.LetMessagesRun();
    }
    progress.ShowStatus("");
}

}  // namespace tw
