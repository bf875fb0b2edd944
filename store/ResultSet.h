// What a query hands back: a result fetched whole, or one row at a time while it is read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/Value.h"

struct sqlite3_stmt;

namespace zelvaro {

// A result fetched whole, addressed [column][row] in the table's own column order.
class ResultSet {
public:
    ResultSet() = default;
    ResultSet(std::vector<std::string> names, std::vector<std::vector<Value>> columns);

    bool empty() const { return rows() == 0; }
    int rows() const { return columns_.empty() ? 0 : static_cast<int>(columns_[0].size()); }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const Value& at(int column, int row) const { return columns_.at(column).at(row); }
    // The position of a named column; throws DatabaseError when there is none.
    int column(std::string_view name) const;
    const Value& at(std::string_view name, int row) const { return at(column(name), row); }

private:
    std::vector<std::string> names_;
    std::vector<std::vector<Value>> columns_;
};

// One row of a result while it is being read: valid only inside the visit it is handed to.
class RowView {
public:
    explicit RowView(sqlite3_stmt* stmt) : stmt_(stmt) {}
    // The cell as a whole number: a number rounded towards zero, or the number a text starts
    // with (0 for none), as Value::integer reads it.
    std::int64_t integer(int column) const;
    std::string_view text(int column) const;
    // The cell as it is stored: null, whole, real or text.
    Value value(int column) const;

private:
    sqlite3_stmt* stmt_;
};

}  // namespace zelvaro
