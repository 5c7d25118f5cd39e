// Clickable pictures: a system image that answers to colour picking, and a
// label with two such pictures beside it (plus and minus, or any two). In a
// colour pick pass each picture is drawn as a flat rectangle in its own pick
// colour, so the pixel under the mouse says which one was hit.
#pragma once

#include <string>

namespace tf {

// Where the two buttons after a label lie: their centres (firstX, y) and
// (secondX, y) and their half size.
struct ChoiceButtons {
  int firstX = 0, secondX = 0, y = 0, half = 0;
};
// The buttons after label `line` drawn at (x, y).
ChoiceButtons choiceButtonsAfter(int x, int y, const std::string& line);

// System image `atex` centred at (x, y) with half size (w, h) on the overlay,
// or its pick colour (a0, a1, a2) in a pick pass. False when nothing was
// drawn (an index that names no system image, or a refused rectangle).
bool displaySingleChoice(int x, int y, int w, int h, int atex, int a0, int a1, int a2);

// The label `line` at (x, y) followed by a plus and a minus button with the
// pick colours (p0, p1, p2) and (m0, m1, m2).
void displayChoice(int x, int y, const std::string& line, int p0, int p1, int p2, int m0, int m1, int m2);

// The same with system images `atex` and `btex` in place of plus and minus.
void displayCustomChoice(int x, int y, const std::string& line, int atex, int a0, int a1, int a2, int btex,
                         int b0, int b1, int b2);

}  // namespace tf
