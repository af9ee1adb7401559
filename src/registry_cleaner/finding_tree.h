#pragma once
#include "registry_cleaner/finding.h"
#include "ui/row_model.h"

namespace tw {

// The result tree over the finding lists: nine category rows with their
// findings below them. It copies nothing; a finding row shows the finding
// at its position in its category's list.
class FindingTree final : public ui::CheckedTreeModel {
public:
    explicit FindingTree(const FindingLists& lists) : lists_(lists) {}

    // No rows at all: before the first scan and while a scan runs.
    void Clear() { checks_.Reset({}, true); }
    // Nine category rows over the lists as they stand, every row in the
    // given state.
    void Build(bool checked);
    bool Empty() const { return RowCount() == 0; }

    std::string CellText(ui::RowRef ref, int column) const override;
    // A category row shows the icon of its index; findings have none.
    int ImageIndex(ui::RowRef ref) const override { return ref.child ? -1 : static_cast<int>(ref.row); }

private:
    const FindingLists& lists_;
};

}  // namespace tw
