#pragma once
#include "privacy/privacy_clean.h"
#include "ui/row_model.h"

namespace tw {

// The list's images, in the order the page's image list holds them.
enum PrivacyImage : int { kImageCleaned = 0, kImagePassed = 1, kImageItem = 2 };

// Row i shows item i: its caption with a box and the item picture, then its
// status with the status picture.
class PrivacyList final : public ui::RowModel {
public:
    explicit PrivacyList(PrivacyRows& rows) : rows_(rows) {}
    std::size_t RowCount() const override { return kPrivacyItemCount; }
    std::string CellText(ui::RowRef ref, int column) const override;
    int ImageIndex(ui::RowRef) const override { return kImageItem; }
    int CellImageIndex(ui::RowRef ref, int column) const override;
    bool HasCheckBoxes() const override { return true; }
    ui::CheckState Check(ui::RowRef ref) override {
        return rows_.selected.at(ref.row) ? ui::CheckState::Checked : ui::CheckState::Unchecked;
    }
    void ToggleCheck(ui::RowRef ref) override { rows_.selected.at(ref.row) = !rows_.selected.at(ref.row); }

private:
    PrivacyRows& rows_;
};

}  // namespace tw
