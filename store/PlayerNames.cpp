#include "store/PlayerNames.h"

#include <cctype>
#include <charconv>
#include <string>
#include <utility>

namespace zelvaro {
namespace {

// The code point that starts at s[i] (a byte that is not valid UTF-8 stands for itself),
// and how many bytes it takes.
std::pair<char32_t, std::size_t> codePointAt(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 1;
    if (length == 1 || i + length > s.size()) return {lead, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return {lead, 1};
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    return {c, length};
}

// Every kind of blank: spaces of all widths (the non-breaking ones too), tabs, line ends,
// and the invisible joiners that show nothing.
bool isBlank(char32_t c) {
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           c == 0x180E || (c >= 0x2000 && c <= 0x200D) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x2060 || c == 0x3000 || c == 0xFEFF;
}

std::size_t characters(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); i += codePointAt(s, i).second) ++count;
    return count;
}

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size()) {
        const auto [c, length] = codePointAt(s, first);
        if (!isBlank(c)) break;
        first += length;
    }
    std::size_t end = first, lastNonBlank = first;
    while (end < s.size()) {
        const auto [c, length] = codePointAt(s, end);
        end += length;
        if (!isBlank(c)) lastNonBlank = end;
    }
    return s.substr(first, lastNonBlank - first);
}

std::optional<double> wholeTextNumber(std::string_view text) {
    std::string_view s = trimBlanks(text);
    std::string normalized;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        if (s.front() == '-') normalized += '-';
        s.remove_prefix(1);
    }
    bool digits = false, separator = false, exponent = false, exponentDigits = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            (exponent ? exponentDigits : digits) = true;
            normalized += c;
        } else if ((c == '.' || c == ',') && !separator && !exponent) {
            separator = true;
            normalized += '.';
        } else if ((c == 'e' || c == 'E') && digits && !exponent) {
            exponent = true;
            normalized += 'e';
            if (i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) normalized += s[++i];
        } else {
            return std::nullopt;
        }
    }
    if (!digits || (exponent && !exponentDigits)) return std::nullopt;
    double value = 0;
    const char* end = normalized.data() + normalized.size();
    const auto [ptr, ec] = std::from_chars(normalized.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool isAcceptableName(std::string_view name) {
    return !trimBlanks(name).empty() && !wholeTextNumber(name) && characters(name) <= kLongestName;
}

}  // namespace zelvaro
