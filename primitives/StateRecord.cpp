#include "primitives/StateRecord.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace zelvaro {
namespace {

constexpr std::string_view kMagic = "zelvaro-stato";

std::int64_t parseNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        throw BadStateRecord("a number does not read");
    }
    return value;
}

}  // namespace

std::string recordCheck(std::string_view body, bool byWords) {
    std::uint64_t hash = fnv1a("");
    for (; byWords && body.size() >= 8; body.remove_prefix(8)) {
        std::uint64_t word = 0;
        std::memcpy(&word, body.data(), 8);
        hash = (hash ^ word) * 0x100000001b3ULL;
    }
    hash = fnv1a(body, hash);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        hex[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
    return hex;
}

StateWriter::StateWriter(int version, Repeats repeats) {
    // A saved game's record: some 5,300 fields, 18 KB written plainly.
    constexpr std::size_t kRecordBytes = 24 * 1024;
    plain_.resize(kRecordBytes);
    std::memcpy(extend(kMagic.size() + 1), kMagic.data(), kMagic.size());
    plain_[written_ - 1] = '\n';
    number(version);
    repeats_ = repeats == Repeats::On;
    if (repeats_) fieldStarts_.reserve(kRecordBytes / 3);
}

char* StateWriter::extend(std::size_t bytes) {
    // Eight bytes to spare past the end, which withRepeats reads a field's first eight from.
    if (written_ + bytes + 8 > plain_.size()) plain_.resize(2 * (written_ + bytes + 8));
    char* at = plain_.data() + written_;
    written_ += bytes;
    return at;
}

void StateWriter::number(std::int64_t value) {
    if (repeats_) fieldStarts_.push_back(static_cast<std::uint32_t>(written_));
    constexpr std::size_t kLongest = 21;  // "-9223372036854775808\n"
    char* at = extend(kLongest);
    char* end = std::to_chars(at, at + kLongest, value).ptr;
    *end++ = '\n';
    written_ -= static_cast<std::size_t>(at + kLongest - end);
}

void StateWriter::text(std::string_view value) {
    // The length's line starts the field, the bytes' line ends it: a repeat copies both.
    number(static_cast<std::int64_t>(value.size()));
    char* at = extend(value.size() + 1);
    std::memcpy(at, value.data(), value.size());
    at[value.size()] = '\n';
}

void StateWriter::real(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    text(error == std::errc() ? std::string_view(buffer, static_cast<std::size_t>(end - buffer))
                              : "0");
}

std::string StateWriter::withRepeats() const {
    const std::string_view plain(plain_.data(), written_);
    const std::size_t fields = fieldStarts_.size();
    // Field i as written plainly runs from its start to the next field's: a number's line, a
    // text's two. Fields of two kinds never read the same.
    const auto start = [&](std::size_t i) { return i < fields ? fieldStarts_[i] : plain.size(); };
    const auto same = [&](std::size_t i, std::size_t j) {
        const std::size_t size = start(i + 1) - start(i);
        if (size != start(j + 1) - start(j)) return false;
        const char* a = plain_.data() + start(i);
        const char* b = plain_.data() + start(j);
        if (size > 8) return std::memcmp(a, b, size) == 0;
        // Most fields are a byte or two and their line's end: compared as one word.
        std::uint64_t wordA = 0, wordB = 0;
        std::memcpy(&wordA, a, 8);
        std::memcpy(&wordB, b, 8);
        const std::uint64_t mask =
            size == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * size)) - 1;
        return ((wordA ^ wordB) & mask) == 0;
    };
    std::string out;
    out.reserve(plain.size());
    std::size_t copyFrom = 0;  // what is plain since the last repeat, up to the field at hand
    std::size_t i = 0;
    while (i < fields) {
        std::size_t distance = 0;
        for (const std::size_t d : kRepeatDistances) {
            if (i >= d && same(i, i - d)) {
                distance = d;
                break;
            }
        }
        if (distance == 0) {
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < fields && same(i + run, i + run - distance)) ++run;
        const std::size_t runEnd = start(i + run);
        std::string repeat(1, '=');
        repeat += std::to_string(run);
        repeat += ',';
        repeat += std::to_string(distance);
        repeat += '\n';
        // A repeat no shorter than the fields it stands for leaves them plain.
        if (repeat.size() < runEnd - fieldStarts_[i]) {
            out += plain.substr(copyFrom, fieldStarts_[i] - copyFrom);
            out += repeat;
            copyFrom = runEnd;
        }
        i += run;
    }
    out += plain.substr(copyFrom);
    return out;
}

