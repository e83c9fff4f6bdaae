#pragma once
// Texts of a test's own, in force while they live: what a test changes in them ends with them,
// and the next case starts from the built-in French.
#include "common/LanguageTexts.h"

namespace TestSupport {

struct OwnTexts : LanguageTexts {
    TextsInForce inForce{*this};
};

} // namespace TestSupport
