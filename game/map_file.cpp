// The map file: writer, reader and the image animation settings it carries.
#include "game/map_file.h"

#include <boost/filesystem.hpp>
#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <string_view>

#include "core/atomic_file.h"
#include "core/log.h"
#include "core/numbers.h"
#include "core/script_object.h"
#include "core/shutdown.h"
#include "game/logic_file.h"
#include "game/world.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"

namespace tf {
namespace {

constexpr int kMapFileVersion = 1;
constexpr const char* kEndObjects = "endObjectLoad";
constexpr const char* kEndMaps = "endMapLoad";
// Drawing loops run over the layers every frame; more than this is damage.
constexpr int kMaxLayerCount = 100;
constexpr int kObjectNumbers = 9;  // values before the name on an object line

// ---- writing ------------------------------------------------------------------

// "x y w h tex layer obw obh solid name" of object i.
std::string objectLine(const gameMap& map, int i) {
  float x, y, w, h, obw, obh;
  int tex, layer;
  map.mapGetObject(x, y, w, h, tex, layer, i);
  map.getObstructionSize(obw, obh, i);
  std::string line;
  for (float value : {x, y, w, h}) {
    appendFloat(line, value);
    line.push_back(' ');
  }
  for (int value : {tex, layer}) {
    appendInt(line, value);
    line.push_back(' ');
  }
  for (float value : {obw, obh}) {
    appendFloat(line, value);
    line.push_back(' ');
  }
  line.append(map.mapGetObjectObstructionState(i) ? "1 " : "0 ");
  line.append(map.mapGetObjectName(i));
  return line;
}

void writeMap(configText& out, keyBuilder& key, const gameMap& map, int m) {
  int w, h;
  std::string name;
  map.getMap(w, h, name);
  std::string mapWord = "map" + std::to_string(m);

  out.line("// ***");
  out.line("// Map " + std::to_string(m));
  out.line("// ***");
  out.line("");
  out.line("// Tile Stretch");
  out.number(key(mapWord).add("stretch").str(), map.mapGetTileStretch() ? 1 : 0);
  out.line("// Layer");
  out.number(key(mapWord).add("layer").str(), map.getMapLayerCount());
  out.line("");

  bool fog;
  float density, r, g, b;
  map.mapGetFog(fog, density, r, g, b);
  out.line("// Fog");
  out.number(key(mapWord).add("fog").str(), fog ? 1 : 0);
  out.number(key(mapWord).add("fogdensity").str(), density);
  out.number(key(mapWord).add("fogr").str(), r);
  out.number(key(mapWord).add("fogg").str(), g);
  out.number(key(mapWord).add("fogb").str(), b);
  out.line("");

  out.line("// Map Width");
  out.number(key(mapWord).add("w").str(), w);
  out.line("");
  out.line("// Map Height");
  out.number(key(mapWord).add("h").str(), h);
  out.line("");
  out.line("// Map Name");
  out.text(key(mapWord).add("name").str(), name);

  out.line("");
  out.line("// Tile Data ");
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      int tex = 0;
      map.mapGetTile(tex, x, y);
      if (tex != 0) out.number(key(mapWord).add("tile").add(x).add("_").add(y).str(), tex);
    }
  }

  out.line("");
  out.line("// Object Data ");
  int count = map.mapGetObjectCount();
  for (int i = 0; i < count; ++i) out.text(key(mapWord).add("object").add(i).str(), objectLine(map, i));
  out.text(key(mapWord).add("object").add(count).str(), kEndObjects);
  out.line("");
}

void createGameFolders(const std::string& game) {
  namespace fs = boost::filesystem;
  boost::system::error_code ignored;  // a folder that cannot be made fails the write below
  fs::path folder = gameFolder(game);
  for (const char* sub : {"system", "map", "sound"}) fs::create_directories(folder / sub, ignored);
}

[[noreturn]] void failSave(const std::string& game) {
  refuseWithNotice("Error opening: " + game + ". Aborting.");
  quitEngineOnError();
}

