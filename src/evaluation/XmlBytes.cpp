#include "evaluation/XmlBytes.h"

namespace XmlBytes {

namespace {
bool isContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

} // namespace

// True when the bytes are valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF) and
// every character is one XML allows.
bool validCharacters(const uint8_t *p, const uint8_t *end)
{
    while (p < end) {
        // Plain ASCII without control characters goes eight bytes at a time.
        while (end - p >= 8) {
            uint64_t w;
            std::memcpy(&w, p, 8);
            const uint64_t high = w & 0x8080808080808080ull;
            const uint64_t below20 = (w - 0x2020202020202020ull) & ~w & 0x8080808080808080ull;
            if (high | below20)
                break;
            p += 8;
        }
        if (p >= end)
            break;
        const uint8_t b = *p;
        switch (kTables.utf8[b]) {
        case kCharByte:
            ++p;
            break;
        case kLead2:
            if (end - p < 2 || !isContinuation(p[1]))
                return false;
            p += 2;
            break;
        case kLead3: {
            if (end - p < 3 || !isContinuation(p[1]) || !isContinuation(p[2]))
                return false;
            const uint32_t c = (uint32_t(b & 0x0F) << 12) | (uint32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
            if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF)
                return false;
            p += 3;
            break;
        }
        case kLead4: {
            if (end - p < 4 || !isContinuation(p[1]) || !isContinuation(p[2]) || !isContinuation(p[3]))
                return false;
            const uint32_t c = (uint32_t(b & 0x07) << 18) | (uint32_t(p[1] & 0x3F) << 12)
                | (uint32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
            if (c < 0x10000 || c > 0x10FFFF)
                return false;
            p += 4;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

bool isXmlChar(uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(std::string &out, uint32_t c)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

// Text from bytes already checked to be valid UTF-8. Not QString::fromUtf8: that drops a
// leading U+FEFF, which in a value is a character like any other.
QString fromCheckedUtf8(const std::string &bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uint8_t *p = reinterpret_cast<const uint8_t *>(bytes.data());
    const uint8_t *end = p + bytes.size();
    while (p < end) {
        const uint8_t b = *p;
        uint32_t c;
        if (b < 0x80) {
            c = b;
            p += 1;
        } else if (b < 0xE0) {
            c = (uint32_t(b & 0x1F) << 6) | (p[1] & 0x3F);
            p += 2;
        } else if (b < 0xF0) {
            c = (uint32_t(b & 0x0F) << 12) | (uint32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
            p += 3;
        } else {
            c = (uint32_t(b & 0x07) << 18) | (uint32_t(p[1] & 0x3F) << 12) | (uint32_t(p[2] & 0x3F) << 6)
                | (p[3] & 0x3F);
            p += 4;
        }
        if (c < 0x10000) {
            *out++ = char16_t(c);
        } else {
            *out++ = QChar::highSurrogate(c);
            *out++ = QChar::lowSurrogate(c);
        }
    }
    text.truncate(out - reinterpret_cast<char16_t *>(text.data()));
    return text;
}

} // namespace XmlBytes
