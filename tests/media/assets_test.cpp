// The data tree shipped with the toolkit: every system picture and sound is
// there and readable by the loaders, the numbered picture folders have no gaps,
// the font picture has the grid shape text drawing relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/images.h"
#include "media/sound.h"

namespace {

namespace fs = boost::filesystem;

const fs::path kData = fs::path(TF_SOURCE_DIR) / "data";

// The files of soundreq/, in system sound id order.
const char* const kSoundFiles[] = {"click", "cancel", "boop",   "delete", "copy",
                                   "mainmenu", "ok",  "open",   "close",  "error",
                                   "select", "leave", "create", "change", "melody"};
static_assert(sizeof(kSoundFiles) / sizeof(kSoundFiles[0]) == tf::kSystemSoundCount,
              "one file per system sound");

constexpr int kFirstNumber = 10000;
constexpr int kDefaultMapImageLimit = 200;
constexpr int kFramesPerStrip = 10;

std::vector<unsigned char> readBytes(const fs::path& path) {
  std::ifstream in(path.string(), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t littleEndian(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | b[at + i];
  return value;
}

std::uint32_t bigEndian32(const std::vector<unsigned char>& b, std::size_t at) {
  return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) |
         b[at + 3];
}

bool tagAt(const std::vector<unsigned char>& b, std::size_t at, const char* tag) {
  return b.size() >= at + 4 && std::equal(tag, tag + 4, b.begin() + static_cast<long>(at));
}

struct WavInfo {
  bool ok = false;
  std::string problem;
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::uint32_t dataBytes = 0;
};

// Reads a RIFF WAVE header the way a plain PCM loader needs it: the RIFF size
// matches the file, a PCM "fmt " chunk comes before a non-empty "data" chunk
// that lies inside the file.
WavInfo readWav(const std::vector<unsigned char>& b) {
  WavInfo info;
  if (b.size() < 12 || !tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE")) {
    info.problem = "not a RIFF WAVE file";
    return info;
  }
  if (littleEndian(b, 4, 4) + 8 != b.size()) {
    info.problem = "RIFF size does not match the file size";
    return info;
  }
  bool haveFormat = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    std::uint32_t size = littleEndian(b, at + 4, 4);
    if (size > b.size() - at - 8) {
      info.problem = "chunk runs past the end of the file";
      return info;
    }
    if (tagAt(b, at, "fmt ")) {
      if (size < 16) {
        info.problem = "short fmt chunk";
        return info;
      }
      if (littleEndian(b, at + 8, 2) != 1) {
        info.problem = "not PCM";
        return info;
      }
      info.channels = static_cast<int>(littleEndian(b, at + 10, 2));
      info.rate = static_cast<int>(littleEndian(b, at + 12, 4));
      info.bits = static_cast<int>(littleEndian(b, at + 22, 2));
      if (littleEndian(b, at + 20, 2) != static_cast<std::uint32_t>(info.channels * info.bits / 8)) {
        info.problem = "block alignment does not match channels and sample size";
        return info;
      }
      haveFormat = true;
    } else if (tagAt(b, at, "data")) {
      if (!haveFormat) {
        info.problem = "data before fmt";
        return info;
      }
      info.dataBytes = size;
      info.ok = size > 0;
      if (!info.ok) info.problem = "no samples";
      return info;
    }
    at += 8 + size + (size & 1);
  }
  info.problem = "no data chunk";
  return info;
}

struct PngInfo {
  bool ok = false;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int colourType = -1;
};

PngInfo readPngHeader(const std::vector<unsigned char>& b) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  PngInfo info;
  if (b.size() < 33 || !std::equal(kSignature, kSignature + 8, b.begin()) || !tagAt(b, 12, "IHDR")) return info;
  info.width = bigEndian32(b, 16);
  info.height = bigEndian32(b, 20);
  info.colourType = b[25];
  info.ok = info.width > 0 && info.height > 0;
  return info;
}

bool isJpeg(const std::vector<unsigned char>& b) {
  return b.size() > 3 && b[0] == 0xff && b[1] == 0xd8 && b[2] == 0xff;
}

bool allDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The entries of a numbered picture folder: every one must be a picture file
// named by its number; returns the numbers in order.
std::vector<int> pictureNumbers(const fs::path& folder) {
  std::vector<int> numbers;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    std::string stem = entry.path().stem().string();
    std::string extension = entry.path().extension().string();
    EXPECT_TRUE(fs::is_regular_file(entry.path())) << name;
    EXPECT_TRUE(allDigits(stem)) << name << " is not named by a number";
    EXPECT_TRUE(extension == ".png" || extension == ".jpg") << name;
    if (allDigits(stem)) numbers.push_back(std::stoi(stem));
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

void expectNumberedWithoutGaps(const fs::path& folder) {
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  std::vector<int> numbers = pictureNumbers(folder);
  ASSERT_FALSE(numbers.empty()) << folder << " holds no pictures";
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    EXPECT_EQ(numbers[i], kFirstNumber + static_cast<int>(i)) << folder << ": numbers must run on from 10000";
  }
}

