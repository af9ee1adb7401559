#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// UTF-8 is the text of all code; UTF-16 appears only where Windows stores it
// (registry string data, W APIs). The UTF-8 is in fact WTF-8: a UTF-16 unit
// that is half of no pair (names and data may hold one) gets the three-byte
// form of its own number, so every sequence of units converts to text and
// back unchanged. Invalid UTF-8 never throws: it becomes U+FFFD.
namespace tw {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Names compare as Windows compares registry keys, values and file names:
// each UTF-16 unit upper-cased on its own by the simple mapping of the
// Unicode data, nothing else (no normalisation, no special casing).
char16_t UpcaseUnit(char16_t unit);
std::u16string FoldCase(std::u16string_view text);
// The text with every unit upper-cased: a key for maps of names.
std::string UpcaseName(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

// Position (0-based) of needle in text ignoring ASCII case, or npos: for
// the fixed ASCII tokens (variable names) that path rules look for.
std::size_t FindIgnoreCase(std::string_view text, std::string_view needle, std::size_t from = 0);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

}  // namespace tw
