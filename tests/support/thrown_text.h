#pragma once
#include <functional>
#include <string>

#include "platform/error.h"

namespace tw::test {

// The text of the tw::Error an action throws, or "(nothing thrown)".
inline std::string ThrownText(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

}  // namespace tw::test
