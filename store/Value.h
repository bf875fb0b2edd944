// One cell of a result set: null, a whole number, a real number or a text.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace zelvaro {

class Value {
public:
    Value() = default;
    Value(std::int64_t v) : data_(v) {}
    Value(int v) : data_(static_cast<std::int64_t>(v)) {}
    Value(double v) : data_(v) {}
    Value(std::string v) : data_(std::move(v)) {}
    Value(const char* v) : data_(std::string(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool isText() const { return std::holds_alternative<std::string>(data_); }
    // Plain decimal: 57, 1234.5; a null is the empty text.
    std::string text() const;
    // The number the value holds or its text reads as (a leading number), 0 otherwise.
    double number() const;
    // number() rounded towards zero.
    std::int64_t integer() const { return static_cast<std::int64_t>(number()); }

    const auto& data() const { return data_; }

private:
    std::variant<std::monostate, std::int64_t, double, std::string> data_;
};

// Shows a real number in plain decimal without grouping or exponent where possible.
std::string formatNumber(double v);

}  // namespace zelvaro
