#pragma once
#include <string>

namespace tw {

// Every question and notice the logic shows goes through this, so windows
// answer with real message boxes and tests answer by script.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A warning titled "Warning" with OK and Cancel, Cancel the default
    // button; true on OK.
    virtual bool Confirm(const std::string& text) = 0;
    // A plain notice under the application title.
    virtual void Notify(const std::string& text) = 0;
    // A notice titled "Information".
    virtual void Inform(const std::string& text) = 0;
    virtual void ShowError(const std::string& text) = 0;
};

}  // namespace tw
