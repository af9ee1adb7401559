#include "privacy/privacy_list.h"

namespace tw {

std::string PrivacyList::CellText(ui::RowRef ref, int column) const {
    return std::string(column == 0 ? kPrivacyCaptions.at(ref.row) : StatusText(rows_.status.at(ref.row)));
}

int PrivacyList::CellImageIndex(ui::RowRef ref, int column) const {
    if (column != 1) return -1;
    switch (rows_.status.at(ref.row)) {
        case ItemStatus::Cleaned: return kImageCleaned;
        case ItemStatus::Passed: return kImagePassed;
        default: return -1;
    }
}

}  // namespace tw
