#pragma once
// Files a test writes for the program to read.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace TestSupport {

// Puts exactly these bytes in the file, made or emptied, and gives its path back. A test that
// cannot write its own input cannot say anything, so it stops there.
inline QString writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()
        || !f.flush()) {
        std::fprintf(stderr, "cannot write the test file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

} // namespace TestSupport