// Writes a text built beforehand; the writer keeps it alive until then.
std::function<void(std::ostream&)> textWriter(std::shared_ptr<const configText> text) {
  return [text](std::ostream& out) { out.write(text->str().data(), static_cast<std::streamsize>(text->str().size())); };
}

// ---- reading ------------------------------------------------------------------

float floatValue(std::string_view word) {
  double value = decimalValue(word);
  return std::fabs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value) : 0.0f;
}

struct ObjectFields {
  float x = 0, y = 0, w = 0, h = 0;
  int tex = 0, layer = 0;
  float obw = 0, obh = 0;
  int solid = 0;
  std::string name;
};

// One object line: nine numbers separated by blanks, then the name, which is
// the rest of the line after one separator and may hold spaces.
ObjectFields parseObjectLine(const std::string& value) {
  std::string_view words[kObjectNumbers];
  std::size_t pos = 0;
  for (std::string_view& word : words) word = nextWord(value, pos);
  if (pos < value.size()) ++pos;  // the separator before the name
  ObjectFields f;
  f.x = floatValue(words[0]);
  f.y = floatValue(words[1]);
  f.w = floatValue(words[2]);
  f.h = floatValue(words[3]);
  f.tex = truncToInt(decimalValue(words[4]));
  f.layer = truncToInt(decimalValue(words[5]));
  f.obw = floatValue(words[6]);
  f.obh = floatValue(words[7]);
  f.solid = truncToInt(decimalValue(words[8]));
  f.name = value.substr(pos);
  return f;
}

class MapReader {
 public:
  MapReader(const scriptObject& table, const std::string& source)
      : table_(table), source_(source) {}

  bool read(gameWorld& into) {
    int version = truncToInt(table_.findLineF("version"));
    if (version > kMapFileVersion) {
      return refuse("is of version " + std::to_string(version) + "; versions up to " +
                    std::to_string(kMapFileVersion) + " can be read");
    }
    perField_ = version < 1;
    for (int m = 0;; ++m) {
      if (m >= kMaxMaps) return refuse("holds more than " + std::to_string(kMaxMaps) + " maps");
      staged_.allocateMaps(m + 1);
      if (!readMap(m)) return false;
      if (table_.findLineS(key_("map").add(m + 1).str()) == kEndMaps) break;
      if (!table_.hasKey(key_("map").add(m + 1).add("object0").str())) {
        return refuse("is damaged: its list of maps has no end marker");
      }
    }
    readPhrases();
    into.takeMapsAndPhrases(staged_);
    return true;
  }

 private:
  bool refuse(const std::string& why) {
    systemMsg("^rERROR: ^wThe map file ^y" + source_ + "^w " + why + "; the game cannot be loaded.");
    return false;
  }

  float number(const std::string& key) const { return table_.findLineF(key); }
  int integer(const std::string& key) const { return truncToInt(table_.findLineF(key)); }

  bool readMap(int m) {
    mapWord_ = "map" + std::to_string(m);
    if (!readSize(m)) return false;
    staged_.worldSetTileStretch(integer(key_(mapWord_).add("stretch").str()) > 0, m);
    readTiles(m);
    if (!readObjects(m)) return false;
    readLayerCount(m);
    readFog(m);
    return true;
  }

  bool readSize(int m) {
    int w = integer(key_(mapWord_).add("w").str());
    int h = integer(key_(mapWord_).add("h").str());
    std::string name = table_.findLineS(key_(mapWord_).add("name").str());
    if (w < 0 || w > kMaxMapSide || h < 0 || h > kMaxMapSide) {
      systemMsg("^rERROR: ^wMap " + std::to_string(m) + " of ^y" + source_ + "^w has no valid size (" +
                std::to_string(w) + " x " + std::to_string(h) + "); it is left without tiles.");
      return true;
    }
    if (!staged_.worldSetMap(w, h, name, m)) {
      return refuse("holds more tiles than a game may (" + std::to_string(kMaxWorldTiles) + ")");
    }
    return true;
  }

