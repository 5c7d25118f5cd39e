// The editor state.
#include "editor/editor.h"

namespace tf {
editor worldEditor;
}  // namespace tf
