#pragma once
// The vocabulary of a shipped language file, for the tests of layers below the language files'
// machinery: the texts a user of that language reads, without the windows.
#include "common/Vocabulary.h"

#include <QDomDocument>
#include <QFile>

namespace TestSupport {

// Gives each entry of the main window's Variables its text ("\n" a line break, as the language
// files write it); false when the file cannot be read.
inline bool useShippedVocabulary(Vocabulary &vocabulary, const QString &language)
{
    QFile file(QStringLiteral(SQW_SAMPLE_DATA_DIR "/lng/") + language + QStringLiteral(".lng"));
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return false;
    const QDomElement variables =
        doc.documentElement().firstChildElement(QStringLiteral("Form1")).firstChildElement(QStringLiteral("Variables"));
    for (QDomElement e = variables.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        vocabulary.setText(e.attribute(QStringLiteral("Name")),
                                       e.attribute(QStringLiteral("Value")).replace(QLatin1String("\\n"), QLatin1String("\r\n")));
    return true;
}

} // namespace TestSupport
