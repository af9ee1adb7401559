#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/controls_win.h"

namespace tw::ui {

// Mutually exclusive choices, and the fields each choice brings to life:
// a field bound to a choice is enabled while that choice is selected and
// disabled otherwise, whether the user or the code selected it.
class RadioGroup {
public:
    RadioGroup() = default;
    RadioGroup(const RadioGroup&) = delete;
    RadioGroup& operator=(const RadioGroup&) = delete;

    // Adds the next choice; the first one is selected until another is.
    RadioButton& Add(const Placement& at, std::string_view caption);
    // The field is enabled only while the choice is selected.
    void Bind(std::size_t choice, Control& field);

    std::size_t Count() const { return buttons_.size(); }
    RadioButton& Button(std::size_t choice) { return *buttons_.at(choice); }
    std::size_t Selected() const { return selected_; }
    // Selecting in code raises no onChange, as with the other controls.
    void Select(std::size_t choice);

    // The user picked another choice.
    std::function<void()> onChange;

private:
    void Apply();

    std::vector<std::unique_ptr<RadioButton>> buttons_;
    std::vector<std::pair<std::size_t, Control*>> fields_;
    std::size_t selected_ = 0;
};

}  // namespace tw::ui
