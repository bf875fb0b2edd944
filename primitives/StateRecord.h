// A saved state written as text, field after field, and read back in the same order: each
// field on its own line, a text as its length and its bytes, and at the end a check of the
// whole, so that a record cut short, damaged or edited by hand is never taken for a good one.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zelvaro {

// A record that cannot be read: damaged, edited, cut short or of another version.
class BadStateRecord : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class StateWriter {
public:
    explicit StateWriter(int version);
    void number(std::int64_t value);
    void text(std::string_view value);
    void flag(bool value) { number(value ? 1 : 0); }
    // The record with its check; the writer is done.
    std::string finish();

private:
    std::string record_;
};

class StateReader {
public:
    // Checks the record as a whole and its version before anything is read.
    StateReader(std::string_view record, int version);
    std::int64_t number();
    // A number that must lie within [low, high].
    std::int64_t number(std::int64_t low, std::int64_t high);
    std::string text();
    bool flag() { return number(0, 1) == 1; }
    // Everything was read: a record with more in it is not this version's.
    void expectEnd() const;

private:
    std::string_view line();
    std::string_view body_;
    std::size_t at_ = 0;
};

}  // namespace zelvaro
