#include "ui/check_tree.h"

#include <algorithm>

namespace tw::ui {

void CheckTree::Reset(std::vector<std::size_t> childCounts, bool initial) {
    groups_.clear();
    for (auto count : childCounts)
        groups_.push_back({count, initial ? CheckState::Checked : CheckState::Unchecked, false, {}});
}

void CheckTree::EnsureChildren(GroupState& g) {
    if (g.created) return;
    g.children.assign(g.childCount, g.state == CheckState::Checked);
    g.created = true;
}

bool CheckTree::Child(std::size_t group, std::size_t child) {
    auto& g = groups_.at(group);
    EnsureChildren(g);
    return g.children.at(child);
}

void CheckTree::SetGroup(std::size_t group, bool checked) {
    auto& g = groups_.at(group);
    g.state = checked ? CheckState::Checked : CheckState::Unchecked;
    if (g.created) std::fill(g.children.begin(), g.children.end(), checked);
}

void CheckTree::SetChild(std::size_t group, std::size_t child, bool checked) {
    auto& g = groups_.at(group);
    EnsureChildren(g);
    g.children.at(child) = checked;
    const auto on = static_cast<std::size_t>(std::count(g.children.begin(), g.children.end(), true));
    g.state = on == g.children.size() ? CheckState::Checked : on == 0 ? CheckState::Unchecked : CheckState::Mixed;
}

void CheckTree::ToggleGroup(std::size_t group) { SetGroup(group, Group(group) != CheckState::Checked); }

void CheckTree::SetAll(bool checked) {
    for (std::size_t i = 0; i < groups_.size(); ++i) SetGroup(i, checked);
}

}  // namespace tw::ui
