// The folders of the program read bottom-up: a source file includes headers of
// its own folder and of the folders below it, never of one above it. The order
// is the one CMakeLists.txt builds the folders in (TF_LAYER_ORDER).
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = boost::filesystem;

std::vector<std::string> split(const std::string& list, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(list);
  for (std::string part; std::getline(in, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

int layerOf(const std::vector<std::string>& order, const std::string& folder) {
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == folder) return static_cast<int>(i);
  }
  return -1;
}

// The include lines of `text` that reach a folder above `folder` (or one that
// is not a program folder at all), as "line N: #include ...".
std::vector<std::string> includesAbove(const std::vector<std::string>& order, const std::string& folder,
                                       const std::string& text) {
  std::vector<std::string> found;
  const int own = layerOf(order, folder);
  std::stringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const std::size_t hash = line.find_first_not_of(" \t");
    if (hash == std::string::npos || line.compare(hash, 1, "#") != 0) continue;
    const std::size_t quote = line.find("include \"", hash);
    if (quote == std::string::npos) continue;
    const std::size_t start = quote + 9;
    const std::size_t slash = line.find('/', start);
    const std::size_t end = line.find('"', start);
    if (slash == std::string::npos || end == std::string::npos || slash > end) continue;
    const int target = layerOf(order, line.substr(start, slash - start));
    if (target < 0 || target > own) found.push_back("line " + std::to_string(number) + ": " + line);
  }
  return found;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path.string(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const std::vector<std::string> kOrder = split(TF_LAYER_ORDER, ',');

TEST(Layers, AnIncludeOfAFolderAboveIsFoundAndOnesBelowAreNot) {
  const std::vector<std::string> order = {"core", "media", "menus", "app"};
  const struct {
    const char* folder;
    const char* text;
    std::vector<std::string> found;
  } cases[] = {
      {"media", "#include \"core/log.h\"\n#include \"media/images.h\"\n", {}},
      {"media", "#include <string>\n#include \"menus/ui.h\"\n", {"line 2: #include \"menus/ui.h\""}},
      {"core", "  #  include \"app/app.h\"  // indented\n", {"line 1:   #  include \"app/app.h\"  // indented"}},
      {"menus", "#include \"tests/support/x.h\"\n", {"line 1: #include \"tests/support/x.h\""}},
      {"app", "#include \"core/log.h\"\n#include \"menus/ui.h\"\n#include \"app/app.h\"\n", {}},
      {"core", "// #include \"menus/ui.h\" is only a comment\n#include \"local.h\"\n", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(includesAbove(order, c.folder, c.text), c.found);
  }
}

TEST(Layers, NoProgramSourceIncludesAFolderAboveItsOwn) {
  ASSERT_GE(kOrder.size(), 2u);
  int files = 0;
  for (const std::string& folder : kOrder) {
    const fs::path dir = fs::path(TF_SOURCE_DIR) / folder;
    ASSERT_TRUE(fs::is_directory(dir)) << folder;
    for (fs::directory_iterator it(dir), end; it != end; ++it) {
      const std::string extension = it->path().extension().string();
      if (extension != ".cpp" && extension != ".h") continue;
      ++files;
      for (const std::string& line : includesAbove(kOrder, folder, readFile(it->path()))) {
        ADD_FAILURE() << folder << "/" << it->path().filename().string() << " " << line;
      }
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
