#pragma once
#include <cstddef>
#include <vector>

namespace tw::ui {

enum class CheckState { Unchecked, Checked, Mixed };

// The check states of a two-level tree: group rows with three states over
// child rows with two. A group's children come into being the first time
// they are needed (expanding, or reading one), taking the group's state at
// that moment, so checking a collapsed group reaches every child.
class CheckTree {
public:
    // One entry per group: its child count. Every row starts in `initial`.
    void Reset(std::vector<std::size_t> childCounts, bool initial);

    std::size_t GroupCount() const { return groups_.size(); }
    std::size_t ChildCount(std::size_t group) const { return groups_.at(group).childCount; }
    bool ChildrenCreated(std::size_t group) const { return groups_.at(group).created; }

    CheckState Group(std::size_t group) const { return groups_.at(group).state; }
    bool Child(std::size_t group, std::size_t child);

    // A group's check sets every child; a child's check sets its group to
    // checked, unchecked or mixed.
    void SetGroup(std::size_t group, bool checked);
    void SetChild(std::size_t group, std::size_t child, bool checked);
    // A click on a group: mixed and unchecked become checked.
    void ToggleGroup(std::size_t group);
    void SetAll(bool checked);

private:
    struct GroupState {
        std::size_t childCount = 0;
        CheckState state = CheckState::Unchecked;
        bool created = false;
        std::vector<bool> children;
    };
    void EnsureChildren(GroupState& g);

    std::vector<GroupState> groups_;
};

}  // namespace tw::ui
