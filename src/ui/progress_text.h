#pragma once
#include <string>

namespace tw::ui {

// The status-label animation: the base text with zero to three trailing
// full stops, advancing on each timer tick.
class ProgressText {
public:
    explicit ProgressText(std::string base) : base_(std::move(base)) {}
    std::string Tick() {
        std::string text = Text();
        counter_ = (counter_ + 1) % 4;
        return text;
    }
    // What the next tick shows.
    std::string Text() const { return base_ + std::string(static_cast<std::size_t>(counter_), '.'); }

private:
    std::string base_;
    int counter_ = 0;
};

}  // namespace tw::ui
