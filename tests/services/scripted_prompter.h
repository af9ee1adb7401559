#pragma once
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "services/prompter.h"

namespace tw {

// Answers questions from a script and records everything shown, so a test
// can assert the exact texts. A question without a scripted answer, or an
// answer left unused, fails the test.
class ScriptedPrompter final : public Prompter {
public:
    enum class Kind { Confirm, Notify, Inform, Error };
    struct Shown {
        Kind kind;
        std::string text;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    ScriptedPrompter() = default;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;
    ~ScriptedPrompter() override {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) never asked for";
    }

    ScriptedPrompter& Answer(bool ok) {
        answers_.push_back(ok);
        return *this;
    }
    const std::vector<Shown>& History() const { return shown_; }

    bool Confirm(const std::string& text) override {
        shown_.push_back({Kind::Confirm, text});
        if (answers_.empty()) {
            ADD_FAILURE() << "unscripted question: " << text;
            return false;
        }
        const bool ok = answers_.front();
        answers_.pop_front();
        return ok;
    }
    void Notify(const std::string& text) override { shown_.push_back({Kind::Notify, text}); }
    void Inform(const std::string& text) override { shown_.push_back({Kind::Inform, text}); }
    void ShowError(const std::string& text) override { shown_.push_back({Kind::Error, text}); }

private:
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};

}  // namespace tw
