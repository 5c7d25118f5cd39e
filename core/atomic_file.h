// Writing a file so that it is never left half-written: the text goes to a
// temporary file beside it, which then replaces the old file in one step.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace tf {

// Writes `path` through `write`. False, with the old file untouched, when the
// temporary file cannot be created, written or moved into place.
bool writeFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace tf
