#pragma once
#include "platform/ProgramPaths.h"

#include <QStringList>

// What every start of the program does in its writable folders before anything reads them: it
// finishes a download of the game files that a kill interrupted while it replaced them, removes
// the temporary files killed writes left behind (a copy of the settings among them), and takes
// the settings file and the kept server answers away from the other users of the machine when
// they could read them.
struct FolderTidy {
    QStringList madePrivate;       // files other users could read, now the user's alone
    bool downloadFinished = false; // the files of an interrupted download were put in place

    static FolderTidy run(const ProgramPaths &paths);
    // What the user is told, in the current language; empty when there is nothing to tell.
    QStringList notices() const;
};
