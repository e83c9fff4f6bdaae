#pragma once
// The bytes of an XML file as the quick players scanner reads them: which byte may stand where,
// and UTF-8 checked and decoded the way the full parser would accept it.
#include <QString>

#include <cstdint>
#include <string>

namespace XmlBytes {

// ---- what each byte is, for the scanning loops ----
enum Utf8Class : uint8_t { kCharByte, kNotAllowed, kLead2, kLead3, kLead4 };

struct ByteTables {
    uint8_t utf8[256] = {};
    bool textStop[256] = {};      // ends a run of plain character data
    bool attributeStop[256] = {}; // ends a run of plain attribute value
    bool nameStart[256] = {};
    bool nameChar[256] = {};
};

constexpr ByteTables makeTables()
{
    ByteTables t;
    for (int b = 0; b < 256; ++b) {
        if (b < 0x20)
            t.utf8[b] = (b == '\t' || b == '\n' || b == '\r') ? kCharByte : kNotAllowed;
        else if (b < 0x80)
            t.utf8[b] = kCharByte;
        else if (b >= 0xC2 && b <= 0xDF)
            t.utf8[b] = kLead2;
        else if (b >= 0xE0 && b <= 0xEF)
            t.utf8[b] = kLead3;
        else if (b >= 0xF0 && b <= 0xF4)
            t.utf8[b] = kLead4;
        else
            t.utf8[b] = kNotAllowed; // continuation bytes alone, overlong leads, beyond U+10FFFF
        const bool letter = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        // No colon: the full parser reports a prefixed name without its prefix.
        t.nameStart[b] = letter || b == '_';
        t.nameChar[b] = letter || b == '_' || (b >= '0' && b <= '9') || b == '.' || b == '-';
    }
    for (unsigned char c : {'<', '&', ']', '\r'})
        t.textStop[c] = true;
    for (unsigned char c : {'"', '\'', '<', '&', '\t', '\n', '\r'})
        t.attributeStop[c] = true;
    return t;
}

inline constexpr ByteTables kTables = makeTables();

// True when the bytes are valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF) and
// every character is one XML allows.
bool validCharacters(const uint8_t *p, const uint8_t *end);
bool isXmlChar(uint32_t c);
void appendUtf8(std::string &out, uint32_t c);
// Text from bytes already checked to be valid UTF-8. Not QString::fromUtf8: that drops a
// leading U+FEFF, which in a value is a character like any other.
QString fromCheckedUtf8(const std::string &bytes);

} // namespace XmlBytes
