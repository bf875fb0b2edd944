// A saved state written as text, field after field, and read back in the same order: each
// field on its own line, a text as its length and its bytes, and at the end a check of the
// whole, so that a record cut short, damaged or edited by hand is never taken for a good one.
// A record may be written with repeats: a run of fields equal to those a fixed distance before
// (the same field of the control before, of the card before) is then one line, "=run,distance".
//
// A saved type lists its fields once, in a function `fields(io, value)` beside the type, that
// hands each field to `io` in order: `io(x)` for a field, `io(x, low, high)` for a whole number
// read only within [low, high], `io.expect(x)` for a value the reader must find as it is.
// The same function writes the type (RecordWriter, `value` const), reads it back (RecordReader)
// and measures its layout (LayoutWalk), so the three cannot drift apart.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace zelvaro {

// A record that cannot be read: damaged, edited, cut short or of another version.
class BadStateRecord : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A record holding another value where one is expected: of another version, or of an earlier
// one that its reader may still know by that value.
class UnexpectedValue : public BadStateRecord {
public:
    explicit UnexpectedValue(std::int64_t found)
        : BadStateRecord("of another version"), found_(found) {}
    std::int64_t found() const { return found_; }

private:
    std::int64_t found_;
};

// FNV-1a, going on from `hash`.
constexpr std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash = 0xcbf29ce484222325ULL) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// The check that ends a record: FNV-1a over its body as sixteen hex digits, byte by byte, or
// for a record written with repeats eight bytes at a step, an eighth of the time.
std::string recordCheck(std::string_view body, bool byWords);

// Fields written with repeats are compared with those this many fields before them, in turn.
inline constexpr std::array<std::uint32_t, 4> kRepeatDistances = {11, 2, 1, 22};

class StateWriter {
public:
    enum class Repeats { Off, On };
    explicit StateWriter(int version, Repeats repeats = Repeats::Off);
    void number(std::int64_t value);
    void text(std::string_view value);
    void flag(bool value) { number(value ? 1 : 0); }
    // A real number as the text of its shortest exact decimal form.
    void real(double value);
    // The record with its check; the writer is done.
    std::string finish();

private:
    // Room for `bytes` more at the end of the plain record; where they go.
    char* extend(std::size_t bytes);
    // The plain record with its runs of repeated fields written as repeats.
    std::string withRepeats() const;

    // The record written plainly, one field a line, its first `written_` bytes so far; with
    // repeats, where each field starts in it.
    std::string plain_;
    std::size_t written_ = 0;
    bool repeats_ = false;
    std::vector<std::uint32_t> fieldStarts_;
};

class StateReader {
public:
    static constexpr int kNoRepeats = std::numeric_limits<int>::max();
    // Checks the record as a whole and its version before anything is read.
    StateReader(std::string_view record, int version) : StateReader(record, version, version) {}
    // A record of any version from `oldest` to `newest`, written with repeats from version
    // `repeatsFrom` on.
    StateReader(std::string_view record, int oldest, int newest, int repeatsFrom = kNoRepeats);
    int version() const { return version_; }
    std::int64_t number();
    // A number that must lie within [low, high].
    std::int64_t number(std::int64_t low, std::int64_t high);
    std::string text();
    bool flag() { return number(0, 1) == 1; }
    // A finite real number, written by StateWriter::real.
    double real();
    // Everything was read: a record with more in it is not this version's.
    void expectEnd() const;

private:
    std::string_view line();
    // The next field, of `kind` ('n' or 't').
    std::string_view field(char kind);
    std::string_view plainField(char kind);

    std::string_view body_;
    std::size_t at_ = 0;
    int version_ = 0;
    bool repeats_ = false;
    struct Field {
        char kind;
        std::string_view bytes;
    };
    std::vector<Field> fields_;
    std::size_t repeatsLeft_ = 0, repeatDistance_ = 0;
};

// `S` is `T`, or `T` as it is written (const): one fields() serves writing and reading.
template <class S, class T>
concept Saved = std::same_as<std::remove_const_t<S>, T>;

