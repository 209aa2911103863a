#pragma once

#include "store/database.h"
#include "store/programhome.h"

// The data module: the home of the run and its one database connection.
class TDM_CS {
public:
    explicit TDM_CS(ProgramHome home) : home_(std::move(home)) {}

    const ProgramHome& home() const { return home_; }
    const Database& connection() const { return connection_; }

    // Opens the database that Default.ini names and brings its tables up to
    // date. Only with `createDefaultDatabase` may a missing data/data.db of the
    // home be created; any other missing file is an error. Throws StoreError.
    void openConnection(bool createDefaultDatabase);

private:
    ProgramHome home_;
    Database connection_;
};
