#include "store/NameCollation.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace zelvaro {
namespace {

// What a character weighs at each step of the comparison.
struct Weights {
    char32_t base[2];  // its base letters, lower case (ß: s, s), or the character itself
    int bases;         // 1 or 2
    char32_t plain;    // the character without its case: ç for Ç, the accent's step
    int caseRank;      // 0 for a capital beyond ASCII, 1 for any other character
};

// A letter of U+00C0 to U+017F.
struct Letter {
    const char* base;  // nullptr for a character that is no letter (× and ÷)
    char32_t plain;
    bool capital;
};

constexpr char32_t kFirstLetter = 0x00C0;
constexpr char32_t kLastLetter = 0x017F;

// The base letters of U+00C0 to U+00FF, then of U+0100 to U+017F, one entry a code point.
constexpr const char* kLatin1Bases[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",   // À-Ï
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",  // Ð-ß
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",   // à-ï
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "y",   // ð-ÿ
};
constexpr const char* kExtendedABases[128] = {
    "a", "a", "a",  "a",  "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",  // Ā-ď
    "d", "d", "e",  "e",  "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",  // Đ-ğ
    "g", "g", "g",  "g",  "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",  // Ġ-į
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",  // İ-Ŀ
    "l", "l", "l",  "n",  "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",  // ŀ-ŏ
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",  // Ő-ş
    "s", "s", "t",  "t",  "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",  // Š-ů
    "u", "u", "u",  "u",  "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",  // Ű-ſ
};

// Latin-1: capitals at U+00C0 to U+00DE with their small letter 0x20 further on; ß and the
// small letters stand alone. Latin Extended-A: capital and small letter side by side, the
// capital on the even code point except from Ĺ to ň and from Ź to ž; İ and ı are no pair
// (their partners are the ASCII i and I), ĸ, ŉ and ſ have no capital, Ÿ's small letter is ÿ.
constexpr Letter letterOf(char32_t c) {
    if (c < 0x0100) {
        const char* base = kLatin1Bases[c - kFirstLetter];
        const bool capital = c <= 0x00DE;
        return {base, capital ? static_cast<char32_t>(c + 0x20) : c, capital};
    }
    const char* base = kExtendedABases[c - 0x0100];
    if (c == 0x0130) return {base, c, true};
    if (c == 0x0131 || c == 0x0138 || c == 0x0149 || c == 0x017F) return {base, c, false};
    if (c == 0x0178) return {base, 0x00FF, true};
    const bool oddCapitals = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
    const bool capital = (c % 2 == 1) == oddCapitals;
    return {base, capital ? static_cast<char32_t>(c + 1) : c, capital};
}

constexpr std::array<Letter, kLastLetter - kFirstLetter + 1> kLetters = [] {
    std::array<Letter, kLastLetter - kFirstLetter + 1> letters{};
    for (char32_t c = kFirstLetter; c <= kLastLetter; ++c) letters[c - kFirstLetter] = letterOf(c);
    return letters;
}();

// A byte that begins no UTF-8 character weighs this much more than its value: after every
// character.
constexpr char32_t kNotUtf8 = 0x110000;

constexpr unsigned char asciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character that starts at `at`, moving `at` past it.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    bool whole = length != 0 && at + length <= text.size();
    for (std::size_t k = 1; whole && k < length; ++k) whole = isContinuation(byte(at + k));
    if (!whole) {
        ++at;
        return kNotUtf8 + lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (byte(at + k) & 0x3F);
    at += length;
    return c;
}

Weights weightsOf(char32_t c) {
    if (c < 0x80) {
        const char32_t lower = asciiLower(static_cast<unsigned char>(c));
        return {{lower, 0}, 1, lower, 1};
    }
    if (c >= kFirstLetter && c <= kLastLetter) {
        const Letter& letter = kLetters[c - kFirstLetter];
        if (letter.base) {
            const char32_t first = static_cast<unsigned char>(letter.base[0]);
            const char32_t second = static_cast<unsigned char>(letter.base[1]);
            return {{first, second}, second ? 2 : 1, letter.plain, letter.capital ? 0 : 1};
        }
    }
    return {{c, 0}, 1, c, 1};
}

// The base letters of a text, one after the other.
class BaseLetters {
public:
    explicit BaseLetters(std::string_view text) : text_(text) {}
    bool next(char32_t& letter) {
        if (pending_) {
            letter = second_;
            pending_ = false;
            return true;
        }
        if (at_ == text_.size()) return false;
        const Weights weights = weightsOf(nextCharacter(text_, at_));
        letter = weights.base[0];
        second_ = weights.base[1];
        pending_ = weights.bases == 2;
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    char32_t second_ = 0;
    bool pending_ = false;
};

int sign(long long difference) {
    return (difference > 0) - (difference < 0);
}

int compareBaseLetters(std::string_view a, std::string_view b) {
    BaseLetters left(a), right(b);
    while (true) {
        char32_t x = 0, y = 0;
        const bool moreLeft = left.next(x);
        const bool moreRight = right.next(y);
        if (!moreLeft || !moreRight)
            return static_cast<int>(moreLeft) - static_cast<int>(moreRight);
        if (x != y) return x < y ? -1 : 1;
    }
}

// For texts with the same base letters: the first accent that differs, else the first case.
int compareAccentsThenCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    int byCase = 0;
    while (i < a.size() && j < b.size()) {
        const Weights x = weightsOf(nextCharacter(a, i));
        const Weights y = weightsOf(nextCharacter(b, j));
        if (x.plain != y.plain) return x.plain < y.plain ? -1 : 1;
        if (byCase == 0) byCase = x.caseRank - y.caseRank;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return byCase;
}

// SQLite's own NOCASE: bytes, ASCII letters without their case, the shorter text first.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < n; ++k) {
        const unsigned char x = asciiLower(static_cast<unsigned char>(a[k]));
        const unsigned char y = asciiLower(static_cast<unsigned char>(b[k]));
        if (x != y) return x < y ? -1 : 1;
    }
    return sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

}  // namespace

int compareNames(std::string_view a, std::string_view b) {
    // Most names are ASCII, and most pairs differ early: up to the first byte beyond ASCII the
    // comparison is SQLite's NOCASE, and an ASCII prefix that matches so weighs the same at
    // every step, so the rest of the comparison may start after it.
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t k = 0;
    for (; k < n; ++k) {
        const auto x = static_cast<unsigned char>(a[k]);
        const auto y = static_cast<unsigned char>(b[k]);
        if ((x | y) >= 0x80) break;
        if (x != y) {
            const unsigned char lx = asciiLower(x);
            const unsigned char ly = asciiLower(y);
            if (lx != ly) return lx < ly ? -1 : 1;
        }
    }
    // Every character has at least one base letter, so a text that ends here comes first.
    if (k == n) return static_cast<int>(a.size() > n) - static_cast<int>(b.size() > n);
    a.remove_prefix(k);
    b.remove_prefix(k);
    if (const int order = compareBaseLetters(a, b)) return order;
    if (const int order = compareAccentsThenCase(a, b)) return order;
    return compareIgnoringAsciiCase(a, b);
}

}  // namespace zelvaro
