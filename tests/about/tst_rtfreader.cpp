#include "about/RtfReader.h"

#include <QtTest>

class TestRtfReader : public QObject {
    Q_OBJECT

    static RtfDocument readFixture(const char *name)
    {
        const auto doc = RtfReader::readFile(QStringLiteral(SQW_TEST_DATA_DIR "/rtf/") + QLatin1String(name));
        if (!doc)
            qFatal("fixture %s missing", name);
        return *doc;
    }

private slots:
    void readsTheSubsetOurDocumentsUse()
    {
        const RtfDocument doc = readFixture("sample.rtf");
        QCOMPARE(doc.paragraphs.size(), 5);

        const RtfParagraph &title = doc.paragraphs[0];
        QCOMPARE(title.text(), QStringLiteral("Squadwright"));
        QCOMPARE(title.alignment, RtfParagraph::Centre);
        QVERIFY(title.runs[0].format.bold);
        QCOMPARE(title.runs[0].format.halfPoints, 32);

        // Groups keep their format to themselves; the colour comes from the table.
        const RtfParagraph &formats = doc.paragraphs[1];
        QCOMPARE(formats.text(), QStringLiteral("Plain, italic, underlined and red text."));
        QCOMPARE(formats.alignment, RtfParagraph::Left);
        QStringList shown;
        for (const RtfRun &run : formats.runs) {
            QCOMPARE(run.format.halfPoints, 20);
            QVERIFY(!run.format.bold);
            shown << QStringLiteral("%1:%2%3%4").arg(run.text).arg(run.format.italic).arg(run.format.underline)
                         .arg(run.format.colour ? run.format.colour->red : -1);
        }
        QCOMPARE(shown, QStringList({"Plain, :00-1", "italic:10-1", ", :00-1", "underlined:01-1", " and :00-1",
                                     "red:00200", " text.:00-1"}));

        // Code-page bytes, \u with its stand-in skipped (negative values too, \uc2), \line, \tab.
        QCOMPARE(doc.paragraphs[2].text(), QString::fromUtf16(u"Café € 5 € \uF074 and — dash.\u2028second\ttabbed"));
        // Escapes shown; the unknown word and the \* group never are.
        QCOMPARE(doc.paragraphs[3].text(), QStringLiteral("Escapes: \\ { } unknown word skipped."));
        QCOMPARE(doc.paragraphs[4].runs.size(), 1);
        QCOMPARE(doc.paragraphs[4].runs[0].format, RtfFormat{});
        QVERIFY(!doc.plainText().contains("Arial") && !doc.plainText().contains("Nobody")
                && !doc.plainText().contains("Hand made") && !doc.plainText().contains("hidden"));
    }

    void damagedInputIsReadAsFarAsItGoes_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("truncated") << QByteArray() << QStringLiteral("Broken bold nested\nafter text ");
        QTest::newRow("unbalanced") << QByteArray() << QStringLiteral("one two three");
        QTest::newRow("deep nesting") << QByteArray(200000, '{') + "deep" + QByteArray(100, '}') + "\\par"
                                      << QStringLiteral("deep");
        QTest::newRow("giant numbers") << QByteArray("{\\rtf1\\fs999999999999999999999 a\\u99999999999999? b\\uc99999999  c"
                                                     "\\cf123456789012  d\\'4")
                                       << QStringLiteral("a b c d");
        QTest::newRow("binary picture") << QByteArray("{\\rtf1{\\pict\\bin6 }}{{{ x}shown\\bin999999}")
                                        << QStringLiteral("shown");
        QTest::newRow("empty") << QByteArray() + "" << QString();
    }
    void damagedInputIsReadAsFarAsItGoes()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        RtfDocument doc;
        if (QByteArray(QTest::currentDataTag()) == "truncated")
            doc = readFixture("truncated.rtf");
        else if (QByteArray(QTest::currentDataTag()) == "unbalanced")
            doc = readFixture("unbalanced.rtf");
        else
            doc = RtfReader::read(rtf);
        QCOMPARE(doc.plainText(), text);
        if (QByteArray(QTest::currentDataTag()) == "giant numbers")
            QCOMPARE(doc.paragraphs[0].runs[0].format.halfPoints, 288);
    }

    void missingFileIsReported()
    {
        QString error;
        QVERIFY(!RtfReader::readFile(QStringLiteral(SQW_TEST_DATA_DIR "/rtf/none.rtf"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
