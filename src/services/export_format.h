#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "platform/system.h"

namespace tw {

// The two forms of a registry export file. REGEDIT4 is ANSI text; the
// version 5.00 form is UTF-16LE and carries any character.
inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

// A backslash before every double quote and every backslash.
std::string EscapeExportText(std::string_view text);

// The escaped text between double quotes, as names and REG_SZ data appear.
std::string QuotedExportText(std::string_view text);

// Lower-case two-digit bytes separated by commas: "01,ab".
std::string HexBytes(std::span<const std::uint8_t> bytes);

// Both forms write REG_SZ data as quoted text only when the editor imports
// that text back to the same bytes (one terminating zero, no other zero, no
// line break), and every other string data in a hex form, so the restored
// bytes do not depend on which of the two files was written.
//
// The line of one value in the REGEDIT4 form, as UTF-8; nullopt when the
// value has no exact ANSI form. Value names and REG_SZ text stay UTF-8 here
// and are converted with the whole line.
std::optional<std::string> Regedit4ValueLine(std::string_view name, const RegValue& value,
                                             const System& system);

// The line of one value in the version 5.00 form, as UTF-8.
std::string Version5ValueLine(std::string_view name, const RegValue& value);

// Whether a key or value name can be written into a registry file at all:
// a line break would end its line, and the rest would be read as lines of
// their own (a "[" there opens a key anywhere).
bool RegistryFileCanCarry(std::string_view name);

}  // namespace tw
