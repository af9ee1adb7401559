#include "privacy/privacy_items.h"

namespace tw {

std::string_view StatusText(ItemStatus status) {
    switch (status) {
        case ItemStatus::Passed: return "Passed";
        case ItemStatus::Cleaned: return "Cleaned";
        default: return "";
    }
}

}  // namespace tw
