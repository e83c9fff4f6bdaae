#pragma once

namespace cli {

// The layout of the JSON documents (doc/cli-json.md); raised when a key changes meaning or goes away,
// not when one is added.
inline constexpr int kJsonFormat = 1;

} // namespace cli
