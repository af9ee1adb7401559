#pragma once
#include "history_cleaner/cache_groups.h"
#include "platform/system.h"
#include "ui/row_model.h"

namespace tw {

// The cache tree over the three entry groups: a group row per group with its
// entries below. It copies nothing: an entry row shows the item at its
// position in its group's list, formatted when it is drawn.
class HistoryTree final : public ui::CheckedTreeModel {
public:
    HistoryTree(const CacheGroups& groups, const System& system) : groups_(groups), system_(system) {}

    // No rows at all: before the first fill and while one runs.
    void Clear() { checks_.Reset({}, true); }
    // Three group rows over the lists as they stand, every row checked.
    void Build();
    bool Empty() const { return RowCount() == 0; }

    std::string CellText(ui::RowRef ref, int column) const override;
    // A group row shows the icon of its index; entries have none.
    int ImageIndex(ui::RowRef ref) const override { return ref.child ? -1 : static_cast<int>(ref.row); }

private:
    const CacheGroups& groups_;
    const System& system_;
};

}  // namespace tw
