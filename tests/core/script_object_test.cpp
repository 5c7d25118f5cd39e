// The data file grammar: what a line means, what is a comment, first-match
// look-up over appended files, damaged input and large tables.
#include "core/script_object.h"

#include <gtest/gtest.h>

#include <string>

#include "messages.h"
#include "temp_dir.h"

using tf::scriptObject;

namespace {

TEST(ScriptGrammar, WhatEachLineMeans) {
  scriptObject t;
  ASSERT_TRUE(
      t.readText("s progName Tessera Forge\ns twoSpaces  indented\ns empty\ns tabbed\tvalue with\ttabs\n"
                 "f fps 30 // frames a second\nf late\n\n   -2.5\nF upper 7\nf exponent 1.5e2\nf plus +4\n"
                 "f a 1 s b text\n"  // after a number the next word is a type word again
                 "// f hidden 1\n# s alsoHidden x\nx f notThis 2\nf // 5\ns // text\n"
                 "f Key 1\nf key 2\ns crlf maze\r\nf crlfNumber 10\r\n",
                 "test.cfg"));
  EXPECT_EQ(t.getLineAmount(), 15);
  const std::pair<const char*, const char*> texts[] = {
      {"progName", "Tessera Forge"}, {"twoSpaces", " indented"}, {"empty", ""}, {"tabbed", "value with\ttabs"},
      {"b", "text"}, {"crlf", "maze"}, {"fps", ""}, {"missing", "NULL"}};
  for (const auto& c : texts) EXPECT_EQ(t.findLineS(c.first), c.second) << c.first;
  const std::pair<const char*, float> numbers[] = {
      {"fps", 30},        {"late", -2.5f}, {"upper", 7},       {"exponent", 150}, {"plus", 4},
      {"a", 1},           {"Key", 1},      {"key", 2},         {"KEY", -1},       {"hidden", -1},
      {"alsoHidden", -1}, {"notThis", -1}, {"crlfNumber", 10}, {"progName", 0}};
  for (const auto& c : numbers) EXPECT_FLOAT_EQ(t.findLineF(c.first), c.second) << c.first;
  EXPECT_TRUE(t.hasKey("empty"));
  EXPECT_FALSE(t.hasKey("missing"));
}

TEST(ScriptGrammar, FirstEntryOfAKeyWinsAcrossAppendedFilesUntilCleared) {
  scriptObject table;
  table.readText("f fps 30\ns title first\n", "a.cfg");
  table.readText("f fps 99\ns title second\nf extra 5\n", "b.cfg");
  EXPECT_EQ(table.getLineAmount(), 5);
  EXPECT_FLOAT_EQ(table.findLineF("fps"), 30);
  EXPECT_EQ(table.findLineS("title"), "first");
  EXPECT_FLOAT_EQ(table.findLineF("extra"), 5);
  table.clear();
  table.readText("f extra 3\n", "c.cfg");
  EXPECT_EQ(table.getLineAmount(), 1);
  EXPECT_FLOAT_EQ(table.findLineF("fps"), -1);
  EXPECT_FLOAT_EQ(table.findLineF("extra"), 3);
}

TEST(ScriptDamage, UnreadableNumberIsReportedReadsAsZeroAndTheRestIsRead) {
  tftest::MessageLog messages;
  scriptObject t;
  EXPECT_TRUE(t.readText("f fps abc more words\nf after 12\nf dot .\nf big 1e99\nf half 1e\nf end 3\n", "test.cfg"));
  for (const char* zero : {"fps", "dot", "big", "half"}) EXPECT_FLOAT_EQ(t.findLineF(zero), 0) << zero;
  EXPECT_FLOAT_EQ(t.findLineF("after"), 12);
  EXPECT_FLOAT_EQ(t.findLineF("end"), 3);
  EXPECT_TRUE(
      messages.contains("^rERROR: ^wThe value of ^yfps^w in ^ytest.cfg^w (line 1) is not a number; it reads as 0."));
  EXPECT_TRUE(messages.contains("^ybig^w in ^ytest.cfg^w (line 4)"));
}

TEST(ScriptDamage, LongLinesJunkAndTruncationNeverLoseTheSoundPart) {
  const std::string longText(5000, 'x');
  std::string text = "s long " + longText + "\n// " + longText + "\nf good 1\n";
  for (int i = 0; i < 256; ++i) text += static_cast<char>(i);
  scriptObject t;
  EXPECT_TRUE(t.readText(text + "\nf alsoGood 2\ns trunc", "test.cfg"));  // ends in the middle of a line
  EXPECT_EQ(t.findLineS("long"), longText);
  EXPECT_FLOAT_EQ(t.findLineF("good"), 1);
  EXPECT_FLOAT_EQ(t.findLineF("alsoGood"), 2);
  EXPECT_EQ(t.findLineS("trunc"), "");
  // A type word, or a number's key, as the last word of the file.
  for (const auto& end : {std::pair<const char*, int>{"f a 1\nf", 1}, {"f a 1\nf last", 2}, {"", 0}}) {
    scriptObject e;
    EXPECT_TRUE(e.readText(end.first, "end.cfg"));
    EXPECT_EQ(e.getLineAmount(), end.second) << end.first;
  }
}

TEST(ScriptFiles, ReadFromDiskOrReportedAndTheTableLeftAsItWas) {
  tftest::ScopedWorkDir dir;
  dir.write("system/a.cfg", "f a 1\ns b two words\n");
  dir.write("system/folder.cfg/inside", "f c 1\n");
  tftest::MessageLog messages;
  scriptObject table;
  EXPECT_TRUE(table.readFile("system/a.cfg"));
  EXPECT_EQ(table.findLineS("b"), "two words");
  EXPECT_TRUE(messages.contains("^ysystem/a.cfg ^whas been successfully loaded"));
  EXPECT_FALSE(table.readFile("system/none.cfg"));
  EXPECT_TRUE(messages.contains("^rERROR: ^wError loading/reading file ^ysystem/none.cfg"));
  EXPECT_FALSE(table.readFile("system/folder.cfg"));  // a folder is not a file
  EXPECT_EQ(table.getLineAmount(), 2);
}

TEST(ScriptScale, HundredsOfThousandsOfKeysAreAllFoundFirstMatch) {
  const int count = 300000;
  std::string text;
  for (int i = 0; i < count; ++i) text += "f k" + std::to_string(i) + " " + std::to_string(i) + "\n";
  for (int i = 0; i < count; i += 1000) text += "f k" + std::to_string(i) + " -7\n";  // later duplicates
  scriptObject table;
  ASSERT_TRUE(table.readText(text, "big.cfg"));
  EXPECT_EQ(table.getLineAmount(), count + count / 1000);
  for (int i = 0; i < count; i += 997) ASSERT_FLOAT_EQ(table.findLineF("k" + std::to_string(i)), i) << i;
  EXPECT_FLOAT_EQ(table.findLineF("k" + std::to_string(count)), -1);
}

}  // namespace
