#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

struct SplitSize {
    std::string_view caption;
    std::uint64_t bytes;  // 0 for the custom size, which comes from its field
};

inline constexpr std::uint64_t kMegabyte = 1048576;

// The radio buttons of the split page, in order; the last is the custom size.
inline constexpr std::array<SplitSize, 8> kSplitSizes{{
    {"1.2 MB (5.25\" Floppy Disk)", 1200 * 1024},
    {"1.44 MB (3.5\" Floppy Disk)", 1440 * 1024},
    {"100 MB", 100 * kMegabyte},
    {"250 MB", 250 * kMegabyte},
    {"550 MB (63 Minutes CD-ROM)", 550 * kMegabyte},
    {"650 MB (74 Minutes CD-ROM)", 650 * kMegabyte},
    {"700 MB (80 Minutes CD-ROM)", 700 * kMegabyte},
    {"Custom Size", 0},
}};
inline constexpr std::size_t kCustomSizeChoice = kSplitSizes.size() - 1;

inline constexpr std::string_view kCustomSizeRefused =
    "Please enter the custom split size as a whole number of MBytes, 1 or more.";

// The piece size in bytes for a choice; for the custom size the field's text
// must be a whole number of at least 1 MByte. nullopt when it is not.
std::optional<std::uint64_t> PieceSizeFor(std::size_t choice, std::string_view customMegabytes);

}  // namespace tw
