#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>

// Whole numbers as each kind of file writes them. Every reader of a number goes through one of
// these, so a rule is written once and a file means the same thing wherever it is read.
namespace NumberText {

// The game's XML files: an optional minus sign and decimal digits, nothing else (no blanks, no
// plus sign), within the 32-bit range. False (value untouched) for anything else.
bool gameFileInteger(QStringView text, int32_t *value);

// A player's ID as the board names him: decimal digits, blanks around allowed, an optional plus
// sign, within 32 bits and not negative. Anything else is no usable ID: -1 (an empty place).
int32_t playerId(QStringView text);

// A settings value: decimal with an optional minus sign, or hexadecimal after "0x" or "$";
// no blanks around; within the 32-bit range. False (value untouched) for anything else.
bool settingsInteger(QStringView text, int *value);

// A number of a language file: decimal, an optional sign, blanks around allowed. False (value
// untouched) for anything else.
bool languageFileInteger(QStringView text, int *value);

// A decimal number in a text read by people, with the separator of the text's language
// ("0,5" in French, "0.5" in English); as many digits as the number needs.
QString decimal(double value, QStringView separator);

} // namespace NumberText
