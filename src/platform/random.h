#pragma once
#include <cstdint>
#include <span>

namespace tw {

// Cryptographically strong random bytes (the shredder's random passes).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Fill(std::span<std::uint8_t> bytes) = 0;
};

// A repeatable source for tests: a fixed seed gives the same bytes.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ULL) {}
    void Fill(std::span<std::uint8_t> bytes) override {
        for (auto& b : bytes) {
            state_ ^= state_ << 13;
            state_ ^= state_ >> 7;
            state_ ^= state_ << 17;
            b = static_cast<std::uint8_t>(state_ >> 56);
        }
    }

private:
    std::uint64_t state_;
};

}  // namespace tw