TEST(ShippedData, EverySystemPictureIsPresentAndDecodable) {
  for (int index = 0; index < tf::kSystemImageCount; ++index) {
    fs::path base = kData / "uireq" / tf::kSystemImageNames[index];
    fs::path png = base.string() + ".png";
    fs::path jpg = base.string() + ".jpg";
    if (fs::exists(jpg)) {
      EXPECT_TRUE(isJpeg(readBytes(jpg))) << jpg;
    } else {
      ASSERT_TRUE(fs::exists(png)) << "system image " << index << " (" << tf::kSystemImageNames[index]
                                   << ") is missing";
      EXPECT_TRUE(readPngHeader(readBytes(png)).ok) << png;
    }
  }
}

TEST(ShippedData, FontPictureIsASquareGridOfTenByTenCellsWithAlpha) {
  PngInfo font = readPngHeader(readBytes(kData / "uireq" / "font.png"));
  ASSERT_TRUE(font.ok);
  EXPECT_EQ(font.width, font.height);
  EXPECT_EQ(font.width % 10, 0u) << "cells of a whole number of pixels";
  // Glyphs are drawn blended over what lies beneath: grey+alpha or RGBA.
  EXPECT_TRUE(font.colourType == 4 || font.colourType == 6) << "colour type " << font.colourType;
}

TEST(ShippedData, EverySystemSoundIsAPlainPcmWave) {
  for (const char* name : kSoundFiles) {
    fs::path path = kData / "soundreq" / (std::string(name) + ".wav");
    ASSERT_TRUE(fs::exists(path)) << path;
    WavInfo wav = readWav(readBytes(path));
    EXPECT_TRUE(wav.ok) << path << ": " << wav.problem;
    EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << path;
    EXPECT_TRUE(wav.bits == 8 || wav.bits == 16) << path;
    EXPECT_GE(wav.rate, 8000) << path;
    EXPECT_LE(wav.rate, 48000) << path;
  }
}

TEST(ShippedData, MenuAndMapFoldersHoldOnlyNumberedPicturesWithoutGaps) {
  expectNumberedWithoutGaps(kData / "ui");
  expectNumberedWithoutGaps(kData / "map");
  EXPECT_LE(pictureNumbers(kData / "map").size(), static_cast<std::size_t>(kDefaultMapImageLimit))
      << "only the first 200 default map pictures are loaded";
}

TEST(ShippedData, MapPicturesAreSquareTilesOrStripsOfTenFrames) {
  for (const fs::directory_entry& entry : fs::directory_iterator(kData / "map")) {
    if (entry.path().extension() != ".png") continue;
    PngInfo png = readPngHeader(readBytes(entry.path()));
    ASSERT_TRUE(png.ok) << entry.path();
    EXPECT_TRUE(png.width == png.height || png.width == kFramesPerStrip * png.height)
        << entry.path() << " is " << png.width << "x" << png.height;
  }
}

TEST(ShippedData, ToolkitSplashPictureIsAJpeg) {
  fs::path splash = kData / "splash0.jpg";
  ASSERT_TRUE(fs::exists(splash));
  EXPECT_TRUE(isJpeg(readBytes(splash)));
}

// The header readers above must refuse what the loaders could not play or show.
std::vector<unsigned char> wavBytes(int format, int channels, int rate, int bits, std::uint32_t dataBytes) {
  std::vector<unsigned char> b;
  auto put = [&b](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  auto tag = [&b](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(t[i]));
  };
  tag("RIFF");
  put(36 + dataBytes, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(format, 2);
  put(channels, 2);
  put(rate, 4);
  put(rate * channels * bits / 8, 4);
  put(channels * bits / 8, 2);
  put(bits, 2);
  tag("data");
  put(dataBytes, 4);
  b.resize(b.size() + dataBytes, 0);
  return b;
}

TEST(AssetHeaderReaders, AcceptPcmAndRefuseWhatALoaderCannotPlay) {
  EXPECT_TRUE(readWav(wavBytes(1, 1, 22050, 16, 100)).ok);
  EXPECT_FALSE(readWav(wavBytes(3, 1, 22050, 32, 100)).ok) << "floating-point samples";
  EXPECT_FALSE(readWav(wavBytes(1, 1, 22050, 16, 0)).ok) << "no samples";

  std::vector<unsigned char> truncated = wavBytes(1, 1, 22050, 16, 100);
  truncated.resize(truncated.size() - 10);
  EXPECT_FALSE(readWav(truncated).ok) << "data cut short";

  std::vector<unsigned char> notPng(40, 0);
  EXPECT_FALSE(readPngHeader(notPng).ok);
  EXPECT_FALSE(isJpeg(notPng));
}

}  // namespace
