#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tw {

// The small key helper the tools lean on: one root and one open path at a
// time, with the fixed error texts of the product. It holds no OS handle;
// every call goes to the registry afresh.
class RegKey {
public:
    RegKey(Registry& registry, RootKey root) : registry_(registry), root_(root) {}

    // Opens a key; with create, makes it when missing. False when it cannot.
    bool Open(std::string_view path, bool create);
    void Close() { path_.clear(); open_ = false; }
    bool IsOpen() const { return open_; }
    const std::string& Path() const { return path_; }

    bool ValueExists(std::string_view name) const;
    // Empty when missing; "Invalid data type for '%s'" when not a string.
    std::string ReadString(std::string_view name) const;
    // A DWORD: "Failed to get data for '%s'" when missing or longer than
    // four bytes, "Invalid data type for '%s'" when of another type.
    std::uint32_t ReadDword(std::string_view name) const;
    // "Failed to set data for '%s'" when the write fails.
    void WriteString(std::string_view name, std::string_view text);
    void WriteDword(std::string_view name, std::uint32_t number);
    bool DeleteValue(std::string_view name);

private:
    Registry& registry_;
    RootKey root_;
    std::string path_;
    bool open_ = false;
};

}  // namespace tw
