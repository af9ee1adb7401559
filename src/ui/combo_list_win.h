#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "ui/controls_win.h"

namespace tw::ui {

// A drop-down list that cannot be typed into: the entries stay in the order
// they were added and the box always shows one of them or nothing.
class ComboList : public Control {
public:
    // The placement is the closed box; the list drops below it.
    ComboList(const Placement& at, std::initializer_list<std::string_view> entries = {});

    void Add(std::string_view entry);
    std::size_t Count() const;
    std::string Entry(std::size_t index) const;
    std::optional<std::size_t> Selected() const;
    // Selecting in code raises no onChange, as with the other controls.
    void Select(std::size_t index);

    // The user picked another entry.
    std::function<void()> onChange;
    void OnCommand(WORD code) override { if (code == CBN_SELCHANGE && onChange) onChange(); }
};

}  // namespace tw::ui
