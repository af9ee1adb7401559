#include "splitter/split_sizes.h"

#include <charconv>
#include <limits>

namespace tw {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::uint64_t> PieceSizeFor(std::size_t choice, std::string_view customMegabytes) {
    if (choice >= kSplitSizes.size()) return std::nullopt;
    if (choice != kCustomSizeChoice) return kSplitSizes[choice].bytes;
    const auto text = TrimBlanks(customMegabytes);
    std::uint64_t megabytes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), megabytes);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    // Sizes are 64-bit, so any count that does not overflow is a real size.
    if (megabytes < 1 || megabytes > std::numeric_limits<std::uint64_t>::max() / kMegabyte) return std::nullopt;
    return megabytes * kMegabyte;
}

}  // namespace tw
