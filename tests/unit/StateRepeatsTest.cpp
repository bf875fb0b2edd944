// Records written with repeats: any run of fields reads back as written, whatever repeats
// it holds, and a repeat that points at fields not written, or at another kind of field,
// makes the record unreadable rather than wrong.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "primitives/StateRecord.h"

namespace zelvaro {
namespace {

using Field = std::variant<std::int64_t, std::string>;
using Fields = std::vector<Field>;

std::string write(const Fields& fields, StateWriter::Repeats repeats) {
    StateWriter out(7, repeats);
    for (const Field& f : fields) {
        if (const auto* number = std::get_if<std::int64_t>(&f)) {
            out.number(*number);
        } else {
            out.text(std::get<std::string>(f));
        }
    }
    return out.finish();
}

// The record read back as fields of the kinds written.
Fields read(const std::string& record, const Fields& kinds) {
    StateReader in(record, 7, 7, 7);
    Fields fields;
    for (const Field& f : kinds) {
        if (std::holds_alternative<std::int64_t>(f)) {
            fields.emplace_back(in.number());
        } else {
            fields.emplace_back(in.text());
        }
    }
    in.expectEnd();
    return fields;
}

// A body of lines with the check the writer would give it.
std::string signedRecord(const std::string& lines) {
    const std::string body = "zelvaro-stato\n7\n" + lines;
    return body + recordCheck(body, true);
}

TEST(StateRepeatsTest, AnyRunOfFieldsReadsBackAsWritten) {
    // Fifty controls' looks of eleven fields, most as the one before: what the window's part
    // is, written in a quarter of the room.
    Fields looks;
    for (std::int64_t c = 0; c < 50; ++c) {
        for (Field f : {Field(""), Field("carte/retro.jpg"), Field(1), Field(0), Field(0),
                        Field(120 + 15 * (c % 6)), Field(2400), Field(70), Field(100),
                        Field(4294967295), Field(0)}) {
            looks.push_back(std::move(f));
        }
    }
    const std::string record = write(looks, StateWriter::Repeats::On);
    EXPECT_EQ(read(record, looks), looks);
    EXPECT_LT(record.size() * 4, write(looks, StateWriter::Repeats::Off).size());

    // Random runs of a few values, numbers and texts alike among them, so that repeats at
    // every distance start, grow and break; written plainly, they read alike.
    std::mt19937 random(20261210);
    const Fields values{0, 1, 4294967295, "", "1", "=", "x\ny"};
    for (int trial = 0; trial < 300; ++trial) {
        Fields fields(std::uniform_int_distribution<std::size_t>(0, 80)(random));
        for (Field& f : fields) f = values[random() % values.size()];
        for (const auto repeats : {StateWriter::Repeats::On, StateWriter::Repeats::Off})
            ASSERT_EQ(read(write(fields, repeats), fields), fields) << trial;
    }
}

TEST(StateRepeatsTest, ARepeatOfFieldsNotWrittenOrOfAnotherKindDoesNotRead) {
    const Fields numbers{std::int64_t{1}, std::int64_t{2}, std::int64_t{3}};
    const Fields text{std::int64_t{1}, std::string("a")};
    const struct {
        const char* lines;
        const Fields& kinds;
    } cases[] = {
        {"=1,1\n2\n3\n", numbers},     // nothing before the first field
        {"1\n=2,2\n", numbers},        // two fields back from the second
        {"1\n=0,1\n2\n3\n", numbers},  // a run of none
        {"1\n=1\n2\n", numbers},       // no distance
        {"1\n=a,1\n2\n", numbers},     // a run that is no number
        {"1\n=2,1\n", text},           // a text repeating a number
        {"1\n=5,1\n", numbers},        // a run past the last field
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_THROW(read(signedRecord(c.lines), c.kinds), BadStateRecord);
    }
    EXPECT_EQ(read(signedRecord("1\n=2,1\n"), numbers), (Fields{1, 1, 1}));

    // Any byte changed, in a record written either way, and the check refuses it.
    const Fields fields{7, "due\nrighe", 7, "due\nrighe", 123456789, ""};
    for (const auto repeats : {StateWriter::Repeats::On, StateWriter::Repeats::Off}) {
        const std::string record = write(fields, repeats);
        for (std::size_t at = 0; at < record.size(); ++at) {
            std::string damaged = record;
            damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
            EXPECT_THROW(read(damaged, fields), BadStateRecord) << "byte " << at;
        }
    }
}

}  // namespace
}  // namespace zelvaro
