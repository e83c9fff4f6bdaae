#include "common/JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>

class TestJsonWriter : public QObject {
    Q_OBJECT
private slots:
    void doublesReadBackExactly()
    {
        QRandomGenerator rng(20261209);
        for (int i = 0; i < 20000; ++i) {
            double v;
            const quint64 bits = rng.generate64();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isfinite(v))
                continue;
            const QByteArray text = JsonWriter::formatDouble(v);
            QCOMPARE(std::strtod(text.constData(), nullptr), v);
        }
        // Position values come out of a few multiplications: no trailing noise digits.
        QCOMPARE(JsonWriter::formatDouble(0.1), QByteArray("0.1"));
        QCOMPARE(JsonWriter::formatDouble(5.9), QByteArray("5.9"));
        QCOMPARE(JsonWriter::formatDouble(-27), QByteArray("-27"));
        QCOMPARE(JsonWriter::formatDouble(NAN), QByteArray("null"));
        QCOMPARE(JsonWriter::formatDouble(INFINITY), QByteArray("null"));
    }

    void keysKeepTheirOrderAndTheDocumentParses()
    {
        JsonWriter json;
        json.beginObject();
        json.key("zeta").value(1);
        json.key("alpha").beginArray().value(2.5).null().value(true).endArray();
        json.key("empty").beginObject().endObject();
        json.key("none").beginArray().endArray();
        json.key("name").value(QStringLiteral("Kristian Jørvik"));
        json.endObject();
        const QByteArray out = json.toUtf8();
        QVERIFY(out.indexOf("zeta") < out.indexOf("alpha"));
        QVERIFY(out.indexOf("alpha") < out.indexOf("empty"));
        QJsonParseError err;
        const QJsonObject o = QJsonDocument::fromJson(out, &err).object();
        QCOMPARE(err.error, QJsonParseError::NoError);
        QCOMPARE(o["alpha"].toArray().size(), 3);
        QVERIFY(o["alpha"].toArray()[1].isNull());
        QCOMPARE(o["name"].toString(), QStringLiteral("Kristian Jørvik"));
        QVERIFY(o["empty"].toObject().isEmpty());
    }

    void stringsAreEscaped()
    {
        // A player description holds CRLF line breaks; names may hold quotes or any character.
        const QString text = QStringLiteral("23 an\r\n\r\na \"sympa\" type\\\t\x01 ") + QString::fromUtf8("\xF0\x9F\x8F\x86");
        JsonWriter json;
        json.beginArray().value(text).endArray();
        const QByteArray out = json.toUtf8();
        QVERIFY(!out.contains('\r'));
        QVERIFY(out.contains("\\r\\n"));
        QVERIFY(out.contains("\\u0001"));
        QCOMPARE(QJsonDocument::fromJson(out).array()[0].toString(), text);
    }
};

QTEST_GUILESS_MAIN(TestJsonWriter)
#include "tst_jsonwriter.moc"
