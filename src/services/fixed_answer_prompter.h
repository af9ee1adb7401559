#pragma once
#include <string>

#include "services/prompter.h"

namespace tw {

// Answers every question alike and shows nothing: for programs that run a
// tool's logic with nobody at the screen (benchmarks, the screenshot harness).
class FixedAnswerPrompter final : public Prompter {
public:
    explicit FixedAnswerPrompter(bool answer) : answer_(answer) {}
    bool Confirm(const std::string&) override { return answer_; }
    void Notify(const std::string&) override {}
    void Inform(const std::string&) override {}
    void ShowError(const std::string&) override {}

private:
    bool answer_;
};

}  // namespace tw
