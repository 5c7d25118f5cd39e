// The pictures shipped with the toolkit: every system picture is there, the
// numbered picture folders have no gaps, and the font and map pictures have
// the shapes drawing relies on. (The sounds are loaded in sound_al_test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/images.h"

namespace {

namespace fs = boost::filesystem;

const fs::path kData = fs::path(TF_SOURCE_DIR) / "data";

std::vector<unsigned char> readBytes(const fs::path& path) {
  std::ifstream in(path.string(), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isJpeg(const fs::path& path) {
  const std::vector<unsigned char> b = readBytes(path);
  return b.size() > 3 && b[0] == 0xff && b[1] == 0xd8 && b[2] == 0xff;
}

// A PNG file's width, height and colour type from its header; width 0 when it is none.
struct PngInfo {
  std::uint32_t width = 0, height = 0;
  int colourType = -1;
};
PngInfo readPngHeader(const fs::path& path) {
  static const unsigned char kStart[16] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n',
                                           0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  const std::vector<unsigned char> b = readBytes(path);
  auto bigEndian = [&b](std::size_t at) {
    return std::uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
  };
  PngInfo info;
  if (b.size() < 33 || !std::equal(kStart, kStart + 16, b.begin())) return info;
  return {bigEndian(16), bigEndian(20), b[25]};
}

TEST(ShippedPictures, EverySystemPictureAndTheSplashArePresentAndWellFormed) {
  for (int index = 0; index < tf::kSystemImageCount; ++index) {
    const std::string base = (kData / "uireq" / tf::kSystemImageNames[index]).string();
    if (fs::exists(base + ".jpg")) {
      EXPECT_TRUE(isJpeg(base + ".jpg")) << base;
    } else {
      EXPECT_GT(readPngHeader(base + ".png").height, 0u) << base << " is missing or damaged";
    }
  }
  EXPECT_TRUE(isJpeg(kData / "splash0.jpg"));
  // The font: a square grid of 10 x 10 cells, blended by its alpha (grey+alpha or RGBA).
  const PngInfo font = readPngHeader(kData / "uireq" / "font.png");
  EXPECT_TRUE(font.width > 0 && font.width == font.height && font.width % 10 == 0) << font.width;
  EXPECT_TRUE(font.colourType == 4 || font.colourType == 6) << font.colourType;
}

TEST(ShippedPictures, MenuAndMapFoldersHoldNumberedPicturesWithoutGaps) {
  for (const std::string folder : {"ui", "map"}) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kData / folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    ASSERT_FALSE(names.empty()) << folder;
    if (folder == "map") {
      EXPECT_LE(names.size(), 200u) << "only 200 default map pictures load";
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
      const fs::path path = kData / folder / names[i];
      EXPECT_EQ(path.stem().string(), std::to_string(10000 + i)) << path;
      if (path.extension() == ".jpg") {
        EXPECT_TRUE(isJpeg(path)) << path;
        continue;
      }
      const PngInfo png = readPngHeader(path);
      EXPECT_GT(png.height, 0u) << path;
      // Map pictures are square tiles or strips of ten frames.
      if (folder == "map") {
        EXPECT_TRUE(png.width == png.height || png.width == 10 * png.height) << path;
      }
    }
  }
}

}  // namespace