  void readTiles(int m) {
    int w, h;
    std::string name;
    staged_.worldGetMap(w, h, name, m);
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) {
        int tex = integer(key_(mapWord_).add("tile").add(x).add("_").add(y).str());
        if (tex > 0) staged_.worldSetTile(tex, x, y, m);
      }
    }
  }

  bool readObjects(int m) {
    for (int i = 0;; ++i) {
      const std::string& key = key_(mapWord_).add("object").add(i).str();
      if (!table_.hasKey(key)) {
        return refuse("is damaged: the object list of map " + std::to_string(m) + " has no end marker");
      }
      std::string value = table_.findLineS(key);
      if (value == kEndObjects) return true;
      if (i >= kMaxObjects) {
        return refuse("holds more than " + std::to_string(kMaxObjects) + " objects on map " +
                      std::to_string(m));
      }
      storeObject(perField_ ? readObjectFields(i) : parseObjectLine(value), i, m);
    }
  }

  // Older files: one key per field.
  ObjectFields readObjectFields(int i) {
    std::string base = mapWord_ + "object" + std::to_string(i);
    ObjectFields f;
    f.x = number(base + "x");
    f.y = number(base + "y");
    f.w = number(base + "w");
    f.h = number(base + "h");
    f.tex = integer(base + "tex");
    f.layer = integer(base + "layer");
    f.solid = integer(base + "obstruction");
    f.obw = number(base + "ow");
    f.obh = number(base + "oh");
    f.name = table_.findLineS(base + "name");
    return f;
  }

  void storeObject(const ObjectFields& f, int i, int m) {
    staged_.worldSetObject(f.x, f.y, f.w, f.h, f.tex < 0 ? 0 : f.tex, f.layer, i, m);
    staged_.worldSetObjectObstructionState(f.solid != 0, i, m);
    staged_.worldSetObstructionSize(f.obw, f.obh, i, m);
    staged_.worldSetObjectName(f.name, i, m);
  }

  void readLayerCount(int m) {
    int layers = integer(key_(mapWord_).add("layer").str());
    if (layers < 0 || layers > kMaxLayerCount) {
      systemMsg("^rERROR: ^wInvalid layer count specified for a map");
      layers = layers < 0 ? 0 : kMaxLayerCount;
    }
    staged_.worldSetMapLayerCount(layers, m);
  }

  // The density and colour are kept whether fog is on or off, so that a map
  // whose fog was switched off gets its own fog back when it is switched on.
  void readFog(int m) {
    bool fog = integer(key_(mapWord_).add("fog").str()) != 0;
    float density = number(key_(mapWord_).add("fogdensity").str());
    const float color[3] = {number(key_(mapWord_).add("fogr").str()),
                            number(key_(mapWord_).add("fogg").str()),
                            number(key_(mapWord_).add("fogb").str())};
    staged_.worldSetFog(fog, density, color, m);
  }

  void readPhrases() {
    for (int i = 0; i < kPhraseCount; ++i) {
      std::string text = table_.findLineS(key_("phrase").add(i).str());
      if (text != "NULL" && !text.empty()) staged_.setPhrase(i, text);
    }
  }

  const scriptObject& table_;
  const std::string& source_;
  gameWorld staged_;
  keyBuilder key_;
  std::string mapWord_;
  bool perField_ = false;
};

}  // namespace

std::string gameFolder(const std::string& game) { return "games/" + game; }

std::string mapFilePath(const std::string& game) { return gameFolder(game) + "/system/map.cfg"; }

configText mapFileText(const gameWorld& game, const std::vector<img>& images) {
  configText out;
  keyBuilder key;
  out.line("// This file was created by the Tessera Forge application.");
  out.line("// Please do not change or edit anything in this file as it may");
  out.line("// cause errors when the map is trying to be loaded.");
  out.line("");
  out.line("// The version format of this configuration file");
  out.number("version", kMapFileVersion);
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (!images[i].getAnimState()) continue;
    std::string imageWord = "image" + std::to_string(i);
    out.number(key(imageWord).add("anim").str(), 1);
    out.number(key(imageWord).add("frame").str(), images[i].getFrameCount());
    out.number(key(imageWord).add("speed").str(), images[i].getAnimSpeed());
  }
  out.line("");
  for (int m = 0; m < game.getMapCount(); ++m) writeMap(out, key, *game.mapAt(m), m);
  out.line("// Stop map loading");
  out.text(key("map").add(game.getMapCount()).str(), kEndMaps);
  out.line("// Game Phrases");
  for (int i = 0; i < kPhraseCount; ++i) {
    std::string phrase = game.getPhrase(i);
    if (!phrase.empty() && phrase != "NULL") out.text(key("phrase").add(i).str(), phrase);
  }
  return out;
}

