#include "drive_cleaner/file_mask.h"

#include "platform/error.h"

namespace tw {
namespace {

constexpr int kMaxStarSegments = 30;

// Names and masks are UTF-8; "?" and sets stand for one character, not one
// byte. A malformed byte stands for itself.
void AppendCharacters(std::string_view text, std::u32string& out) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if (extra == 0 || i + extra >= text.size()) {
            out.push_back(lead);
            ++i;
            continue;
        }
        char32_t c = lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(c);
        i += extra + 1;
    }
}

std::u32string Characters(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    AppendCharacters(text, out);
    return out;
}

char32_t Folded(char32_t c) { return c >= U'a' && c <= U'z' ? c - 32 : c; }

[[noreturn]] void Invalid(std::string_view mask, std::size_t position) {
    // Filled in two steps would let a "%d" inside the mask take the number.
    throw Error("'" + std::string(mask) + "' is an invalid mask at (" + std::to_string(position) + ")");
}

}  // namespace

// From just after the "[" to just after its "]".
std::size_t FileMask::ReadSet(std::string_view mask, std::u32string_view chars, std::size_t i) {
    Token set(Kind::Set);
    if (i < chars.size() && chars[i] == U'!') {
        set.negated = true;
        ++i;
    }
    for (;;) {
        if (i >= chars.size()) Invalid(mask, i + 1);
        if (chars[i] == U']') break;
        // A "-" makes a range from the character before it, which may end a
        // range itself ("[a-c-e]" is a to e); only one closing the set stands
        // for itself.
        const bool closingDash = !set.ranges.empty() && i + 1 < chars.size() && chars[i + 1] == U']';
        char32_t low;
        if (chars[i] == U'-' && !closingDash) {
            if (set.ranges.empty()) Invalid(mask, i + 1);
            if (i + 1 >= chars.size()) Invalid(mask, i + 2);
            low = set.ranges.back().high;
        } else {
            low = Folded(chars[i++]);
        }
        if (i + 1 < chars.size() && chars[i] == U'-' && chars[i + 1] != U']') {
            set.ranges.push_back({low, Folded(chars[i + 1])});
            i += 2;
        } else {
            set.ranges.push_back({low, low});
        }
    }
    if (set.ranges.empty()) Invalid(mask, i + 1);
    tokens_.push_back(std::move(set));
    return i + 1;
}

FileMask::FileMask(std::string_view mask) {
    const auto chars = Characters(mask);
    int starSegments = 0;
    for (std::size_t i = 0; i < chars.size();) {
        const char32_t c = chars[i];
        if (c == U'*') {
            if (++starSegments > kMaxStarSegments) Invalid(mask, i + 1);
            tokens_.emplace_back(Kind::AnyRun);
            // Further stars and any "?" straight after add nothing to a run.
            while (i < chars.size() && (chars[i] == U'*' || chars[i] == U'?')) ++i;
        } else if (c == U'?') {
            tokens_.emplace_back(Kind::AnyOne);
            ++i;
        } else if (c == U'[') {
            i = ReadSet(mask, chars, i + 1);
        } else {
            tokens_.emplace_back(Kind::Literal, Folded(c));
            ++i;
        }
    }
    for (const auto& token : tokens_) {
        if (token.kind == Kind::AnyRun) {
            hasRun_ = true;
            trailingLiterals_ = 0;
        } else {
            ++minLength_;
            trailingLiterals_ = token.kind == Kind::Literal ? trailingLiterals_ + 1 : 0;
        }
    }
}

void DecodeName(std::string_view name, std::u32string& into) {
    into.clear();
    AppendCharacters(name, into);
}

bool FileMask::TokenMatches(const Token& token, char32_t c) const {
    switch (token.kind) {
    case Kind::Literal: return Folded(c) == token.literal;
    case Kind::AnyOne: return true;
    case Kind::Set: {
        const char32_t f = Folded(c);
        bool in = false;
        for (const auto& range : token.ranges) in = in || (f >= range.low && f <= range.high);
        return in != token.negated;
    }
    case Kind::AnyRun: break;
    }
    return false;
}

// Greedy matching with one back-up point, the last star: a later star only
// ever needs the earliest match of what lies between, so this is exact.
bool FileMask::Matches(std::string_view name) const { return Matches(std::u32string_view(Characters(name))); }

bool FileMask::Matches(std::u32string_view text) const {
    if (text.size() < minLength_ || (!hasRun_ && text.size() != minLength_)) return false;
    for (std::size_t k = 1; k <= trailingLiterals_; ++k)
        if (Folded(text[text.size() - k]) != tokens_[tokens_.size() - k].literal) return false;
    std::size_t t = 0, m = 0;
    std::size_t starToken = std::string::npos, starText = 0;
    while (t < text.size()) {
        if (m < tokens_.size() && tokens_[m].kind == Kind::AnyRun) {
            starToken = m++;
            starText = t;
        } else if (m < tokens_.size() && TokenMatches(tokens_[m], text[t])) {
            ++m;
            ++t;
        } else if (starToken != std::string::npos) {
            m = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (m < tokens_.size() && tokens_[m].kind == Kind::AnyRun) ++m;
    return m == tokens_.size();
}

bool MatchesMask(std::string_view name, std::string_view mask) { return FileMask(mask).Matches(name); }

}  // namespace tw
