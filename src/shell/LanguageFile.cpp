#include "shell/LanguageFile.h"
#include "common/NumberText.h"

#include "datafiles/DataFolder.h"
#include "datafiles/XmlFile.h"
#include "common/NameTables.h"
#include "lineup/Board.h"
#include "lineup/BoardControls.h"
#include "settings/IniFile.h"
#include "common/LanguageTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <exception>
#include <memory>

namespace {

const QString kItems = QStringLiteral("Items");
const QString kIndex = QStringLiteral("Index");
const QString kValue = QStringLiteral("Value");
const QString kName = QStringLiteral("Name");

// The board's boxes with fixed entries, as the board names them; a language file may spell
// them in any case.
QString boardBoxName(const QString &elementName)
{
    static const char *const kBehaviourAndOrderBoxes[] = {"cbDLD", "cbDC1", "cbDC2", "cbDLG", "cbAD", "cbM1",
                                                          "cbM2", "cbAG", "cbA1", "cbA2", "cbOrdreCalc"};
    for (int c = 0; c < Board::kConditionCount; ++c) {
        const QString name = QLatin1String(BoardControls::conditionBoxName(Board::Condition(c)));
        if (LanguageFile::sameName(name, elementName))
            return name;
    }
    for (const char *box : kBehaviourAndOrderBoxes) {
        if (LanguageFile::sameName(QLatin1String(box), elementName))
            return QLatin1String(box);
    }
    return QString();
}

// Every element below `top` in document order, without entering those for which `visit`
// returns false. A loop rather than recursion: the nesting is the file author's choice and must
// never reach the call stack.
template <typename Visit>
void forEachBelow(const QDomElement &top, const Visit &visit)
{
    for (QDomElement e = top.firstChildElement(); !e.isNull();) {
        QDomElement next = visit(e) ? e.firstChildElement() : QDomElement();
        for (QDomElement up = e; next.isNull() && up != top; up = up.parentNode().toElement())
            next = up.nextSiblingElement();
        e = next;
    }
}

} // namespace

// ---- loading ------------------------------------------------------------------------------

bool LanguageFile::load(const QString &path)
{
    m_document = QDomDocument();
    m_path = path;
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return loadFromData(data);
}

bool LanguageFile::loadFromData(const QByteArray &data)
{
    // An oversized or absurdly nested file is no language file, and would stall start-up.
    QDomDocument document;
    if (!XmlBounds::problem(data).isEmpty() || !document.setContent(data) || document.documentElement().isNull()) {
        m_document = QDomDocument();
        return false;
    }
    m_document = document;
    return true;
}

QList<QDomElement> LanguageFile::windowElements(const QString &windowName) const
{
    QList<QDomElement> found;
    if (!isLoaded())
        return found;
    for (QDomElement e = root().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (sameName(e.tagName(), windowName))
            found.append(e);
    }
    return found;
}

// ---- small DOM helpers ----------------------------------------------------------------------

QDomElement LanguageFile::childElement(const QDomElement &parent, const QString &name)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (sameName(e.tagName(), name))
            return e;
    }
    return QDomElement();
}

QString LanguageFile::attribute(const QDomElement &element, const QString &name, bool *found)
{
    // The exact spelling first, the way translators write it; then any spelling.
    if (element.hasAttribute(name)) {
        if (found)
            *found = true;
        return element.attribute(name);
    }
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        if (sameName(a.name(), name)) {
            if (found)
                *found = true;
            return a.value();
        }
    }
    if (found)
        *found = false;
    return QString();
}


bool LanguageFile::intAttribute(const QDomElement &element, const QString &name, int *value)
{
    bool found = false;
    const QString text = attribute(element, name, &found);
    return found && NumberText::languageFileInteger(text, value);
}

QString LanguageFile::convertLineBreaks(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return result;
}

