#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// UTF-8 is the text of all code; UTF-16 appears only where Windows stores it
// (registry string data, W APIs). Invalid input never throws: bad sequences
// become U+FFFD so that a damaged name is still shown rather than lost.
namespace tw {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Case folding as Windows compares names: ASCII and Latin-1/Greek/Cyrillic
// letters fold; other characters compare as they are.
std::u16string FoldCase(std::u16string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

// Position (0-based) of needle in text ignoring ASCII case, or npos.
std::size_t FindIgnoreCase(std::string_view text, std::string_view needle, std::size_t from = 0);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

}  // namespace tw
