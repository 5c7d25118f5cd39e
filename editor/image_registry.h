// The two image registries the editors change: the game images (tiles,
// objects, the logic's pictures) and the menu images (backgrounds, buttons).
#pragma once

#include <vector>

#include "media/images.h"

namespace tf {

enum ImageRegistry { kGameImages, kMenuImages };

std::vector<img>& registryImages(ImageRegistry registry);
// The images a registry counts (and its files keep): indexes below this.
int countedImages(ImageRegistry registry);
// True for a counted image whose slot holds a picture (the game images leave
// the slots between the toolkit's pictures and the game's own empty).
bool imageExists(ImageRegistry registry, int image);

}  // namespace tf