QStringList LanguageFile::splitLines(const QString &text)
{
    QStringList lines;
    QString current;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

bool LanguageFile::wholeListText(const QDomElement &listElement, QString *text)
{
    const QDomNode first = listElement.firstChild();
    if (first.isNull() || !first.isCDATASection())
        return false;
    *text = first.toCDATASection().data();
    return true;
}

int LanguageFile::applyStringList(const QDomElement &listElement, QStringList *lines)
{
    QString whole;
    if (wholeListText(listElement, &whole)) {
        *lines = splitLines(whole);
        return int(lines->size());
    }
    int changed = 0;
    for (QDomElement e = listElement.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        int index = -1;
        bool hasValue = false;
        const QString value = attribute(e, kValue, &hasValue);
        if (!intAttribute(e, kIndex, &index) || !hasValue)
            continue;
        if (index < 0 || index >= lines->size())
            continue;
        (*lines)[index] = value;
        ++changed;
    }
    return changed;
}

int LanguageFile::applyFixedStringList(const QDomElement &listElement, QStringList *lines)
{
    QString whole;
    if (wholeListText(listElement, &whole)) {
        const QStringList given = splitLines(whole);
        const qsizetype n = std::min(given.size(), lines->size());
        for (qsizetype i = 0; i < n; ++i)
            (*lines)[i] = given.at(i);
        return int(n);
    }
    return applyStringList(listElement, lines);
}

// ---- the parts without widgets --------------------------------------------------------------

// Components are owned by the window whatever their nesting in the file, so every element below
// the main window's element is a candidate; the vocabulary component's entries are not.
template <typename Visit>
void LanguageFile::forEachComponentElement(const QDomElement &element, const Visit &visit) const
{
    forEachBelow(element, [&](const QDomElement &e) {
        if (sameName(e.tagName(), QLatin1String(kVariables)))
            return false;
        visit(e);
        return true;
    });
}

int LanguageFile::applyVocabulary(Vocabulary &vocabulary) const
{
    int set = 0;
    const auto fill = [&](const QDomElement &variables) {
        for (QDomElement e = variables.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            bool hasName = false, hasValue = false;
            const QString key = attribute(e, kName, &hasName);
            const QString value = attribute(e, kValue, &hasValue);
            if (hasName && hasValue && vocabulary.setText(key, convertLineBreaks(value)))
                ++set;
        }
    };
    // The vocabulary component may stand at any depth of the main window's element.
    for (const QDomElement &form : windowElements(QLatin1String(kMainWindow))) {
        forEachBelow(form, [&](const QDomElement &e) {
            if (!sameName(e.tagName(), QLatin1String(kVariables)))
                return true;
            fill(e);
            return false;
        });
    }
    return set;
}

int LanguageFile::applyVocabularyOf(const QString &path, Vocabulary &vocabulary)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError || !XmlBounds::problem(data).isEmpty())
        return -1;
    const auto same = [](QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    const QString mainWindow = QLatin1String(kMainWindow), variables = QLatin1String(kVariables);
    // As attribute(): the exact spelling first, then any spelling.
    const auto value = [&](const QXmlStreamAttributes &attributes, const QString &name, bool *found) {
        *found = true;
        if (attributes.hasAttribute(name))
            return attributes.value(name).toString();
        for (const QXmlStreamAttribute &a : attributes)
            if (same(a.qualifiedName(), name))
                return a.value().toString();
        *found = false;
        return QString();
    };
    // The entries are kept until the whole file proves well-formed: a broken file changes nothing.
    QList<std::pair<QString, QString>> entries;
    QXmlStreamReader reader(data);
    reader.setNamespaceProcessing(false);
    int depth = 0;          // of the element just started
    int variablesDepth = 0; // of the vocabulary component being read, 0 outside one
    bool inMainWindow = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const QStringView name = reader.qualifiedName();
            if (depth == 2) {
                inMainWindow = same(name, mainWindow);
            } else if (variablesDepth == 0) {
                if (inMainWindow && same(name, variables))
                    variablesDepth = depth;
            } else if (depth == variablesDepth + 1) {
                bool hasName = false, hasValue = false;
                const QXmlStreamAttributes attributes = reader.attributes();
                QString key = value(attributes, kName, &hasName);
                QString text = value(attributes, kValue, &hasValue);
                if (hasName && hasValue)
                    entries.append({std::move(key), std::move(text)});
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == variablesDepth)
                variablesDepth = 0;
            --depth;
        }
    }
    if (reader.hasError())
        return -1;
    int set = 0;
    for (const auto &[key, text] : entries)
        if (vocabulary.setText(key, convertLineBreaks(text)))
            ++set;
    return set;
}

