// Reading a selection pass's records: the front-most record wins, the earlier
// one on a tie, damaged buffers are read safely; and what an object or tile
// hit does in play, play-test and the world editor.
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

PickHit hitOn(std::vector<unsigned> names) {
  PickHit hit;
  hit.nameCount = static_cast<int>(names.size());
  for (std::size_t k = 0; k < names.size() && k < 2; ++k) hit.names[k] = names[k];
  return hit;
}

TEST(ChooseHit, TheRecordWithTheSmallestMinimumDepthWinsAndTheEarlierOnATie) {
  // Records: name count, minimum depth, maximum depth, names.
  const Buffer buffer = {2, 900, 950, 3, 7,   // a tile (3, 7)
                         1, 400, 420, 105,    // object 5
                         1, 300, 800, 102,    // object 2, nearest
                         1, 300, 310, 104};   // object 4, as near but later
  PickHit hit = chosen(buffer, 4);
  EXPECT_EQ(hit.nameCount, 1);
  EXPECT_EQ(hit.names[0], 102u);
  EXPECT_EQ(hit.minDepth, 300u);
  // Only the records counted are read.
  hit = chosen(buffer, 2);
  EXPECT_EQ(hit.names[0], 105u);
  hit = chosen(buffer, 1);
  EXPECT_EQ(hit.nameCount, 2);
  EXPECT_EQ(hit.names[0], 3u);
  EXPECT_EQ(hit.names[1], 7u);
  // Depths are unsigned: the largest values are the farthest.
  hit = chosen({1, 0xF0000000u, 0xFFFFFFFFu, 101, 0, 0x7FFFFFFFu, 0x80000000u}, 2);
  EXPECT_EQ(hit.nameCount, 0);
  EXPECT_EQ(hit.minDepth, 0x7FFFFFFFu);
}

TEST(ChooseHit, NoHitsAnOverflowOrACutRecordGiveNothingOrWhatCameBefore) {
  const Buffer buffer = {1, 10, 20, 100};
  PickHit hit;
  EXPECT_FALSE(chooseHit(buffer.data(), 4, 0, hit));
  EXPECT_FALSE(chooseHit(buffer.data(), 4, -1, hit));  // the buffer overflowed
  // A record that claims more names than the buffer holds ends the walk.
  EXPECT_FALSE(chooseHit(buffer.data(), 3, 1, hit));
  const Buffer cut = {1, 50, 60, 101, 4000000000u, 1, 2, 7};
  hit = chosen(cut, 2);
  EXPECT_EQ(hit.names[0], 101u);
  // More hits claimed than records present.
  hit = chosen({1, 50, 60, 101}, 5);
  EXPECT_EQ(hit.names[0], 101u);
}

TEST(DecidePick, AnObjectHitSelectsInPlayAndGoesToTheEditorWhenEditing) {
  for (int state : {kStatePlay, kStatePlaytest}) {
    PickAction action = decidePick(hitOn({107}), state, false, false, 10);
    EXPECT_EQ(action.kind, PickActionKind::SelectInPlay);
    EXPECT_EQ(action.object, 7);
    EXPECT_FALSE(action.recordPickTime);
  }
  PickAction action = decidePick(hitOn({100}), kStateWorldEditor, false, false, 10);
  EXPECT_EQ(action.kind, PickActionKind::EditorObject);
  EXPECT_EQ(action.object, 0);
  EXPECT_TRUE(action.recordPickTime);
  // Dragging does not stop an object from being picked.
  EXPECT_EQ(decidePick(hitOn({103}), kStateWorldEditor, false, true, 10).kind, PickActionKind::EditorObject);
}

TEST(DecidePick, NamesThatNameNoObjectOnTheMapSelectNothing) {
  for (unsigned name : {99u, 110u, 4000000000u}) {
    EXPECT_EQ(decidePick(hitOn({name}), kStatePlay, false, false, 10).kind, PickActionKind::None) << name;
  }
  EXPECT_EQ(decidePick(hitOn({100}), kStatePlay, false, false, 0).kind, PickActionKind::None);
  EXPECT_EQ(decidePick(hitOn({}), kStatePlay, false, false, 10).kind, PickActionKind::None);
  EXPECT_EQ(decidePick(hitOn({1, 2, 3}), kStateWorldEditor, false, false, 10).kind, PickActionKind::None);
}

TEST(DecidePick, ATileHitSelectsInTheEditorUnlessDragging) {
  PickAction action = decidePick(hitOn({4, 9}), kStateWorldEditor, false, false, 0);
  EXPECT_EQ(action.kind, PickActionKind::EditorTile);
  EXPECT_EQ(action.column, 4);
  EXPECT_EQ(action.row, 9);
  action = decidePick(hitOn({4, 9}), kStateWorldEditor, false, true, 0);
  EXPECT_EQ(action.kind, PickActionKind::None);
  EXPECT_TRUE(action.recordPickTime);
  EXPECT_EQ(decidePick(hitOn({4, 9}), kStatePlay, false, false, 0).kind, PickActionKind::None);
  EXPECT_EQ(decidePick(hitOn({0x80000000u, 1}), kStateWorldEditor, false, false, 0).kind, PickActionKind::None);
}

TEST(DecidePick, NothingHappensUnderTheEditorsChoosersOrOutsidePlayAndEditing) {
  PickAction action = decidePick(hitOn({101}), kStateWorldEditor, true, false, 10);
  EXPECT_EQ(action.kind, PickActionKind::None);
  EXPECT_FALSE(action.recordPickTime);
  EXPECT_EQ(decidePick(hitOn({2, 2}), kStateWorldEditor, true, false, 10).kind, PickActionKind::None);
  // The editor's choosers do not matter in play.
  EXPECT_EQ(decidePick(hitOn({101}), kStatePlay, true, false, 10).kind, PickActionKind::SelectInPlay);
  for (int state : {kStateMenus, kStateIngameMenu, kStateSplash, kStateDialog, kStateMenuEditor}) {
    EXPECT_EQ(decidePick(hitOn({101}), state, false, false, 10).kind, PickActionKind::None) << state;
  }
}

}  // namespace
