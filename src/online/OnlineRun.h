#pragma once
#include "online/TeamDownload.h"

class Session;

// One whole online run with an account: the login (unless a session is open), the download of
// the five game files and the logout. A refused login stops the run: no data is asked for over a
// session that does not exist. Only one run is under way at a time in the process.
class OnlineRun {
public:
    // Throws OnlineError naming the failed step; the earlier game files are then untouched, the
    // session is given up and the view shows the failure. A logout that fails once every file is
    // stored is only a warning of the result.
    static DownloadResult run(Session &session, const QString &dataFolder, const QString &user, const QString &code);
    static bool underWay();
};
