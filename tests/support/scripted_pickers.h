#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/pickers.h"

namespace tw {

// File and folder choices from a script; a dialog the script did not expect
// fails the test rather than blocking it.
class ScriptedPickers final : public Pickers {
public:
    ScriptedPickers& Files(std::vector<std::string> paths) {
        files_.push_back(std::move(paths));
        return *this;
    }
    ScriptedPickers& Folder(std::optional<std::string> path) {
        folders_.push_back(std::move(path));
        return *this;
    }
    const std::vector<std::string>& Titles() const { return titles_; }

    std::optional<std::string> OpenFile(const std::string& title, const std::vector<FileFilter>& filters) override {
        auto paths = OpenFiles(title, filters);
        if (paths.empty()) return std::nullopt;
        return paths.front();
    }
    std::vector<std::string> OpenFiles(const std::string& title, const std::vector<FileFilter>&) override {
        titles_.push_back(title);
        if (files_.empty()) {
            ADD_FAILURE() << "unscripted file dialog: " << title;
            return {};
        }
        auto paths = files_.front();
        files_.pop_front();
        return paths;
    }
    std::optional<std::string> BrowseFolder(const std::string& title) override {
        titles_.push_back(title);
        if (folders_.empty()) {
            ADD_FAILURE() << "unscripted folder browser: " << title;
            return std::nullopt;
        }
        auto path = folders_.front();
        folders_.pop_front();
        return path;
    }

private:
    std::deque<std::vector<std::string>> files_;
    std::deque<std::optional<std::string>> folders_;
    std::vector<std::string> titles_;
};

}  // namespace tw
