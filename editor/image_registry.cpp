// The editors' view of the image registries.
#include "editor/image_registry.h"

#include <algorithm>

#include "game/world.h"
#include "menus/ui_model.h"

namespace tf {

std::vector<img>& registryImages(ImageRegistry registry) { return registry == kGameImages ? gameImg : uiImage; }

int countedImages(ImageRegistry registry) {
  const int counted = registry == kGameImages ? world.getGameImageCount() : gameUI.getUIImageCount();
  return std::clamp(counted, 0, static_cast<int>(registryImages(registry).size()));
}

bool imageExists(ImageRegistry registry, int image) {
  return image >= 0 && image < countedImages(registry) && registryImages(registry)[image].GetPointer() >= 0;
}

}  // namespace tf
