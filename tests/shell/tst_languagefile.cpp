#include "common/NameTables.h"
#include "lineup/Board.h"
#include "settings/IniFile.h"
#include "about/RtfReader.h"
#include "shell/LanguageFile.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"
#include "support/OwnTexts.h"
#include "support/VocabularyInspector.h"
#include "support/Files.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QByteArray lng(const QByteArray &form1Body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Application>\n<Form1>\n") + form1Body
        + "\n</Form1>\n</Application>\n";
}

QString shippedFile(const char *name)
{
    return QStringLiteral(SQW_SAMPLE_DATA_DIR "/lng/") + QLatin1String(name);
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT
    // Each case lays its files over texts of its own.
    std::unique_ptr<TestSupport::OwnTexts> m_texts;

private slots:
    void init() { m_texts = std::make_unique<TestSupport::OwnTexts>(); }
    void cleanup() { m_texts.reset(); }

    // ---- vocabulary ----

    void vocabularyEntries_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("keeper") << lng("<Variables><V Name=\"GARDIEN\" Value=\"Keeper\"/></Variables>")
                                << "GARDIEN" << "Keeper";
        QTest::newRow("backslash-n gives two lines")
            << lng("<Variables><V Name=\"NO_AIDE\" Value=\"Sorry,\\nno help.\"/></Variables>")
            << "NO_AIDE" << "Sorry,\r\nno help.";
        QTest::newRow("form1 written in lower case")
            << QByteArray("<root><form1><Variables><V Name=\"BAS\" Value=\"(low)\"/></Variables></form1></root>")
            << "BAS" << "(low)";
        QTest::newRow("vocabulary element nested in another one")
            << lng("<Panel1><variables><x Name=\"HAUT\" Value=\"(high)\"/></variables></Panel1>")
            << "HAUT" << "(high)";
        QTest::newRow("vocabulary element 250 levels deep")
            << lng(QByteArray("<P>").repeated(248) + "<Variables><V Name=\"HAUT\" Value=\"(high)\"/></Variables>"
                   + QByteArray("</P>").repeated(248))
            << "HAUT" << "(high)";
        QTest::newRow("trailing blank kept")
            << lng("<Variables><V Name=\"TACTIQUE\" Value=\"Tactic: \"/></Variables>") << "TACTIQUE" << "Tactic: ";
        QTest::newRow("entry without Value changes nothing")
            << lng("<Variables><V Name=\"GARDIEN\"/></Variables>") << "GARDIEN" << "Gardien de but";
        QTest::newRow("key of another window's Variables ignored")
            << QByteArray("<r><FPlayerTest><Variables><V Name=\"GARDIEN\" Value=\"Keeper\"/></Variables>"
                          "</FPlayerTest></r>")
            << "GARDIEN" << "Gardien de but";
    }
    void vocabularyEntries()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        LanguageFile file;
        QVERIFY(file.loadFromData(document));
        file.applyHeadless(*m_texts, nullptr);
        QCOMPARE(vocab(key), expected);
    }

    void unregisteredKeysAreIgnored()
    {
        LanguageFile file;
        QVERIFY(file.loadFromData(lng("<Variables>"
                                      "<V Name=\"NOT_A_KEY\" Value=\"x\"/>"
                                      "<V Name=\"gardien\" Value=\"lower-case key\"/>"
                                      "<V Name=\"AN\" Value=\"years\"/>"
                                      "</Variables>")));
        QCOMPARE(file.applyVocabulary(m_texts->vocabulary), 1);
        QCOMPARE(vocab("AN"), QStringLiteral("years"));
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Gardien de but"));
        QVERIFY(!VocabularyInspector::isRegistered("NOT_A_KEY"));
    }

    // ---- name tables and the board's lists ----

    void itemLists()
    {
        Board board;
        LanguageFile file;
        QVERIFY(file.loadFromData(lng(
            "<cbTeamSpirit><Items>"
            "<Item Index=\"3\" Value=\"Irritated\"/>"
            "<Item Index=\"20\" Value=\"beyond the list\"/>"
            "<Item Index=\"-1\" Value=\"before the list\"/>"
            "<Item Index=\"x\" Value=\"not a number\"/>"
            "</Items></cbTeamSpirit>"
            "<GbVelmorra><CBTACTIQUE><items><i Index=\"2\" Value=\"Counter-attacks\"/></items></CBTACTIQUE></GbVelmorra>"
            "<cbDLG><Items><Item Index=\"1\" Value=\"Defensive\"/></Items></cbDLG>"
            "<cbOrdreCalc><Items><Item Index=\"5\" Value=\"M-D-A\"/></Items></cbOrdreCalc>"
            "<cbGardien><Items><Item Index=\"0\" Value=\"a player box keeps its names\"/></Items></cbGardien>"
            "<LDenomination><Items><Item Index=\"20\" Value=\"divine\"/><Item Index=\"21\" Value=\"x\"/></Items>"
            "</LDenomination>"
            "<LEntraineur><Items><Item Index=\"2\" Value=\"Balanced\"/></Items></LEntraineur>")));
        file.applyHeadless(*m_texts, &board);

        const QStringList spirit = board.items("cbTeamSpirit");
        QCOMPARE(spirit.size(), 13);
        QCOMPARE(spirit.at(3), QStringLiteral("Irritated"));
        QCOMPARE(spirit.at(12), QStringLiteral("Le paradis sur Terre! (+2)"));
        QCOMPARE(board.items("cbTactique").at(2), QStringLiteral("Counter-attacks"));
        // One behaviour box, not its twin on the other side.
        QCOMPARE(board.items("cbDLG").at(1), QStringLiteral("Defensive"));
        QCOMPARE(board.items("cbDLD").at(1), QStringLiteral("Défensif"));
        QCOMPARE(board.items("cbOrdreCalc").at(5), QStringLiteral("M-D-A"));
        QCOMPARE(board.items("cbGardien"), board.state().candidateList());

        QCOMPARE(nameTables().levelName(20), QStringLiteral("divine"));
        QCOMPARE(nameTables().items(NameTables::Levels).size(), 21);
        QCOMPARE(nameTables().trainerTypeWord(2), QStringLiteral("Balanced"));
        QCOMPARE(board.items("LEntraineur").at(2), QStringLiteral("Balanced"));
    }

    void characterDataReplacesAWholeList()
    {
        Board board;
        LanguageFile file;
        // The specialty table starts with an empty word: the section starts with a line break.
        QVERIFY(file.loadFromData(lng("<LSpecialty><Items><![CDATA[\nTechnical\nQuick\n]]></Items></LSpecialty>"
                                      "<cbLieu><Items><![CDATA[Home\r\nAway\r\nNeutral ground]]></Items></cbLieu>"
                                      "<cbAttitude><Items><![CDATA[Play it cool]]></Items></cbAttitude>")));
        file.applyHeadless(*m_texts, &board);
        QCOMPARE(nameTables().items(NameTables::Specialty),
                 QStringList({QString(), "Technical", "Quick"}));
        QCOMPARE(nameTables().specialtyWord(4), QString());
        // A box keeps its entries: lines beyond them are left out, entries beyond the lines stay.
        QCOMPARE(board.items("cbLieu"), QStringList({"Home", "Away"}));
        QCOMPARE(board.items("cbAttitude"),
                 QStringList({"Play it cool", "Normal", "Meilleur match de la saison"}));
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one line") << "a" << QStringList({"a"});
        QTest::newRow("final break starts no line") << "a\r\nb\r\n" << QStringList({"a", "b"});
        QTest::newRow("leading break") << "\na" << QStringList({"", "a"});
        QTest::newRow("CR alone and LF alone") << "a\r\rb\nc" << QStringList({"a", "", "b", "c"});
        QTest::newRow("no conversion of backslash-n") << "a\\nb" << QStringList({"a\\nb"});
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(LanguageFile::splitLines(text), lines);
    }

    // ---- broken files change nothing ----

    void brokenFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("cut short") << lng("<Variables><V Name=\"GARDIEN\" Value=\"Keeper\"/></Variables>").left(90);
        QTest::newRow("two roots") << QByteArray("<a><Form1/></a><b/>");
        QTest::newRow("not XML") << QByteArray("[langue]\nID=3\n");
        QTest::newRow("binary") << QByteArray("\xff\xfe\x00<\x00F\x00", 7);
        // Nesting like this once stalled start-up and then overflowed the stack.
        QTest::newRow("10,000 levels deep")
            << lng(QByteArray("<P>").repeated(10000) + "<Variables><V Name=\"GARDIEN\" Value=\"Keeper\"/></Variables>"
                   + QByteArray("</P>").repeated(10000));
    }
    void brokenFilesChangeNothing()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("Broken.lng");
        if (!content.isNull())
            TestSupport::writeFile(path, content);
        Board board;
        const QStringList tactics = board.items("cbTactique");
        LanguageFile file(path);
        QVERIFY(!file.isLoaded());
        QCOMPARE(file.applyHeadless(*m_texts, &board), 0);
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Gardien de but"));
        QCOMPARE(board.items("cbTactique"), tactics);
        QCOMPARE(nameTables().levelName(0), QStringLiteral("Inexistant"));
    }

    void aFolderIsNoLanguageFile()
    {
        QTemporaryDir dir;
        LanguageFile file;
        QVERIFY(!file.load(dir.path()));
        QVERIFY(!file.load(QString()));
    }

    // A second file without some keys leaves what the first one set.
    void switchingKeepsTextsTheNewFileLacks()
    {
        Board board;
        LanguageFile first, second;
        QVERIFY(first.loadFromData(lng("<Variables><V Name=\"GARDIEN\" Value=\"Keeper\"/>"
                                       "<V Name=\"BAS\" Value=\"(low)\"/></Variables>"
                                       "<cbLieu><Items><Item Index=\"1\" Value=\"Away\"/></Items></cbLieu>")));
        QVERIFY(second.loadFromData(lng("<Variables><V Name=\"BAS\" Value=\"(basso)\"/></Variables>")));
        first.applyHeadless(*m_texts, &board);
        second.applyHeadless(*m_texts, &board);
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Keeper"));
        QCOMPARE(vocab("BAS"), QStringLiteral("(basso)"));
        QCOMPARE(board.items("cbLieu").at(1), QStringLiteral("Away"));
    }

    // ---- the language folder ----

    void languageIdReadThroughTheSettingsReader()
    {
        QCOMPARE(LanguageFile::languageId(shippedFile("Francais.lng")), 0);
        QCOMPARE(LanguageFile::languageId(shippedFile("English.lng")), 1);
        QCOMPARE(IniFile(shippedFile("English.lng")).readInteger("LANGUE", "id", -1), 1);
        QCOMPARE(LanguageFile::languageId(shippedFile("Klingon.lng"), -7), -7);
    }

    void availableLanguages()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("lng"));
        const auto write = [&](const QString &name, const QByteArray &content) {
            QFile f(dir.filePath("lng/" + name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        };
        write("Zulu.lng", "<!--\n[langue]\nID=7\n-->\n<r/>\n");
        write("deutsch.lng", "<r/>\n");
        write("notes.txt", "[langue]\nID=9\n");
        const QList<LanguageFile::LanguageInfo> list = LanguageFile::availableLanguages(dir.path());
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).name, QStringLiteral("deutsch"));
        QCOMPARE(list.at(0).id, -1);
        QCOMPARE(list.at(1).name, QStringLiteral("Zulu"));
        QCOMPARE(list.at(1).id, 7);

        QCOMPARE(LanguageFile::languageFilePath(dir.path(), "Zulu"), dir.filePath("lng/Zulu.lng"));
        QCOMPARE(LanguageFile::languageFilePath(dir.path(), "zulu"), dir.filePath("lng/Zulu.lng"));
        QCOMPARE(LanguageFile::languageFilePath(dir.path(), ""), QString());
        QCOMPARE(LanguageFile::languageFilePath(dir.path(), "Zulu.lng"), QString()); // looked for as Zulu.lng.lng
        QCOMPARE(LanguageFile::languageFilePath(dir.path(), "../lng/Zulu"), QString());
        QVERIFY(LanguageFile::availableLanguages(dir.filePath("nowhere")).isEmpty());
    }

    // ---- the shipped files ----

    void shippedFilesAreComplete_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Francais") << shippedFile("Francais.lng");
        QTest::newRow("English") << shippedFile("English.lng");
    }
    void shippedFilesAreComplete()
    {
        QFETCH(QString, path);
        LanguageFile file;
        QVERIFY2(file.load(path), qPrintable(path));

        // Every registered key, each once.
        const QStringList keys = VocabularyInspector::keys();
        QCOMPARE(file.applyVocabulary(m_texts->vocabulary), int(keys.size()));
        QStringList named;
        const QDomElement variables =
            LanguageFile::childElement(file.windowElements("Form1").value(0), "Variables");
        for (QDomElement e = variables.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            named.append(e.attribute("Name"));
        QCOMPARE(QSet<QString>(named.begin(), named.end()), QSet<QString>(keys.begin(), keys.end()));
        QCOMPARE(named.size(), keys.size());

        // Every word table and every fixed board list, entry for entry.
        NameTables &tables = m_texts->names;
        const QList<int> sizes = {21, 6, 5, 6, 6, 3};
        for (int t = 0; t < 6; ++t)
            tables.setItems(NameTables::boxName(NameTables::Table(t)), QStringList(sizes.at(t), "?"));
        Board board;
        const QStringList boxes = {"cbTactique", "cbAttitude", "cbLieu", "cbConfiance", "cbTeamSpirit",
                                   "cbOrdreCalc", "cbDLD", "cbDLG", "cbDC1", "cbDC2", "cbAD", "cbAG",
                                   "cbM1", "cbM2", "cbA1", "cbA2"};
        for (const QString &box : boxes) {
            for (int i = 0; i < board.items(box).size(); ++i)
                board.edit()->setItemText(box, i, "?");
        }
        file.applyHeadless(*m_texts, &board);
        for (int t = 0; t < 6; ++t) {
            const QStringList items = tables.items(NameTables::Table(t));
            QCOMPARE(items.size(), sizes.at(t));
            QVERIFY2(!items.contains("?"), qPrintable(NameTables::boxName(NameTables::Table(t))));
        }
        for (const QString &box : boxes)
            QVERIFY2(!board.items(box).contains("?"), qPrintable(box));
    }

    // Each guide names the menus, pages, boxes and buttons as its language file captions them,
    // quotes the update failure as the program words it, and the folders as they are.
    void guidesUseTheProgramsWords_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("guide");
        QTest::newRow("Francais") << "Francais.lng" << "Velmorrafr.rtf";
        QTest::newRow("English") << "English.lng" << "Velmorra.rtf";
    }
    void guidesUseTheProgramsWords()
    {
        QFETCH(QString, language);
        QFETCH(QString, guide);
        LanguageFile file(shippedFile(language.toLatin1().constData()));
        QVERIFY(file.isLoaded());
        const auto document = RtfReader::readFile(QStringLiteral(SQW_SAMPLE_DATA_DIR "/doc/") + guide);
        QVERIFY(document);
        const QString text = document->plainText();
        const QList<QPair<QString, QString>> named = {
            {"Form1", "Options1"},      {"Form1", "Parameters"},   {"FrmParam", "TabOnline"},
            {"FrmParam", "gbApparence"}, {"FrmParam", "GBServers"}, {"FrmParam", "LGameHost"},
            {"FrmParam", "LUpdateHost"}, {"FrmParam", "cbxProxy"},  {"FrmParam", "LHPassword"},
            {"FrmConnect", "LUserName"}, {"FrmConnect", "LPassword"}, {"FrmConnect", "BConnect"},
            {"FrmConnect", "BCancel"},  {"FrmParam", "gbHotKey"},  {"Form1", "OnTop"},
            {"Form1", "Check_Updates"}, {"Form1", "DocVelmorra"}, {"Form1", "download"}};
        for (const auto &[window, control] : named) {
            QString caption = LanguageFile::attribute(
                LanguageFile::childElement(file.windowElements(window).value(0), control), "Caption");
            caption.remove(QLatin1Char('&'));
            while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' ')))
                caption.chop(1);
            QVERIFY2(!caption.isEmpty(), qPrintable(control));
            const QRegularExpression word(QStringLiteral("(?<!\\w)") + QRegularExpression::escape(caption) + QStringLiteral("(?!\\w)"),
                                          QRegularExpression::UseUnicodePropertiesOption);
            QVERIFY2(text.contains(word), qPrintable(guide + ": " + caption));
        }
        QVERIFY(file.applyVocabulary(m_texts->vocabulary) > 0);
        const QString updateFailure = LanguageFile::splitLines(vocab("MSG_UPDATE_FAILED_BOX")).value(0);
        QVERIFY2(text.contains(updateFailure), qPrintable(updateFailure));
        // One name for the security code, and the user folder the program uses on Windows.
        QVERIFY(!text.contains(QString::fromUtf8("Mot de passe de sécurité"), Qt::CaseInsensitive));
        QVERIFY(text.contains("%LOCALAPPDATA%\\squadwright") && !text.contains("%APPDATA%"));
    }

    void englishThenFrenchAgain()
    {
        Board board;
        LanguageFile english(shippedFile("English.lng")), french(shippedFile("Francais.lng"));
        QVERIFY(english.isLoaded() && french.isLoaded());

        english.applyHeadless(*m_texts, &board);
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Keeper"));
        QCOMPARE(vocab("SUPERIEUR"), QStringLiteral("(very high)"));
        QCOMPARE(vocab("ERRORXMLFILES").count("\r\n"), 1);
        QCOMPARE(nameTables().levelName(0), QStringLiteral("non-existent"));
        QCOMPARE(nameTables().levelName(20), QStringLiteral("divine"));
        QCOMPARE(board.items("cbTactique").at(4), QStringLiteral("Attack on wings"));
        QCOMPARE(board.items("cbA1").at(4), QStringLiteral("Central defender"));

        french.applyHeadless(*m_texts, &board);
        const QStringList keys = VocabularyInspector::keys();
        for (const QString &key : keys) {
            if (key != "ERRORXMLFILES") // the French file writes it without its spelling mistakes
                QCOMPARE(vocab(key), VocabularyInspector::defaultText(key));
        }
        QCOMPARE(nameTables().levelName(0), QStringLiteral("Inexistant"));
        QCOMPARE(nameTables().trainerTypeWord(0), QStringLiteral("Défensif"));
        QCOMPARE(board.items("cbTactique").at(2), QStringLiteral("Contre-attaques"));
        QCOMPARE(board.items("cbDC1").at(2), QStringLiteral("vers l'aile"));
        QCOMPARE(board.items("cbLieu").at(1), QStringLiteral("Extérieur"));
    }

    // A malformed file's reason is the XML reader's text: it ends a French message in French.
    void qtTextsFollowTheLanguage()
    {
        auto readerError = [] {
            QXmlStreamReader r(QByteArrayLiteral("<Team>"));
            while (!r.atEnd())
                r.readNext();
            return r.errorString();
        };
        const QString english = readerError();
        if (!LanguageFile::followQtTranslations(shippedFile("Francais.lng")))
            QSKIP("Qt's French translations are not installed here");
        const QString french = readerError();
        QVERIFY2(french != english, qPrintable(french));
        QVERIFY(LanguageFile::followQtTranslations(shippedFile("English.lng")));
        QCOMPARE(readerError(), english);
    }

    // The command-line program reads the vocabulary as the file streams by: the very texts the
    // tree gives, for the shipped files and for the odd shapes translators produce.
    void streamedVocabularyEqualsTheTree_data()
    {
        QTest::addColumn<QByteArray>("content");
        const auto file = [](const char *body) {
            return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<App>") + body + "</App>\n";
        };
        QFile english(shippedFile("English.lng")), french(shippedFile("Francais.lng"));
        QVERIFY(english.open(QIODevice::ReadOnly) && french.open(QIODevice::ReadOnly));
        QTest::newRow("English") << english.readAll();
        QTest::newRow("Francais") << french.readAll();
        QTest::newRow("deep, two forms, any spelling")
            << file("<form1><Panel><variables><V NAME=\"GARDIEN\" value=\"Goalie\"/><W Name=\"CAPITAINE\" Value=\"Skip\">"
                    "<X Name=\"MILIEU\" Value=\"no\"/></W></variables></Panel></form1>"
                    "<Form1><Variables><V Name=\"SUPERIEUR\" Value=\"a&#13;&#10;b\"/></Variables></Form1>");
        QTest::newRow("vocabulary outside the main window")
            << file("<Form2><Variables><V Name=\"GARDIEN\" Value=\"no\"/></Variables></Form2>");
        QTest::newRow("broken after the entries")
            << file("<Form1><Variables><V Name=\"GARDIEN\" Value=\"no\"/></Variables></Form1><oops>");
    }
    void streamedVocabularyEqualsTheTree()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = TestSupport::writeFile(dir.filePath("Test.lng"), content);
        const auto texts = [] {
            QStringList all;
            for (const QString &key : VocabularyInspector::keys())
                all << vocab(key);
            return all;
        };
        LanguageFile tree;
        const int fromTree = tree.load(path) ? tree.applyVocabulary(m_texts->vocabulary) : -1;
        const QStringList expected = texts();
        m_texts = std::make_unique<TestSupport::OwnTexts>();
        QCOMPARE(LanguageFile::applyVocabularyOf(path, m_texts->vocabulary), fromTree);
        QCOMPARE(texts(), expected);
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