namespace record {

template <class T>
inline constexpr bool kIsArray = false;
template <class T, std::size_t N>
inline constexpr bool kIsArray<std::array<T, N>> = true;
template <class T>
inline constexpr bool kIsList = false;
template <class T>
inline constexpr bool kIsList<std::vector<T>> = true;

// The longest list a record holds.
inline constexpr std::int64_t kMostItems = 100'000;

// A whole number of type V as written; a char is kept as its byte, 0 to 255.
template <class V>
constexpr std::int64_t lowest() {
    if constexpr (std::same_as<V, char>) {
        return 0;
    } else {
        return std::numeric_limits<V>::min();
    }
}
template <class V>
constexpr std::int64_t highest() {
    if constexpr (std::same_as<V, char>) {
        return 255;
    } else if constexpr (std::cmp_greater(std::numeric_limits<V>::max(), INT64_MAX)) {
        return INT64_MAX;
    } else {
        return static_cast<std::int64_t>(std::numeric_limits<V>::max());
    }
}
template <class V>
constexpr std::int64_t asWritten(V value) {
    if constexpr (std::same_as<V, char>) {
        return static_cast<unsigned char>(value);
    } else {
        return static_cast<std::int64_t>(value);
    }
}

}  // namespace record

// What the writer, the reader and the layout share: which kind of field a value is. A type
// of the game's own is walked through its fields(), found beside the type.
template <class Io>
class FieldWalk {
public:
    template <class T>
    void operator()(T& value) {
        using V = std::remove_const_t<T>;
        Io& io = static_cast<Io&>(*this);
        if constexpr (std::same_as<V, bool>) {
            io.flag(value);
        } else if constexpr (std::is_integral_v<V>) {
            io.whole(value, record::lowest<V>(), record::highest<V>());
        } else if constexpr (std::same_as<V, double>) {
            io.real(value);
        } else if constexpr (std::same_as<V, std::string>) {
            io.text(value);
        } else if constexpr (record::kIsArray<V>) {
            for (auto& element : value) (*this)(element);
        } else if constexpr (record::kIsList<V>) {
            io.list(value);
        } else {
            fields(io, value);
        }
    }
    template <class T>
    void operator()(T& value, std::int64_t low, std::int64_t high) {
        static_assert(std::is_integral_v<T> && !std::same_as<std::remove_const_t<T>, bool>,
                      "only a whole number has a range");
        static_cast<Io&>(*this).whole(value, low, high);
    }
};

class RecordWriter : public FieldWalk<RecordWriter> {
public:
    explicit RecordWriter(StateWriter& out) : out_(out) {}
    void flag(bool value) { out_.flag(value); }
    template <class V>
    void whole(V value, std::int64_t, std::int64_t) {
        out_.number(record::asWritten(value));
    }
    void real(double value) { out_.real(value); }
    void text(const std::string& value) { out_.text(value); }
    template <class T>
    void list(const std::vector<T>& items) {
        out_.number(static_cast<std::int64_t>(items.size()));
        for (const T& item : items) (*this)(item);
    }
    void expect(std::int64_t value) { out_.number(value); }

private:
    StateWriter& out_;
};

class RecordReader : public FieldWalk<RecordReader> {
public:
    explicit RecordReader(StateReader& in) : in_(in) {}
    void flag(bool& value) { value = in_.flag(); }
    template <class V>
    void whole(V& value, std::int64_t low, std::int64_t high) {
        value = static_cast<V>(in_.number(low, high));
    }
    void real(double& value) { value = in_.real(); }
    void text(std::string& value) { value = in_.text(); }
    template <class T>
    void list(std::vector<T>& items) {
        items.assign(static_cast<std::size_t>(in_.number(0, record::kMostItems)), T{});
        for (T& item : items) (*this)(item);
    }
    // A record holding another value here is of another version.
    void expect(std::int64_t value) {
        if (const std::int64_t found = in_.number(); found != value) throw UnexpectedValue(found);
    }

private:
    StateReader& in_;
};

// The layout a walk goes through, as a fingerprint of each field's kind and size in order:
// what decides how a record is written and read, and nothing else.
class LayoutWalk : public FieldWalk<LayoutWalk> {
public:
    void flag(bool) { add('f'); }
    template <class V>
    void whole(V, std::int64_t, std::int64_t) {
        add('w', sizeof(V));
    }
    void real(double) { add('r'); }
    void text(const std::string&) { add('t'); }
    template <class T>
    void list(const std::vector<T>&) {
        add('[');
        T item{};
        (*this)(item);
        add(']');
    }
    void expect(std::int64_t) { add('e'); }
    std::uint64_t fingerprint() const { return hash_; }

private:
    void add(char kind, std::size_t size = 0) {
        const char field[] = {kind, static_cast<char>(size), ';'};
        hash_ = fnv1a(std::string_view(field, sizeof field), hash_);
    }
    std::uint64_t hash_ = fnv1a("");
};

}  // namespace zelvaro
