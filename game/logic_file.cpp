// The logic file: writer and reader.
#include "game/logic_file.h"

#include <algorithm>

#include "core/log.h"
#include "core/numbers.h"
#include "core/script_object.h"
#include "game/map_file.h"
#include "game/world.h"

namespace tf {
namespace {

constexpr int kLogicFileVersion = 1;

// The eight step ids, each followed by one space.
std::string stepsText(const sentence& s) {
  std::string text;
  for (int step = 0; step < kSentenceSteps; ++step) {
    appendInt(text, s.getSentenceStep(step));
    text.push_back(' ');
  }
  return text;
}

void writeSentences(configText& out, keyBuilder& key, const std::string& listWord,
                    const std::vector<sentence>& sentences) {
  out.number(key(listWord).add("sentencecount").str(), static_cast<std::int64_t>(sentences.size()));
  out.line("");
  for (std::size_t k = 0; k < sentences.size(); ++k) {
    out.text(key(listWord).add("sentence").add(static_cast<std::int64_t>(k)).str(), stepsText(sentences[k]));
  }
}

std::vector<sentence> globalSentences(const gameMap& map) {
  std::vector<sentence> list;
  for (int k = 0; k < map.globalGetSentenceAmount(); ++k) list.push_back(map.globalGetWholeSentence(k));
  return list;
}

std::vector<sentence> localSentences(const gameMap& map, int obj) {
  std::vector<sentence> list;
  for (int k = 0; k < map.mapLocalGetSentenceAmount(obj); ++k) {
    list.push_back(map.mapLocalGetWholeSentence(obj, k));
  }
  return list;
}

class LogicReader {
 public:
  LogicReader(const scriptObject& table, gameWorld& into, int version)
      : table_(table), into_(into), perStep_(version < 1) {}

  void read() {
    for (int m = 0; m < into_.getMapCount(); ++m) {
      std::string mapWord = "map" + std::to_string(m);
      for (int k = 0; k < countOf(mapWord); ++k) into_.mapGlobalAppendSentence(m, readSentence(mapWord, k, m));
      for (int i = 0; i < into_.worldGetObjectCount(m); ++i) {
        std::string objectWord = mapWord + "object" + std::to_string(i);
        for (int k = 0; k < countOf(objectWord); ++k) {
          into_.mapLocalAppendSentence(i, m, readSentence(objectWord, k, i));
        }
      }
    }
  }

 private:
  // Sentences to read for a list: the stored count, within 0 to 15.
  int countOf(const std::string& listWord) {
    int count = truncToInt(table_.findLineF(key_(listWord).add("sentencecount").str()));
    return std::clamp(count, 0, kMaxSentences);
  }

  sentence readSentence(const std::string& listWord, int k, int owner) {
    sentence s;
    s.assignOwner(owner);
    key_(listWord).add("sentence").add(k);
    if (perStep_) {
      std::string base = key_.str();
      for (int step = 0; step < kSentenceSteps; ++step) {
        s.setSentenceStep(step, truncToInt(table_.findLineF(key_(base).add("step").add(step).str())));
      }
      return s;
    }
    std::string value = table_.findLineS(key_.str());
    std::size_t pos = 0;
    for (int step = 0; step < kSentenceSteps; ++step) {
      s.setSentenceStep(step, truncToInt(decimalValue(nextWord(value, pos))));
    }
    return s;
  }

  const scriptObject& table_;
  gameWorld& into_;
  bool perStep_;
  keyBuilder key_;
};

}  // namespace

std::string logicFilePath(const std::string& game) { return gameFolder(game) + "/system/logic.cfg"; }

configText logicFileText(const gameWorld& game) {
  configText out;
  keyBuilder key;
  out.line("// Game Logic Configuration File");
  out.line("// This file was created by the Tessera Forge Application automatically.");
  out.line("// Making any manual changes to this file could result in corruption of the data");
  out.line("// and may cause instability with the Tessera Forge application.");
  out.line("// The version format of this configuration file");
  out.number("version", kLogicFileVersion);
  for (int m = 0; m < game.getMapCount(); ++m) {
    out.line("");
    out.line("// Map " + std::to_string(m) + " Logic Output");
    out.line("");
    writeSentences(out, key, "map" + std::to_string(m), globalSentences(*game.mapAt(m)));
  }
  for (int m = 0; m < game.getMapCount(); ++m) {
    const gameMap& map = *game.mapAt(m);
    for (int i = 0; i < map.mapGetObjectCount(); ++i) {
      if (map.mapLocalGetSentenceAmount(i) == 0) continue;
      out.line("");
      out.line("// Map " + std::to_string(m) + " Object " + std::to_string(i) + " Logic Output");
      out.line("");
      writeSentences(out, key, "map" + std::to_string(m) + "object" + std::to_string(i),
                     localSentences(map, i));
    }
  }
  return out;
}

bool readGameLogic(const scriptObject& table, gameWorld& into, const std::string& source) {
  int version = truncToInt(table.findLineF("version"));
  if (version > kLogicFileVersion) {
    systemMsg("^rERROR: ^wThe logic file ^y" + source + "^w is of version " + std::to_string(version) +
              "; versions up to " + std::to_string(kLogicFileVersion) +
              " can be read. The game has no logic.");
    return false;
  }
  LogicReader(table, into, version).read();
  return true;
}

bool loadGameLogic() {
  const std::string game = world.getGameName();
  const std::string path = logicFilePath(game);
  systemMsg(path);
  systemMsg("Loading game logic for the game " + game);
  scriptLogic.clear();
  if (!scriptLogic.readFile(path)) return false;
  systemMsg("Loading logic sentences for the game " + game);
  if (!readGameLogic(scriptLogic, world, path)) return false;
  systemMsg("Logic loaded for the game " + game);
  return true;
}

}  // namespace tf
