#pragma once
#include "datafiles/DataFolder.h"

#include <QList>
#include <QString>

// The data file version check run once at start-up: it warns when the game has changed the
// layout of one of its files. It never blocks, renames or deletes anything.
struct VersionCheckEntry {
    enum class Status { Missing, Matches, Differs };
    GameFile file;
    QString path;      // empty when missing
    QString found;     // the Version text read (empty when the element is absent)
    QString expected;
    Status status;
};

struct VersionCheckResult {
    bool passed = true;
    // The files visited, in check order; the check stops at the first missing or differing file.
    QList<VersionCheckEntry> visited;
};

// How much of each file the check reads. At start-up only up to the Version element: the files
// the program uses are read in full right after by their own readers, which report a fault
// beyond the version. The check command reads whole files, so that it vouches for what it passes.
enum class VersionRead { UpToVersion, WholeFile };

// Visits the five game files in order. A missing file ends the check with the current result
// (true); a differing Version text ends it with false. A file that is not well-formed XML (in
// the part read) raises a DataFileError.
VersionCheckResult checkDataFileVersions(const DataFolder &folder, VersionRead read = VersionRead::UpToVersion);
