#include "services/private_copy.h"

#include <array>
#include <cstdint>
#include <vector>

#include "platform/error.h"

namespace tw {
namespace {

// Only a broken generator draws a taken name this often.
constexpr int kNameDraws = 16;

std::string RandomFolderName(RandomSource& random) {
    // 128 bits: no one can make a folder of that name before we do.
    std::array<std::uint8_t, 16> bytes{};
    random.Fill(bytes);
    constexpr char kDigits[] = "0123456789abcdef";
    std::string name = "Tidewell-";
    for (const std::uint8_t byte : bytes) {
        name += kDigits[byte >> 4];
        name += kDigits[byte & 0xf];
    }
    return name;
}

}  // namespace

std::optional<std::string> NewPrivateFolder(FileSystem& files, RandomSource& random, std::string_view parent) {
    const std::string prefix = WithTrailingBackslash(parent);
    for (int draw = 0; draw < kNameDraws; ++draw) {
        const std::string folder = prefix + RandomFolderName(random);
        if (files.CreatePrivateFolder(folder)) return folder;
        // Failing on a free name means the parent refuses us: drawing again
        // would fail the same way.
        if (!files.Attributes(folder).has_value()) return std::nullopt;
    }
    return std::nullopt;
}

bool CopyToNewFile(FileSystem& files, std::string_view from, std::string_view to) {
    std::vector<std::uint8_t> bytes;
    try {
        auto source = files.Open(from, OpenMode::Read, Share::Read);
        bytes.resize(static_cast<std::size_t>(source->Size()));
        bytes.resize(source->Read(bytes));
    } catch (const Error&) {
        return false;
    }
    std::unique_ptr<Stream> copy;
    try {
        copy = files.Open(to, OpenMode::CreateNew, Share::Read);
    } catch (const Error&) {
        return false;  // not ours, so never deleted
    }
    try {
        copy->Write(bytes);
        return true;
    } catch (const Error&) {
        copy.reset();
        files.DeleteFile(to);
        return false;
    }
}

}  // namespace tw
