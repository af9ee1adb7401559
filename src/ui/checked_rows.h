#pragma once
#include <cstddef>
#include <vector>

#include "ui/row_model.h"

namespace tw::ui {

// A flat list whose every row has a box, over rows the tool owns: the box is
// one bool member of the row. What a row shows is the tool's to say.
template <typename Row>
class CheckedRows : public RowModel {
public:
    CheckedRows(std::vector<Row>& rows, bool Row::*ticked) : rows_(rows), ticked_(ticked) {}

    std::size_t RowCount() const override { return rows_.size(); }
    bool HasCheckBoxes() const override { return true; }
    CheckState Check(RowRef ref) override { return rows_[ref.row].*ticked_ ? CheckState::Checked : CheckState::Unchecked; }
    void ToggleCheck(RowRef ref) override { rows_[ref.row].*ticked_ = !(rows_[ref.row].*ticked_); }

    // "Select All" and "Unselect All".
    void TickAll(bool ticked) {
        for (auto& row : rows_) row.*ticked_ = ticked;
    }
    // The ticked rows, in list order.
    std::vector<const Row*> Ticked() const {
        std::vector<const Row*> ticked;
        for (const auto& row : rows_)
            if (row.*ticked_) ticked.push_back(&row);
        return ticked;
    }

protected:
    const Row& At(RowRef ref) const { return rows_[ref.row]; }

private:
    std::vector<Row>& rows_;
    bool Row::*ticked_;
};

}  // namespace tw::ui
