#include "store/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zelvaro {

std::string formatNumber(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        return std::to_string(static_cast<std::int64_t>(v));
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    return buffer;
}

std::string Value::text() const {
    if (const auto* i = std::get_if<std::int64_t>(&data_)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&data_)) return formatNumber(*d);
    if (const auto* s = std::get_if<std::string>(&data_)) return *s;
    return {};
}

double Value::number() const {
    if (const auto* i = std::get_if<std::int64_t>(&data_)) return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&data_)) return *d;
    if (const auto* s = std::get_if<std::string>(&data_)) return std::strtod(s->c_str(), nullptr);
    return 0.0;
}

}  // namespace zelvaro
