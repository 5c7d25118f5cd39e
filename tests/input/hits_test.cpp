// Reading a selection pass's records (front-most wins, earlier on a tie,
// damaged buffers read safely) and what an object or tile hit does.
#include "input/hits.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/system.h"

using namespace tf;

namespace {

using Buffer = std::vector<unsigned>;

PickHit chosen(const Buffer& buffer, int hits) {
  PickHit hit;
  EXPECT_TRUE(chooseHit(buffer.data(), static_cast<int>(buffer.size()), hits, hit));
  return hit;
}

TEST(ChooseHit, TheNearestRecordWinsTheEarlierOnATieAndDamagedBuffersAreReadSafely) {
  // Records: name count, minimum depth, maximum depth, names.
  const Buffer buffer = {2, 900, 950, 3, 7, 1, 400, 420, 105, 1, 300, 800, 102, 1, 300, 310, 104};
  PickHit hit = chosen(buffer, 4);
  EXPECT_EQ(hit.nameCount, 1);
  EXPECT_EQ(hit.names[0], 102u);
  EXPECT_EQ(hit.minDepth, 300u);
  EXPECT_EQ(chosen(buffer, 2).names[0], 105u);  // only the records counted are read
  hit = chosen(buffer, 1);
  EXPECT_EQ(hit.nameCount, 2);
  EXPECT_EQ(hit.names[1], 7u);
  // Depths are unsigned: the largest values are the farthest.
  hit = chosen({1, 0xF0000000u, 0xFFFFFFFFu, 101, 0, 0x7FFFFFFFu, 0x80000000u}, 2);
  EXPECT_EQ(hit.nameCount, 0);
  EXPECT_EQ(hit.minDepth, 0x7FFFFFFFu);

  EXPECT_FALSE(chooseHit(buffer.data(), 4, 0, hit));
  EXPECT_FALSE(chooseHit(buffer.data(), 4, -1, hit));  // the buffer overflowed
  EXPECT_FALSE(chooseHit(Buffer{1, 10, 20, 100}.data(), 3, 1, hit));  // names past the end
  EXPECT_EQ(chosen({1, 50, 60, 101, 4000000000u, 1, 2, 7}, 2).names[0], 101u);
  EXPECT_EQ(chosen({1, 50, 60, 101}, 5).names[0], 101u);  // fewer records than claimed
}

TEST(DecidePick, ObjectsSelectInPlayAndGoToTheEditorTilesOnlyToTheEditorWhenNotDragging) {
  using K = PickActionKind;
  struct Case {
    std::vector<unsigned> names;
    int state;
    bool overlay, dragging;
    int objects;
    K kind;
    int object, column, row;
    bool recordTime;
  } cases[] = {
      {{107}, kStatePlay, false, false, 10, K::SelectInPlay, 7, 0, 0, false},
      {{107}, kStatePlaytest, false, false, 10, K::SelectInPlay, 7, 0, 0, false},
      {{101}, kStatePlay, true, false, 10, K::SelectInPlay, 1, 0, 0, false},  // the chooser is the editor's
      {{100}, kStateWorldEditor, false, false, 10, K::EditorObject, 0, 0, 0, true},
      {{103}, kStateWorldEditor, false, true, 10, K::EditorObject, 3, 0, 0, true},
      {{4, 9}, kStateWorldEditor, false, false, 0, K::EditorTile, -1, 4, 9, true},
      {{4, 9}, kStateWorldEditor, false, true, 0, K::None, -1, 0, 0, true},
      {{4, 9}, kStatePlay, false, false, 0, K::None, -1, 0, 0, false},
      {{0x80000000u, 1}, kStateWorldEditor, false, false, 0, K::None, -1, 0, 0, true},
      {{99}, kStatePlay, false, false, 10, K::None, -1, 0, 0, false},
      {{110}, kStatePlay, false, false, 10, K::None, -1, 0, 0, false},
      {{4000000000u}, kStatePlay, false, false, 10, K::None, -1, 0, 0, false},
      {{100}, kStatePlay, false, false, 0, K::None, -1, 0, 0, false},
      {{}, kStatePlay, false, false, 10, K::None, -1, 0, 0, false},
      {{1, 2, 3}, kStateWorldEditor, false, false, 10, K::None, -1, 0, 0, true},
      {{101}, kStateWorldEditor, true, false, 10, K::None, -1, 0, 0, false},
      {{2, 2}, kStateWorldEditor, true, false, 10, K::None, -1, 0, 0, false},
      {{101}, kStateMenus, false, false, 10, K::None, -1, 0, 0, false},
      {{101}, kStateMenuEditor, false, false, 10, K::None, -1, 0, 0, false},
      {{101}, kStateSplash, false, false, 10, K::None, -1, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "state " << c.state << " names " << c.names.size() << " first "
                                      << (c.names.empty() ? 0 : c.names[0]));
    PickHit hit;
    hit.nameCount = static_cast<int>(c.names.size());
    for (std::size_t k = 0; k < c.names.size() && k < 2; ++k) hit.names[k] = c.names[k];
    const PickAction action = decidePick(hit, c.state, c.overlay, c.dragging, c.objects);
    EXPECT_EQ(action.kind, c.kind);
    EXPECT_EQ(action.object, c.object);
    EXPECT_EQ(action.column, c.column);
    EXPECT_EQ(action.row, c.row);
    EXPECT_EQ(action.recordPickTime, c.recordTime);
  }
}

}  // namespace
