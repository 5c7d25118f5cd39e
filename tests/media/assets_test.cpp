// The pictures shipped with the toolkit: every system picture is there, the
// numbered picture folders have no gaps, and the font and map pictures have
// the shapes drawing relies on.
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

// A PNG's width and height, or a JPEG's 1 x 1; 0 x 0 when it is neither.
struct Size {
  std::uint32_t width = 0, height = 0;
};
Size pictureSize(const fs::path& path) {
  std::ifstream in(path.string(), std::ios::binary);
  const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  static const unsigned char kPng[16] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  auto bigEndian = [&b](std::size_t at) {
    return std::uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
  };
  if (b.size() > 3 && b[0] == 0xff && b[1] == 0xd8 && b[2] == 0xff) return {1, 1};
  if (b.size() < 33 || !std::equal(kPng, kPng + 16, b.begin())) return {};
  return {bigEndian(16), bigEndian(20)};
}

TEST(ShippedPictures, EverySystemPictureAndTheSplashArePresentAndWellFormed) {
  for (int index = 0; index < tf::kSystemImageCount; ++index) {
    const std::string base = (kData / "uireq" / tf::kSystemImageNames[index]).string();
    EXPECT_GT(pictureSize(fs::exists(base + ".jpg") ? base + ".jpg" : base + ".png").height, 0u) << base;
  }
  // The font: a square grid of 10 x 10 cells.
  const Size font = pictureSize(kData / "uireq" / "font.png");
  EXPECT_TRUE(font.width > 1 && font.width == font.height && font.width % 10 == 0) << font.width;
}

TEST(ShippedPictures, MenuAndMapFoldersHoldNumberedPicturesWithoutGaps) {
  for (const std::string folder : {"ui", "map"}) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kData / folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    ASSERT_FALSE(names.empty()) << folder;
    for (std::size_t i = 0; i < names.size(); ++i) {
      const fs::path path = kData / folder / names[i];
      EXPECT_EQ(path.stem().string(), std::to_string(10000 + i)) << path;
      const Size size = pictureSize(path);
      EXPECT_GT(size.height, 0u) << path;
      // Map pictures are square tiles or strips of ten frames, 200 at most.
      if (folder == "map") {
        EXPECT_TRUE(size.width == size.height || size.width == 10 * size.height) << path;
        EXPECT_LT(i, 200u);
      }
    }
  }
}

}  // namespace
