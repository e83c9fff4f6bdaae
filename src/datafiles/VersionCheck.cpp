#include "datafiles/VersionCheck.h"

#include "datafiles/XmlFile.h"

#include <QFile>
#include <QXmlStreamReader>

#include <optional>

namespace {

// The Version text of a file as the game writes it, read up to that element and no further.
// Nothing when the file is not that plain (unreadable, oversized, a fault or a
// document type before the version, markup inside it): the whole document is read then, so
// the answer and the message are those of the full read.
std::optional<QString> streamedVersion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > XmlBounds::kMaxBytes)
        return std::nullopt;
    QXmlStreamReader xml(&file);
    // As the document reader: names are taken as written, prefixes and all.
    xml.setNamespaceProcessing(false);
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > XmlBounds::kMaxDepth)
                return std::nullopt;
            if (depth == 2 && xml.qualifiedName() == QLatin1String("Version")) {
                QString text;
                for (;;) {
                    const QXmlStreamReader::TokenType token = xml.readNext();
                    if (token == QXmlStreamReader::EndElement)
                        return text;
                    if (token != QXmlStreamReader::Characters)
                        return std::nullopt;
                    // The document reader drops a piece of text made only of blanks (written or as
                    // character references), but never a CDATA section.
                    if (xml.isCDATA() || !xml.text().trimmed().isEmpty())
                        text += xml.text();
                }
            }
            break;
        case QXmlStreamReader::EndElement:
            // The root closed without a Version: the empty text, once the rest proves well-formed.
            if (--depth == 0) {
                while (!xml.atEnd())
                    xml.readNext();
                return xml.hasError() ? std::nullopt : std::optional<QString>(QString());
            }
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
        case QXmlStreamReader::Invalid:
            return std::nullopt;
        default:
            break;
        }
    }
    return std::nullopt;
}

// Only the players file, by far the largest, is read no further than its version: its reader
// reads it in full right after and ends the start-up on a fault before anything is written. The
// other files are small and read later, when the start-up has begun to change things (the
// settings remember the players file): a fault in them is still caught here, before anything.
bool stopsAtVersion(GameFile file)
{
    return file == GameFile::Players;
}

} // namespace

VersionCheckResult checkDataFileVersions(const DataFolder &folder, VersionRead read)
{
    VersionCheckResult result;
    for (const GameFileInfo &info : DataFolder::gameFiles()) {
        VersionCheckEntry entry{info.file, folder.findGameFile(info.file), QString(),
                                QString::fromLatin1(info.expectedVersion), VersionCheckEntry::Status::Missing};
        if (entry.path.isEmpty()) {
            result.visited.append(entry);
            return result;
        }
        const std::optional<QString> streamed =
            read == VersionRead::UpToVersion && stopsAtVersion(info.file) ? streamedVersion(entry.path)
                                                                          : std::nullopt;
        // Only the expected version is taken from the part read: a file that differs is read
        // whole, so that a fault anywhere in it is still told before its version.
        if (streamed && *streamed == entry.expected) {
            entry.found = *streamed;
        } else {
            const QDomDocument doc = loadXmlFile(entry.path);
            entry.found = firstChild(doc.documentElement(), QStringLiteral("Version")).text();
        }
        // Compared character for character: "1.60" or "1.6 " is another layout.
        if (entry.found != entry.expected) {
            entry.status = VersionCheckEntry::Status::Differs;
            result.visited.append(entry);
            result.passed = false;
            return result;
        }
        entry.status = VersionCheckEntry::Status::Matches;
        result.visited.append(entry);
    }
    return result;
}
