#include "data/ProjectDatabase.h"

cDatabase& ProjectDatabase() {
    static cDatabase database;
    return database;
}
