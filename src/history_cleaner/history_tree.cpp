#include "history_cleaner/history_tree.h"

namespace tw {

void HistoryTree::Build() {
    std::vector<std::size_t> counts;
    for (std::size_t group = 0; group < kGroupCount; ++group) counts.push_back(groups_.List(group).size());
    checks_.Reset(std::move(counts), true);
}

std::string HistoryTree::CellText(ui::RowRef ref, int column) const {
    if (!ref.child) return column == 0 ? std::string(kGroupCaptions.at(ref.row)) : std::string();
    const CacheItem& item = groups_.List(ref.row).at(*ref.child);
    switch (column) {
        case 0: return item.URL;
        case 1: return std::to_string(item.Hits);
        case 2: return std::to_string(item.Size);
        case 3: return FormatDate(system_.ToLocalTime(item.Last), system_.DateSeparator());
        default: return {};
    }
}

}  // namespace tw
