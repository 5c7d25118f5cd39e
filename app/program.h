// Connecting the program's parts: what lower folders leave to be filled in
// from above (the console's output, the steps of shutdown, the button
// functions of the game and the editors, the editors' part in moving between
// games, the end of a play-test). Start-up does it first; the tests do it too.
#pragma once

namespace tf {

// Installs every connection; calling it again changes nothing.
void connectProgram();

}  // namespace tf
