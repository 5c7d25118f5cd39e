// The editor state and the rules of its selection accessors.
#include "editor/editor.h"

#include <algorithm>
#include <iterator>

#include "game/world.h"

namespace tf {

editor worldEditor;

bool inLogicEditor() {
  const int mode = worldEditor.getEditorMode();
  return mode == kModeGlobalLogic || mode == kModeLocalLogic;
}

editor::editor() { std::fill(std::begin(objectList), std::end(objectList), -1); }

void editor::setCurrentTile(int x, int y) {
  curTile[0] = startingTile[0] = endingTile[0] = x;
  curTile[1] = startingTile[1] = endingTile[1] = y;
}

void editor::setStartingTile(int x, int y) {
  if (x != -1) startingTile[0] = x;
  if (y != -1) startingTile[1] = y;
}

void editor::setEndingTile(int x, int y) {
  if (x != -1) endingTile[0] = x;
  if (y != -1) endingTile[1] = y;
}

void editor::setObjectList(int slot, int object) {
  if (slot < 0 || slot >= kObjectListSize || object < 0) return;
  objectList[slot] = object;
}

int editor::getObjectList(int slot) const {
  if (slot < 0 || slot >= kObjectListSize) return -1;
  return objectList[slot];
}

void editor::setObjectListAmount(int amount) {
  objectListAmount = std::clamp(amount, 0, kObjectListSize);
}

bool editor::notInObjectList(int object) const {
  return std::find(objectList, objectList + objectListAmount, object) != objectList + objectListAmount;
}

void editor::resetObjectList() {
  std::fill(objectList, objectList + objectListAmount, -1);
  objectListAmount = 0;
}

void editor::setRenderLayer(int layer, bool shown) {
  if (layer >= 0 && layer < kRenderLayerCount) renderLayer[layer] = shown;
}

bool editor::getRenderLayer(int layer) const {
  return layer >= 0 && layer < kRenderLayerCount && renderLayer[layer];
}

void editor::setCurrentTip(int tip) {
  if (tip < 0) tip = kLastTip;
  if (tip > kLastTip) tip = 0;
  currentTip = tip;
}

void editor::setPhraseMenu(int page) {
  if (page < -1) page = -1;
  if (page >= kPhraseCount) page = 0;
  phraseMenu = page;
}

void editor::setPhraseSelectorChoice(int choice) {
  if (choice < 0) choice = kPhraseCount - 1;
  if (choice > kPhraseCount - 1) choice = 0;
  phraseSelectorChoice = choice;
}

}  // namespace tf
