// make-sample-games DATA_FOLDER: writes the sample games' maps, logic,
// phrases, menus and help into DATA_FOLDER/games, through the program's own
// model and file writers, so that every file is exactly what the program
// reads. The pictures and sounds they use are drawn by scripts/make-games.
#include <cstdio>

#include <boost/filesystem.hpp>

#include "sample_games.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-sample-games DATA_FOLDER\n");
    return 2;
  }
  boost::system::error_code error;
  boost::filesystem::current_path(argv[1], error);
  if (error) {
    std::fprintf(stderr, "make-sample-games: cannot enter %s\n", argv[1]);
    return 1;
  }
  // The writers report each step on standard output; a failure ends the
  // program with a message on standard error.
  tfgames::makeMaze();
  tfgames::makeWhack();
  return 0;
}
