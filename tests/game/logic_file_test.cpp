// The logic file: its exact text, older per-step files, and damaged files.
#include "game/logic_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/script_object.h"
#include "game/world.h"
#include "game_tree.h"
#include "messages.h"
#include "world_compare.h"

using namespace tf;
using tftest::sentenceText;

namespace {

// Two maps: map 0 with one object, map 1 with three.
gameWorld twoMaps() {
  gameWorld game;
  game.allocateMaps(2);
  game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 0, 0);
  for (int i = 0; i < 3; ++i) game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, i, 1);
  return game;
}

bool readLogic(const std::string& text, gameWorld& into) {
  scriptObject table;
  table.readText(text, "logic.cfg");
  return readGameLogic(table, into, "logic.cfg");
}

TEST(LogicFile, ExactTextWithOneObjectHoldingTwoSentences) {
  gameWorld game = twoMaps();
  game.mapLocalAddSentence(1, 1);
  game.mapLocalAddSentence(1, 1);
  game.mapLocalChangeSentence(1, 1, 1, kSlotOpener, 111);
  game.mapLocalChangeSentence(1, 1, 1, kSlotOpenerOperand, 4);
  game.mapLocalChangeSentence(1, 1, 1, kSlotAction, 710);
  game.mapLocalChangeSentence(1, 1, 1, kSlotActionOperand, 1);

  EXPECT_EQ(logicFileText(game).str(),
            "// Game Logic Configuration File\n"
            "// This file was created by the Tessera Forge Application automatically.\n"
            "// Making any manual changes to this file could result in corruption of the data\n"
            "// and may cause instability with the Tessera Forge application.\n"
            "// The version format of this configuration file\n"
            "f version 1\n"
            "\n"
            "// Map 0 Logic Output\n"
            "\n"
            "f map0sentencecount 0\n"
            "\n"
            "\n"
            "// Map 1 Logic Output\n"
            "\n"
            "f map1sentencecount 0\n"
            "\n"
            "\n"
            "// Map 1 Object 1 Logic Output\n"
            "\n"
            "f map1object1sentencecount 2\n"
            "\n"
            "s map1object1sentence0 100 0 300 400 0 600 700 0 \n"
            "s map1object1sentence1 111 4 300 400 0 600 710 1 \n");
}

TEST(LogicFile, OlderFilesKeepOneKeyPerStep) {
  const std::string old =
      "f map0sentencecount 1\nf map0sentence0step0 104\nf map0sentence0step1 0\nf map0sentence0step2 300\n"
      "f map0sentence0step3 405\nf map0sentence0step4 0\nf map0sentence0step5 600\nf map0sentence0step6 710\n"
      "f map1object2sentencecount 1\nf map1object2sentence0step6 708\n";
  for (const std::string version : {"", "f version 0\n"}) {
    gameWorld loaded = twoMaps();
    ASSERT_TRUE(readLogic(version + old, loaded));
    // A missing step reads -1.
    EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(0, 0)), "0: 104 0 300 405 0 600 710 -1");
    EXPECT_EQ(sentenceText(loaded.mapLocalGetWholeSentence(2, 1, 0)), "2: -1 -1 -1 -1 -1 -1 708 -1");
  }
}

TEST(LogicFile, DamagedFilesAttachNothingHarmful) {
  const struct {
    std::string text, why;
    int global, local;  // sentences of map 0 and of object 1 on map 1
  } cases[] = {
      {"f version 3\nf map0sentencecount 2\nf map1object1sentencecount 2\n", "is of version 3", 0, 0},
      {"f version 1\nf map0sentencecount 2000000000\nf map1object1sentencecount 1e30\n", "", 15, 15},
      {"f version 1\nf map7sentencecount 2\nf map0object5sentencecount 2\nf map-1sentencecount 2\n", "", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    gameWorld loaded = twoMaps();
    tftest::MessageLog messages;
    EXPECT_EQ(readLogic(c.text, loaded), c.why.empty());
    if (!c.why.empty()) {
      EXPECT_TRUE(messages.contains(c.why));
    }
    // At most fifteen sentences, and only for maps and objects that exist.
    EXPECT_EQ(tftest::joined({loaded.mapGlobalGetSentenceAmount(0), loaded.mapLocalGetSentenceAmount(1, 1),
                              loaded.mapLocalGetSentenceAmount(0, 0)}),
              tftest::joined({c.global, c.local, 0}));
  }
}

}  // namespace
