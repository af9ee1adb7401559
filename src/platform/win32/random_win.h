#pragma once
#include "platform/random.h"

namespace tw {

// The system's preferred cryptographic generator.
class Win32Random final : public RandomSource {
public:
    void Fill(std::span<std::uint8_t> bytes) override;
};

}  // namespace tw