int LanguageFile::applyNameTables(NameTables &tables) const
{
    int set = 0;
    for (const QDomElement &form : windowElements(QLatin1String(kMainWindow))) {
        forEachComponentElement(form, [&](const QDomElement &e) {
            NameTables::Table table = NameTables::Levels;
            if (!NameTables::tableByName(e.tagName(), &table))
                return;
            const QDomElement items = childElement(e, kItems);
            if (items.isNull())
                return;
            QStringList lines = tables.items(table);
            const int n = applyStringList(items, &lines);
            if (n > 0 && tables.setItems(e.tagName(), lines))
                set += n;
        });
    }
    return set;
}

int LanguageFile::applyBoardItems(Board &board) const
{
    int set = 0;
    for (const QDomElement &form : windowElements(QLatin1String(kMainWindow))) {
        forEachComponentElement(form, [&](const QDomElement &e) {
            NameTables::Table table = NameTables::Levels;
            if (NameTables::tableByName(e.tagName(), &table))
                return; // the trainer types live in the name tables
            const QString box = boardBoxName(e.tagName());
            const QDomElement items = childElement(e, kItems);
            if (box.isEmpty() || items.isNull())
                return;
            const QStringList before = board.items(box);
            QStringList lines = before;
            if (applyFixedStringList(items, &lines) == 0)
                return;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (lines.at(i) != before.at(i) && board.edit()->setItemText(box, int(i), lines.at(i)))
                    ++set;
            }
        });
    }
    return set;
}

int LanguageFile::applyHeadless(LanguageTexts &texts, Board *board) const
{
    if (!isLoaded())
        return 0;
    int set = applyVocabulary(texts.vocabulary);
    set += applyNameTables(texts.names);
    if (board)
        set += applyBoardItems(*board);
    return set;
}

std::optional<QString> LanguageFile::componentText(const QString &window, const QString &component,
                                                  const QString &property) const
{
    for (const QDomElement &form : windowElements(window)) {
        QDomElement target;
        forEachBelow(form, [&](const QDomElement &e) {
            if (!target.isNull())
                return false;
            if (sameName(e.tagName(), component))
                target = e;
            return target.isNull();
        });
        if (target.isNull())
            continue;
        bool has = false;
        QString text = attribute(target, property, &has);
        if (!has) {
            const QDomElement child = childElement(target, property);
            has = !child.isNull();
            text = child.text();
        }
        if (has)
            return convertLineBreaks(text);
    }
    return std::nullopt;
}

// ---- the language folder ----------------------------------------------------------------------

int LanguageFile::languageId(const QString &path, int def)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return def;
    return IniFile(path).readInteger(QStringLiteral("langue"), QStringLiteral("ID"), def);
}

bool LanguageFile::followQtTranslations(const QString &languageFilePath)
{
    // The languages we ship, by file name as the settings name them (reading the file's number
    // would parse the whole file once more); Qt's own texts are English already.
    static const QHash<QString, QString> qtLocales = {{QStringLiteral("francais"), QStringLiteral("fr")}};
    static QTranslator *installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const QString locale = qtLocales.value(QFileInfo(languageFilePath).completeBaseName().toLower());
    if (locale.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}

QList<LanguageFile::LanguageInfo> LanguageFile::availableLanguages(const QString &programFolder)
{
    QList<LanguageInfo> languages;
    QDir dir(QDir(programFolder).filePath(QStringLiteral("lng")));
    if (!dir.exists())
        return languages;
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : files) {
        const QString fileName = info.fileName();
        LanguageInfo language;
        language.name = fileName.left(fileName.size() - 4);
        language.path = info.absoluteFilePath();
        language.id = languageId(language.path);
        languages.append(language);
    }
    return languages;
}

QString LanguageFile::languageFilePath(const QString &programFolder, const QString &languageName)
{
    // A language is a plain file name in the lng folder, never a path elsewhere.
    if (languageName.isEmpty() || languageName.contains(QLatin1Char('/')) || languageName.contains(QLatin1Char('\\')))
        return QString();
    // Settings written on a system that ignores case ("francais") still find "Francais.lng".
    const QString folder = QDir(programFolder).filePath(QStringLiteral("lng")) + QLatin1Char('/');
    return findFileNoCase(folder, languageName + QStringLiteral(".lng"));
}
