#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// A file-name mask ("*.tmp", "file*.chk", "[a-c]*.$$$") read once and then
// matched against many names: a drive walk tests every entry against every
// mask, so the mask text is not parsed again for each name.
class FileMask {
public:
    // Throws tw::Error "'%s' is an invalid mask at (%d)" with the 1-based
    // character position of the fault.
    explicit FileMask(std::string_view mask);

    // The whole name must match the whole mask; letters a-z ignore case.
    bool Matches(std::string_view name) const;
    // The same for a name already read into characters (DecodeName), so a
    // name tested against several masks is read once.
    bool Matches(std::u32string_view name) const;

private:
    enum class Kind { Literal, AnyOne, AnyRun, Set };
    struct Range {
        char32_t low, high;
    };
    struct Token {
        explicit Token(Kind k, char32_t c = 0) : kind(k), literal(c) {}
        Kind kind;
        char32_t literal = 0;
        bool negated = false;
        std::vector<Range> ranges;
    };

    std::size_t ReadSet(std::string_view mask, std::u32string_view chars, std::size_t i);
    bool TokenMatches(const Token& token, char32_t c) const;

    std::vector<Token> tokens_;
    // Every match is at least this long, and exactly this long without a
    // "*"; its last characters are the mask's trailing literals. Most names
    // fail these cheap tests before the full match is tried.
    std::size_t minLength_ = 0;
    bool hasRun_ = false;
    std::size_t trailingLiterals_ = 0;
};

// A UTF-8 name as characters, into a buffer the caller keeps between names.
void DecodeName(std::string_view name, std::u32string& into);

bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace tw
