#include "registry_cleaner/finding.h"

#include <array>

namespace tw {
namespace {

using Member = std::vector<Finding> FindingLists::*;

// Index order is category order.
constexpr std::array<Member, kCategoryCount> kLists{
    &FindingLists::lvSharedDll, &FindingLists::lvFont,    &FindingLists::lvCOM,
    &FindingLists::lvFileType,  &FindingLists::lvIcon,    &FindingLists::lvAppPath,
    &FindingLists::lvHelpFile,  &FindingLists::lvActivex, &FindingLists::lvSounds,
};

}  // namespace

std::vector<Finding>& FindingLists::List(std::size_t category) { return this->*kLists.at(category); }

const std::vector<Finding>& FindingLists::List(std::size_t category) const { return this->*kLists.at(category); }

void FindingLists::Clear() {
    for (const Member member : kLists) (this->*member).clear();
}

}  // namespace tw