std::string StateWriter::finish() {
    std::string record;
    if (repeats_) {
        record = withRepeats();
    } else {
        plain_.resize(written_);
        record = std::move(plain_);
    }
    record += recordCheck(record, repeats_);
    return record;
}

StateReader::StateReader(std::string_view record, int oldest, int newest, int repeatsFrom) {
    if (record.size() < 16) throw BadStateRecord("too short");
    body_ = record.substr(0, record.size() - 16);
    if (line() != kMagic) throw BadStateRecord("not a saved state");
    const std::int64_t version = number();
    // A record of a version that has repeats ends with the check by words, unless it was
    // written plainly.
    const bool repeats = version >= repeatsFrom;
    const std::string_view check = record.substr(record.size() - 16);
    if ((!repeats || recordCheck(body_, true) != check) && recordCheck(body_, false) != check)
        throw BadStateRecord("the check fails");
    if (version < oldest || version > newest) throw BadStateRecord("another version");
    version_ = static_cast<int>(version);
    repeats_ = repeats;
}

std::string_view StateReader::line() {
    const std::size_t end = body_.find('\n', at_);
    if (end == std::string_view::npos) throw BadStateRecord("cut short");
    const std::string_view found = body_.substr(at_, end - at_);
    at_ = end + 1;
    return found;
}

std::string_view StateReader::plainField(char kind) {
    if (kind == 'n') return line();
    const std::int64_t size = parseNumber(line());
    if (size < 0 || at_ + static_cast<std::size_t>(size) + 1 > body_.size() ||
        body_[at_ + static_cast<std::size_t>(size)] != '\n') {
        throw BadStateRecord("a text cut short");
    }
    const std::string_view value = body_.substr(at_, static_cast<std::size_t>(size));
    at_ += static_cast<std::size_t>(size) + 1;
    return value;
}

std::string_view StateReader::field(char kind) {
    if (!repeats_) return plainField(kind);
    if (repeatsLeft_ == 0 && at_ < body_.size() && body_[at_] == '=') {
        const std::string_view repeat = line().substr(1);
        const std::size_t comma = repeat.find(',');
        if (comma == std::string_view::npos) throw BadStateRecord("a repeat does not read");
        const std::int64_t run = parseNumber(repeat.substr(0, comma));
        const std::int64_t distance = parseNumber(repeat.substr(comma + 1));
        if (run < 1 || run > record::kMostItems || distance < 1 ||
            static_cast<std::size_t>(distance) > fields_.size()) {
            throw BadStateRecord("a repeat of fields not written");
        }
        repeatsLeft_ = static_cast<std::size_t>(run);
        repeatDistance_ = static_cast<std::size_t>(distance);
    }
    Field read{kind, {}};
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        read = fields_[fields_.size() - repeatDistance_];
        if (read.kind != kind) throw BadStateRecord("a repeat of another kind of field");
    } else {
        read.bytes = plainField(kind);
    }
    fields_.push_back(read);
    return read.bytes;
}

std::int64_t StateReader::number() {
    return parseNumber(field('n'));
}

std::int64_t StateReader::number(std::int64_t low, std::int64_t high) {
    const std::int64_t value = number();
    if (value < low || value > high) throw BadStateRecord("a number out of its range");
    return value;
}

std::string StateReader::text() {
    return std::string(field('t'));
}

double StateReader::real() {
    const std::string written = text();
    double value = 0;
    const auto [end, error] =
        std::from_chars(written.data(), written.data() + written.size(), value);
    if (error != std::errc() || end != written.data() + written.size() || !std::isfinite(value)) {
        throw BadStateRecord("a real number does not read");
    }
    return value;
}

void StateReader::expectEnd() const {
    if (at_ != body_.size() || repeatsLeft_ != 0)
        throw BadStateRecord("more than this version writes");
}

}  // namespace zelvaro
