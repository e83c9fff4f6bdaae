#include "common/JsonWriter.h"

#include <charconv>
#include <cmath>

void JsonWriter::newline()
{
    m_out += '\n';
    m_out += QByteArray(2 * m_stack.size(), ' ');
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_stack.isEmpty()) {
        if (!m_stack.last().empty)
            m_out += ',';
        m_stack.last().empty = false;
        newline();
    }
}

JsonWriter &JsonWriter::beginObject()
{
    beforeValue();
    m_out += '{';
    m_stack.append({true, true});
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    const bool empty = m_stack.last().empty;
    m_stack.removeLast();
    if (!empty)
        newline();
    m_out += '}';
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    beforeValue();
    m_out += '[';
    m_stack.append({false, true});
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    endObject();
    m_out.chop(1);
    m_out += ']';
    return *this;
}

JsonWriter &JsonWriter::key(const char *name)
{
    beforeValue();
    m_out += quote(QString::fromUtf8(name));
    m_out += ": ";
    m_afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::value(int v)
{
    beforeValue();
    m_out += QByteArray::number(v);
    return *this;
}

JsonWriter &JsonWriter::value(double v)
{
    beforeValue();
    m_out += formatDouble(v);
    return *this;
}

JsonWriter &JsonWriter::value(bool v)
{
    beforeValue();
    m_out += v ? "true" : "false";
    return *this;
}

JsonWriter &JsonWriter::value(const QString &v)
{
    beforeValue();
    m_out += quote(v);
    return *this;
}

JsonWriter &JsonWriter::null()
{
    beforeValue();
    m_out += "null";
    return *this;
}

QByteArray JsonWriter::formatDouble(double v)
{
    if (!std::isfinite(v))
        return "null";
    char buf[64];
    // Shortest representation that parses back to the same double.
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QByteArray(buf, int(res.ptr - buf));
}

QByteArray JsonWriter::quote(const QString &s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}
