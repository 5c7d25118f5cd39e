// Tessera Forge: make and play tile-based games.
#include <GL/freeglut.h>

#include "app/app.h"

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  tf::init();
  return 0;
}
