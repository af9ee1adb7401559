#include "ui/radio_group_win.h"

namespace tw::ui {

RadioButton& RadioGroup::Add(const Placement& at, std::string_view caption) {
    const std::size_t choice = buttons_.size();
    auto& button = *buttons_.emplace_back(Make<RadioButton>(at, {.caption = caption, .firstOfGroup = choice == 0}));
    button.onChange = [this, choice] {
        if (!buttons_[choice]->Checked() || choice == selected_) return;
        selected_ = choice;
        Apply();
        if (onChange) onChange();
    };
    if (choice == 0) button.SetChecked(true);
    return button;
}

void RadioGroup::Bind(std::size_t choice, Control& field) {
    fields_.emplace_back(choice, &field);
    field.Enable(choice == selected_);
}

void RadioGroup::Select(std::size_t choice) {
    if (choice >= buttons_.size()) return;
    selected_ = choice;
    Apply();
}

void RadioGroup::Apply() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(i == selected_);
    for (const auto& [choice, field] : fields_) field->Enable(choice == selected_);
}

}  // namespace tw::ui
