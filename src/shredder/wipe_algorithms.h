#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tw {

// One overwrite of a whole file: a pattern of one or three bytes repeated,
// or a block of random bytes drawn afresh for the pass.
struct WipePass {
    bool random = false;
    std::array<std::uint8_t, 3> pattern{};
    std::size_t patternLength = 1;

    static WipePass Byte(std::uint8_t value) { return {false, {value, 0, 0}, 1}; }
    static WipePass Triple(std::uint8_t a, std::uint8_t b, std::uint8_t c) { return {false, {a, b, c}, 3}; }
    static WipePass Random() { return {true, {}, 1}; }
};

struct WipeAlgorithm {
    std::string_view caption;
    std::vector<WipePass> passes;
};

// Numbered 1 to 6 as they are stored and listed.
inline constexpr int kWipeAlgorithmCount = 6;
inline constexpr int kDefaultWipeAlgorithm = 3;
const WipeAlgorithm& WipeAlgorithmNumber(int number);

}  // namespace tw
