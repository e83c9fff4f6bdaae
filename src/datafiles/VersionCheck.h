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

// How much of the files the check reads. At start-up the players file, when its Version is as
// expected, is read only up to that element: its reader reads it in full right after and reports
// a fault beyond it. Every other file, and a players file that differs, is read whole. The check
// command reads every file whole, so that it vouches for what it passes.
enum class VersionRead { UpToVersion, WholeFile };

// Visits the five game files in order. A missing file ends the check with the current result
// (true); a differing Version text ends it with false. A file that is not well-formed XML (in
// the part read) raises a DataFileError.
VersionCheckResult checkDataFileVersions(const DataFolder &folder, VersionRead read = VersionRead::UpToVersion);
