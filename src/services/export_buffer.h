#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/registry.h"
#include "platform/system.h"

namespace tw {

// The lines of one registry export file, in order. Values are kept as the
// registry gave them and only rendered when the file's form is known: the
// file is REGEDIT4 when every character fits the ANSI code page, and the
// UTF-16 version 5.00 form otherwise, so no name or text turns into "?".
class ExportBuffer {
public:
    void Clear() { lines_.clear(); }
    // The header line and the empty line after it.
    void AddHeader();
    // A key line, a delete-value line or an empty separator, as UTF-8.
    void AddLine(std::string text);
    // One value entry; the empty name is the default value.
    void AddValue(std::string name, RegValue value);

    std::size_t LineCount() const { return lines_.size(); }

    // The REGEDIT4 lines as UTF-8, or nullopt when a character has no exact
    // ANSI form.
    std::optional<std::vector<std::string>> Regedit4Lines(const System& system) const;
    std::vector<std::string> Version5Lines() const;
    // The bytes of the file: REGEDIT4 in ANSI when it fits, otherwise UTF-16LE
    // with a byte-order mark. Every line ends with CR LF, the last included.
    // The registry editor imports either form to the same bytes.
    std::vector<std::uint8_t> FileBytes(const System& system) const;
    std::optional<std::vector<std::uint8_t>> Regedit4FileBytes(const System& system) const;
    std::vector<std::uint8_t> Version5FileBytes() const;

private:
    struct Header {};
    struct Value {
        std::string name;
        RegValue value;
    };
    using Line = std::variant<Header, std::string, Value>;

    std::vector<Line> lines_;
};

}  // namespace tw
