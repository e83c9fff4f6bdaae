// squadwright-demo-server: a game server on 127.0.0.1 serving the game files of a data folder,
// so the download can be tried without the real game.
#include "support/FakeGameServer.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString folder;
    quint16 port = 8080;
    FakeGameServer server;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--folder"))
            folder = args[i + 1];
        else if (args[i] == QLatin1String("--port"))
            port = quint16(args[i + 1].toUInt());
        else if (args[i] == QLatin1String("--user"))
            server.user = args[i + 1];
        else if (args[i] == QLatin1String("--code"))
            server.code = args[i + 1];
    }
    if (folder.isEmpty() || !QDir(folder).exists() || args.size() % 2) {
        std::fputs("usage: squadwright-demo-server --folder DIR [--port N] [--user NAME] [--code CODE]\n"
                   "serves the game files of DIR (a data folder such as xml/ of the program folder) on 127.0.0.1;\n"
                   "the account is manager / s3cret unless given\n", stderr);
        return 2;
    }
    server.serveFolder(folder);
    if (!server.listen(port)) {
        std::fprintf(stderr, "squadwright-demo-server: cannot listen on 127.0.0.1:%u\n", unsigned(port));
        return 1;
    }
    std::printf("Game host: %s (user %s, security code %s); Ctrl+C stops\n", qPrintable(server.host()),
                qPrintable(server.user), qPrintable(server.code));
    std::fflush(stdout);
    return app.exec();
}
