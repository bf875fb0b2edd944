#include "primitives/StateRecord.h"

#include <charconv>
#include <cmath>

namespace zelvaro {
namespace {

constexpr std::string_view kMagic = "zelvaro-stato";

// FNV-1a over the record's body, as sixteen hex digits.
std::string checkOf(std::string_view body) {
    std::uint64_t hash = fnv1a(body);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        hex[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
    return hex;
}

std::int64_t parseNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        throw BadStateRecord("a number does not read");
    }
    return value;
}

}  // namespace

StateWriter::StateWriter(int version) {
    record_ = std::string(kMagic) + "\n";
    number(version);
}

void StateWriter::number(std::int64_t value) {
    record_ += std::to_string(value);
    record_ += '\n';
}

void StateWriter::text(std::string_view value) {
    number(static_cast<std::int64_t>(value.size()));
    record_ += value;
    record_ += '\n';
}

void StateWriter::real(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    text(error == std::errc() ? std::string_view(buffer, static_cast<std::size_t>(end - buffer))
                              : "0");
}

std::string StateWriter::finish() {
    const std::string check = checkOf(record_);
    return std::move(record_) + check;
}

StateReader::StateReader(std::string_view record, int oldest, int newest) {
    if (record.size() < 16) throw BadStateRecord("too short");
    body_ = record.substr(0, record.size() - 16);
    if (checkOf(body_) != record.substr(record.size() - 16))
        throw BadStateRecord("the check fails");
    if (line() != kMagic) throw BadStateRecord("not a saved state");
    const std::int64_t version = number();
    if (version < oldest || version > newest) throw BadStateRecord("another version");
    version_ = static_cast<int>(version);
}

std::string_view StateReader::line() {
    const std::size_t end = body_.find('\n', at_);
    if (end == std::string_view::npos) throw BadStateRecord("cut short");
    const std::string_view found = body_.substr(at_, end - at_);
    at_ = end + 1;
    return found;
}

std::int64_t StateReader::number() {
    return parseNumber(line());
}

std::int64_t StateReader::number(std::int64_t low, std::int64_t high) {
    const std::int64_t value = number();
    if (value < low || value > high) throw BadStateRecord("a number out of its range");
    return value;
}

std::string StateReader::text() {
    const auto size = static_cast<std::size_t>(number(0, static_cast<std::int64_t>(body_.size())));
    if (at_ + size + 1 > body_.size() || body_[at_ + size] != '\n')
        throw BadStateRecord("a text cut short");
    std::string value(body_.substr(at_, size));
    at_ += size + 1;
    return value;
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
    if (at_ != body_.size()) throw BadStateRecord("more than this version writes");
}

}  // namespace zelvaro
