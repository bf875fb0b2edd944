#include "store/ResultSet.h"

#include <sqlcipher/sqlite3.h>

#include <utility>

#include "store/Database.h"

namespace zelvaro {

ResultSet::ResultSet(std::vector<std::string> names, std::vector<std::vector<Value>> columns)
    : names_(std::move(names)), columns_(std::move(columns)) {}

int ResultSet::column(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name) return static_cast<int>(i);
    }
    throw DatabaseError("no column " + std::string(name));
}

Value RowView::value(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_INTEGER:
            return Value(static_cast<std::int64_t>(sqlite3_column_int64(stmt_, column)));
        case SQLITE_FLOAT:
            return Value(sqlite3_column_double(stmt_, column));
        case SQLITE_NULL:
            return Value();
        default:
            return Value(std::string(text(column)));
    }
}

std::int64_t RowView::integer(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_INTEGER)
        return sqlite3_column_int64(stmt_, column);
    return value(column).integer();
}

std::string_view RowView::text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text == nullptr
               ? std::string_view()
               : std::string_view(text,
                                  static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

}  // namespace zelvaro
