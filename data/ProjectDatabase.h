#pragma once
// The project's database as both programs hold it for the whole run. Records check their
// references to database rows against it when they are loaded and saved.
#include "data/Database.h"

// Built with the factory defaults on first use.
cDatabase& ProjectDatabase();

// Whether row is a row of a table: negative values and values past the end are not.
template <class V>
bool IsRow(const V& table, long long row) {
    return row >= 0 && static_cast<unsigned long long>(row) < table.size();
}
