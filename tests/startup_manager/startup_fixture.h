#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/memory/memory_platform.h"
#include "startup_manager/startup_enumeration.h"
#include "startup_manager/startup_locations.h"

namespace tw {

inline constexpr std::string_view kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunOff = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run-";
inline constexpr std::string_view kServices = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline constexpr std::string_view kRun32 = "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRun32Off = "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run-";
inline constexpr std::string_view kApprovedRun =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr std::string_view kApprovedFolder =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";
inline constexpr std::string_view kApprovedRun32 =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32";

// A file's bytes as they are on disk, for a byte compare.
inline std::vector<std::uint8_t> FileBytes(FileSystem& files, const std::string& path) {
    const auto stream = files.Open(path, OpenMode::Read, Share::Read);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream->Size()));
    bytes.resize(stream->Read(bytes));
    return bytes;
}

// Hands out icon indexes in order and records what was asked: a path, or
// an item-ID list's bytes.
class CountingIcons final : public StartupIcons {
public:
    int ForFile(std::string_view path) override {
        asked.emplace_back(path);
        return static_cast<int>(asked.size());
    }
    int ForItem(const ItemIdList& item) override {
        asked.emplace_back(item.begin(), item.end());
        return static_cast<int>(asked.size());
    }
    std::vector<std::string> asked;
};

// The in-memory machine with its two startup folders.
struct StartupMachine {
    MemoryPlatform p;
    StartupStore store{p.registry, p.files, p.shell, true};
    CountingIcons icons;

    std::string Folder(int csidl) const { return p.shell.SpecialFolderPath(csidl); }
    std::string UserFolder() const { return Folder(Csidl::Startup); }
    std::string CommonFolder() const { return Folder(Csidl::CommonStartup); }
    void Value(RootKey root, std::string_view key, std::string_view name, std::string_view data,
               std::uint32_t type = RegType::Sz) {
        p.registry.WriteValue(root, key, name, RegValue::String(data, type));
    }
    void Link(const std::string& path, std::string target, std::string arguments = {}, std::string comment = {},
              ItemIdList item = {}) {
        NewShortcut link;
        link.targetPath = std::move(target);
        link.itemIdList = std::move(item);
        link.arguments = std::move(arguments);
        link.description = std::move(comment);
        p.shell.CreateShortcut(path, link);
    }
    std::vector<StartupEntry> List() {
        std::vector<StartupEntry> rows;
        EnumerateStartupEntries(store, icons, rows);
        return rows;
    }
};

}  // namespace tw
