#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>

// A small streaming JSON writer that keeps keys in the order written (the output contracts of
// the command-line program list them in a fixed order) and prints every double in the shortest
// form that reads back as the same double.
class JsonWriter {
public:
    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(const char *name);

    JsonWriter &value(int v);
    JsonWriter &value(double v);      // not finite: null
    JsonWriter &value(bool v);
    JsonWriter &value(const QString &v);
    JsonWriter &value(const char *v) { return value(QString::fromUtf8(v)); }
    JsonWriter &null();

    // Each member on its own line, two blanks per level.
    QByteArray toUtf8() const { return m_out + '\n'; }

    static QByteArray formatDouble(double v);
    static QByteArray quote(const QString &s);

private:
    void beforeValue();
    void newline();
    struct Level { bool isObject; bool empty; };
    QVector<Level> m_stack;
    QByteArray m_out;
    bool m_afterKey = false;
};
