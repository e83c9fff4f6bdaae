#include "common/NumberText.h"

#include <QString>

#include <cstdint>

namespace NumberText {

bool gameFileInteger(QStringView text, int32_t *value)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text.at(0) == QLatin1Char('-');
    if (negative)
        i = 1;
    if (i >= text.size())
        return false;
    // Accumulate toward the negative side, which holds one more value than the positive.
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 - (c - u'0');
        if (v < INT32_MIN)
            return false;
    }
    if (!negative) {
        if (-v > INT32_MAX)
            return false;
        v = -v;
    }
    *value = static_cast<int32_t>(v);
    return true;
}

int32_t playerId(QStringView text)
{
    const QChar *c = text.constData();
    const QChar *end = c + text.size();
    while (c != end && c->isSpace())
        ++c;
    if (c != end && *c == QLatin1Char('+'))
        ++c;
    if (c == end || !c->isDigit() || c->unicode() > '9')
        return -1;
    int64_t value = 0;
    while (c != end && c->unicode() >= '0' && c->unicode() <= '9') {
        value = value * 10 + (c->unicode() - '0');
        if (value > 2147483647)
            return -1;
        ++c;
    }
    while (c != end && c->isSpace())
        ++c;
    return c == end ? static_cast<int32_t>(value) : -1;
}

bool settingsInteger(QStringView text, int *value)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    int base = 10;
    bool negative = false;
    if (n >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        i = 2;
    } else if (n >= 1 && text[0] == u'$') {
        base = 16;
        i = 1;
    } else if (n >= 1 && text[0] == u'-') {
        negative = true;
        i = 1;
    }
    if (i >= n)
        return false;
    const qint64 limit = negative ? qint64(2147483648LL) : qint64(2147483647LL);
    qint64 acc = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        acc = acc * base + digit;
        if (acc > limit)
            return false;
    }
    *value = int(negative ? -acc : acc);
    return true;
}

bool languageFileInteger(QStringView text, int *value)
{
    bool ok = false;
    const int v = text.trimmed().toString().toInt(&ok, 10);
    if (ok)
        *value = v;
    return ok;
}

QString decimal(double value, QStringView separator)
{
    return QString::number(value).replace(QLatin1Char('.'), separator.toString());
}

} // namespace NumberText
