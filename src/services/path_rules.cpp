#include "services/path_rules.h"

#include <array>

#include "platform/text.h"

namespace tw {
namespace {

struct PathToken {
    std::string_view token;
    std::string_view variable;
};

// The order matters: each replacement works on the result of the previous.
constexpr std::array kPathTokens{
    PathToken{"%systemroot%", "SystemRoot"},
    PathToken{"%systemdrive%", "SystemDrive"},
    PathToken{"%windir%", "windir"},
    PathToken{"%programfiles%", "ProgramFiles"},
};

std::string ReplaceAllIgnoreCase(std::string text, std::string_view token, std::string_view replacement) {
    std::size_t at = FindIgnoreCase(text, token);
    while (at != std::string::npos) {
        text.replace(at, token.size(), replacement);
        // Continue after the replacement, so a value that itself holds the
        // token is not expanded again.
        at = FindIgnoreCase(text, token, at + replacement.size());
    }
    return text;
}

// Positions below are 1-based and count characters, not UTF-8 bytes, so a
// non-ASCII extension is still three characters long.

std::size_t FirstFullStop(std::u16string_view text) {
    const std::size_t at = text.find(u'.');
    return at == std::u16string_view::npos ? 0 : at + 1;
}

// 0 stands for "no character": the text is shorter than the position.
char16_t CharAt(std::u16string_view text, std::size_t position) {
    return position >= 1 && position <= text.size() ? text[position - 1] : 0;
}

// The character after a three-character extension ends the path only when
// it is the end of the text, a closing quote, a space before arguments, or
// (for icon references) the comma before the icon index.
bool EndsAfterExtension(char16_t next, bool allowComma) {
    return next == 0 || next == u'"' || next == u' ' || (allowComma && next == u',');
}

bool IsLocalDrivePath(std::u16string_view text) {
    if (text.find(u":\\") != 1) return false;
    const char16_t drive = text[0];
    return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
}

}  // namespace

std::string ExpandPathVariables(const System& system, std::string_view text) {
    std::string result(text);
    for (const PathToken& entry : kPathTokens) {
        if (FindIgnoreCase(result, entry.token) == std::string::npos) continue;
        const std::string value = system.Environment(entry.variable).value_or(std::string());
        result = ReplaceAllIgnoreCase(std::move(result), entry.token, value);
    }
    return result;
}

bool IsFileReferenceValid(const FileSystem& files, const System& system, std::string_view text,
                          bool allowComma) {
    const std::string expanded = ExpandPathVariables(system, text);
    if (expanded.empty()) return true;
    std::u16string t = Utf8ToUtf16(expanded);
    if (t.front() == u'"') t.erase(0, 1);
    const std::size_t fullStop = FirstFullStop(t);
    if (!EndsAfterExtension(CharAt(t, fullStop + 4), allowComma)) return true;
    if (!IsLocalDrivePath(t)) return true;
    return files.FileExists(Utf16ToUtf8(std::u16string_view(t).substr(0, fullStop + 3)));
}

std::string ExtractStartupPath(std::string_view text) {
    const std::u16string input = Utf8ToUtf16(text);
    const bool quoted = !input.empty() && input.front() == u'"';
    const std::u16string_view t = std::u16string_view(input).substr(quoted ? 1 : 0);
    // For quoted input the full stop is counted in the input, quote included,
    // while the character after the extension is taken from t: the test then
    // looks one character further, past the closing quote.
    const std::size_t inputFullStop = FirstFullStop(input);
    if (EndsAfterExtension(CharAt(t, inputFullStop + 4), false) && IsLocalDrivePath(t)) {
        return Utf16ToUtf8(t.substr(0, FirstFullStop(t) + 3));
    }
    return quoted ? std::string(text.substr(1)) : std::string();
}

std::string SpecialFolderPath(const Shell& shell, int csidl) {
    return shell.SpecialFolderPath(csidl);
}

}  // namespace tw