namespace {

// A new game's starter sounds go into its sound folder with its first save, so
// that the sounds its logic plays are there when it is loaded again. A starter
// file that cannot be read leaves them all out (the save itself goes on).
void addStarterSounds(const std::string& game, std::vector<fileWrite>& files) {
  std::vector<fileWrite> copies;
  for (const starterSoundCopy& copy : starterSoundsToCopy(game)) {
    std::ifstream in(copy.from, std::ios::binary);
    std::ostringstream bytes;
    if (!(bytes << in.rdbuf())) {
      systemMsg("^rWARNING: ^wThe starter sound ^y" + copy.from + "^w could not be read; copy the starter sounds "
                "into the game's sound folder by hand.");
      return;
    }
    auto data = std::make_shared<const std::string>(bytes.str());
    copies.push_back({copy.to, [data](std::ostream& out) { out.write(data->data(), static_cast<std::streamsize>(data->size())); }});
  }
  files.insert(files.end(), copies.begin(), copies.end());
}

}  // namespace

bool prepareGameWorldFiles(std::vector<fileWrite>& files) {
  const std::string game = world.getGameName();
  systemMsg("");
  systemMsg("Beginning to save game world...");
  systemMsg("Creating directory paths for the save game...");
  createGameFolders(game);
  systemMsg("Outputting map data");
  auto maps = std::make_shared<configText>(mapFileText(world, gameImg));
  systemMsg("Saving Game Logic.");
  auto logic = std::make_shared<configText>(logicFileText(world));
  if (!maps->fitsReader() || !logic->fitsReader()) {
    systemMsg("^rERROR: ^wThe game ^y" + game +
              "^w is too large to be read back; it was not saved. Remove maps or tiles and save again.");
    notice.setNotice("^yERROR", "The game is too large to be saved. Remove maps or tiles and save again.");
    return false;
  }
  files.push_back({mapFilePath(game), textWriter(maps)});
  files.push_back({logicFilePath(game), textWriter(logic)});
  addStarterSounds(game, files);
  return true;
}

bool saveGameWorld() {
  std::vector<fileWrite> files;
  if (!prepareGameWorldFiles(files)) return false;
  fileWriteFailure failure;
  if (!writeFilesAtomically(files, failure)) failSave(world.getGameName());
  systemMsg("^wGame has been successfully saved!");
  systemMsg("");
  notice.setNotice("World Saved", "The game world for ^y" + world.getGameName() + "^w has been saved.");
  return true;
}

bool readGameMaps(const scriptObject& table, gameWorld& into, const std::string& source) {
  return MapReader(table, source).read(into);
}

bool loadGameMaps() {
  const std::string game = world.getGameName();
  const std::string path = mapFilePath(game);
  systemMsg(path);
  systemMsg("Loading map configuration files for the game " + game);
  scriptMap.clear();
  if (!scriptMap.readFile(path)) {
    systemMsg("Filename Error");
    return false;
  }
  return readGameMaps(scriptMap, world, path);
}

void applyImageAnimations(const scriptObject& table, std::vector<img>& images) {
  keyBuilder key;
  for (std::size_t i = 0; i < images.size(); ++i) {
    std::string imageWord = "image" + std::to_string(i);
    if (truncToInt(table.findLineF(key(imageWord).add("anim").str())) != 1) continue;
    int frame = truncToInt(table.findLineF(key(imageWord).add("frame").str()));
    int speed = truncToInt(table.findLineF(key(imageWord).add("speed").str()));
    images[i].startAnimation(frame, speed);
  }
}

void applyImageAnimations() { applyImageAnimations(scriptMap, gameImg); }

}  // namespace tf
