// The table fixture of the table-tick tests, with a count of the cards on the table.
#pragma once

#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {

class HandCycleTest : public TableFixture {
protected:
    int cardsOnTable() const {
        int n = 0;
        for (const Card& c : session.trick) n += c.empty() ? 0 : 1;
        return n;
    }
};

}  // namespace zelvaro::tabletest
