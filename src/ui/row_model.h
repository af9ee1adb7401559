#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "ui/check_tree.h"

namespace tw::ui {

// A row of a list or of a two-level tree: a top row, or a child of one.
struct RowRef {
    std::size_t row = 0;
    std::optional<std::size_t> child;
    bool IsChild() const { return child.has_value(); }
    friend bool operator==(const RowRef&, const RowRef&) = default;
};

// What a row view shows. The model owns the data and formats text on
// demand; the view keeps only what is on screen.
class RowModel {
public:
    virtual ~RowModel() = default;
    virtual std::size_t RowCount() const = 0;
    // A tree model's top rows are groups; asked when a group is drawn or
    // opened, so children come into being only when needed.
    virtual std::size_t ChildCount(std::size_t) const { return 0; }
    virtual bool IsTree() const { return false; }
    virtual std::string CellText(RowRef ref, int column) const = 0;
    // An index into the view's image list (32-pixel list for tree groups,
    // 16-pixel list for the rest); -1 for none.
    virtual int ImageIndex(RowRef) const { return -1; }
    // The icon of a cell after the first (a status column), from the
    // 16-pixel list, drawn before the cell's text; -1 for none.
    virtual int CellImageIndex(RowRef, int /*column*/) const { return -1; }
    virtual bool HasCheckBoxes() const { return false; }
    virtual CheckState Check(RowRef) { return CheckState::Unchecked; }
    // A click or Space on a row's box.
    virtual void ToggleCheck(RowRef) {}
};

// A tree model whose boxes track each other: groups three-state, children
// two-state, through a CheckTree.
class CheckedTreeModel : public RowModel {
public:
    std::size_t RowCount() const override { return checks_.GroupCount(); }
    bool IsTree() const override { return true; }
    bool HasCheckBoxes() const override { return true; }
    std::size_t ChildCount(std::size_t row) const override { return checks_.ChildCount(row); }
    CheckState Check(RowRef ref) override {
        if (!ref.child) return checks_.Group(ref.row);
        return checks_.Child(ref.row, *ref.child) ? CheckState::Checked : CheckState::Unchecked;
    }
    void ToggleCheck(RowRef ref) override {
        if (!ref.child)
            checks_.ToggleGroup(ref.row);
        else
            checks_.SetChild(ref.row, *ref.child, !checks_.Child(ref.row, *ref.child));
    }
    CheckTree& Checks() { return checks_; }

protected:
    CheckTree checks_;
};

}  // namespace tw::ui
