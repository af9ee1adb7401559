#include "startup_manager/shortcut_backup.h"

#include <charconv>

#include "services/export_format.h"

namespace tw {
namespace {

constexpr std::string_view kFirstLine = "Quorvex Tidewell startup shortcut";

std::string IdentityText(const FileIdentity& id) {
    return std::to_string(id.volume) + ":" + std::to_string(id.idHigh) + ":" + std::to_string(id.idLow);
}

std::optional<std::uint64_t> Number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<FileIdentity> ParseIdentity(std::string_view text) {
    const auto first = text.find(':'), second = text.find(':', first + 1);
    if (first == text.npos || second == text.npos) return std::nullopt;
    const auto volume = Number(text.substr(0, first));
    const auto high = Number(text.substr(first + 1, second - first - 1));
    const auto low = Number(text.substr(second + 1));
    if (!volume || !high || !low) return std::nullopt;
    return FileIdentity{*volume, *high, *low};
}

std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 0; at < text.size(); at += 3) {
        std::uint8_t byte = 0;
        const char* const last = text.data() + std::min(at + 2, text.size());
        const auto [end, error] = std::from_chars(text.data() + at, last, byte, 16);
        if (error != std::errc() || end != last) return std::nullopt;
        if (at + 2 < text.size() && text[at + 2] != ',') return std::nullopt;
        bytes.push_back(byte);
    }
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> EncodeShortcutBackup(const ShortcutBackup& backup) {
    std::string text = std::string(kFirstLine) + "\r\n";
    text += "Location=" + backup.location + "\r\n";
    text += "Folder=" + backup.folder + "\r\n";
    text += "File=" + backup.fileName + "\r\n";
    if (backup.folderIdentity) text += "FolderId=" + IdentityText(*backup.folderIdentity) + "\r\n";
    if (backup.mark) text += "Mark=" + HexBytes(*backup.mark) + "\r\n";
    text += "\r\n";
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.insert(bytes.end(), backup.bytes.begin(), backup.bytes.end());
    return bytes;
}

std::optional<ShortcutBackup> DecodeShortcutBackup(std::span<const std::uint8_t> bytes) {
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto end = all.find("\r\n\r\n");
    if (end == all.npos) return std::nullopt;
    std::string_view head = all.substr(0, end + 2);
    ShortcutBackup backup;
    bool first = true, haveFile = false;
    while (!head.empty()) {
        const auto lineEnd = head.find("\r\n");
        const std::string_view line = head.substr(0, lineEnd);
        head.remove_prefix(lineEnd + 2);
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == line.npos) return std::nullopt;
        const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "Location") {
            backup.location = value;
        } else if (key == "Folder") {
            backup.folder = value;
        } else if (key == "File") {
            backup.fileName = value;
            haveFile = true;
        } else if (key == "FolderId") {
            if (!(backup.folderIdentity = ParseIdentity(value))) return std::nullopt;
        } else if (key == "Mark") {
            if (!(backup.mark = ParseHex(value))) return std::nullopt;
        }
    }
    // A name with a path in it would lead the restore out of its folder.
    const bool plainName = backup.fileName.find_first_of("\\/:") == std::string::npos && backup.fileName != "." &&
                           backup.fileName != "..";
    if (first || !haveFile || !plainName || backup.folder.empty()) return std::nullopt;
    backup.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(end + 4), bytes.end());
    return backup;
}

}  // namespace tw
