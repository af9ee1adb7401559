#include "registry_cleaner/finding_tree.h"

#include "registry_cleaner/scan_categories.h"

namespace tw {

void FindingTree::Build(bool checked) {
    std::vector<std::size_t> counts;
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        counts.push_back(lists_.List(category).size());
    }
    checks_.Reset(std::move(counts), checked);
}

std::string FindingTree::CellText(ui::RowRef ref, int column) const {
    if (!ref.child) return column == 0 ? std::string(kCategoryTexts.at(ref.row).caption) : std::string();
    const Finding& f = lists_.List(ref.row).at(*ref.child);
    return column == 0 ? f.Entry : f.Root + " - " + f.Key;
}

}  // namespace tw
