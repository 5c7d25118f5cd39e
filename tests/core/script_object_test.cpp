// The data file grammar and its consequences: what a line means, what is a
// comment, first-match look-up over appended files, and damaged input.
#include "core/script_object.h"

#include <gtest/gtest.h>

#include <string>

#include "messages.h"
#include "temp_dir.h"

using tf::scriptObject;

namespace {

// Reads `text` into a fresh table.
struct Table {
  explicit Table(const std::string& text) { ok = table.readText(text, "test.cfg"); }
  scriptObject table;
  bool ok = false;
};

TEST(ScriptGrammar, StringValueRunsToTheEndOfTheLineLessOneSeparator) {
  Table t("s progName Tessera Forge\n"
          "s twoSpaces  indented\n"
          "s empty\n"
          "s tabbed\tvalue with\ttabs\n");
  EXPECT_EQ(t.table.findLineS("progName"), "Tessera Forge");
  EXPECT_EQ(t.table.findLineS("twoSpaces"), " indented");
  EXPECT_EQ(t.table.findLineS("empty"), "");
  EXPECT_EQ(t.table.findLineS("tabbed"), "value with\ttabs");
}

TEST(ScriptGrammar, NumberMayCarryACommentAndStandOnTheNextLine) {
  Table t("f fps 30 // frames a second\n"
          "f late\n\n   -2.5\n"
          "F upper 7\n"
          "f exponent 1.5e2\n"
          "f plus +4\n");
  EXPECT_FLOAT_EQ(t.table.findLineF("fps"), 30.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("late"), -2.5f);
  EXPECT_FLOAT_EQ(t.table.findLineF("upper"), 7.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("exponent"), 150.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("plus"), 4.0f);
  EXPECT_EQ(t.table.getLineAmount(), 5);
}

TEST(ScriptGrammar, WordsAfterANumberAreReadAsTheNextLine) {
  // After the number the reader looks for a type word: "s" here starts an entry.
  Table t("f a 1 s b text\n");
  EXPECT_FLOAT_EQ(t.table.findLineF("a"), 1.0f);
  EXPECT_EQ(t.table.findLineS("b"), "text");
}

TEST(ScriptGrammar, CommentsAndUnknownWordsAreSkippedWholeLines) {
  Table t("// f hidden 1\n"
          "# s alsoHidden x\n"
          "x f notThis 2\n"
          "f // 5\n"
          "s // text\n"
          "f kept 3\n");
  EXPECT_EQ(t.table.getLineAmount(), 1);
  EXPECT_FLOAT_EQ(t.table.findLineF("kept"), 3.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("hidden"), -1.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("notThis"), -1.0f);
}

TEST(ScriptGrammar, MissingKeysReadAsMinusOneAndNull) {
  Table t("f a 1\n");
  EXPECT_FLOAT_EQ(t.table.findLineF("b"), -1.0f);
  EXPECT_EQ(t.table.findLineS("b"), "NULL");
  EXPECT_FALSE(t.table.hasKey("b"));
  EXPECT_TRUE(t.table.hasKey("a"));
}

TEST(ScriptGrammar, LookupsDoNotCheckTheEntryType) {
  Table t("f number 4\ns text hello\n");
  EXPECT_EQ(t.table.findLineS("number"), "");
  EXPECT_FLOAT_EQ(t.table.findLineF("text"), 0.0f);
}

TEST(ScriptGrammar, KeysAreCaseSensitive) {
  Table t("f Key 1\nf key 2\n");
  EXPECT_FLOAT_EQ(t.table.findLineF("Key"), 1.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("key"), 2.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("KEY"), -1.0f);
}

TEST(ScriptGrammar, WindowsLineEndsDoNotReachTheValues) {
  Table t("s name maze\r\nf w 10\r\n");
  EXPECT_EQ(t.table.findLineS("name"), "maze");
  EXPECT_FLOAT_EQ(t.table.findLineF("w"), 10.0f);
}

TEST(ScriptAppend, FirstEntryOfAKeyWinsAcrossAppendedFiles) {
  scriptObject table;
  table.readText("f fps 30\ns title first\n", "a.cfg");
  table.readText("f fps 99\ns title second\nf extra 5\n", "b.cfg");
  EXPECT_EQ(table.getLineAmount(), 5);
  EXPECT_FLOAT_EQ(table.findLineF("fps"), 30.0f);
  EXPECT_EQ(table.findLineS("title"), "first");
  EXPECT_FLOAT_EQ(table.findLineF("extra"), 5.0f);
}

TEST(ScriptAppend, ClearStartsAnEmptyTable) {
  scriptObject table;
  table.readText("f a 1\nf b 2\n", "a.cfg");
  table.clear();
  EXPECT_EQ(table.getLineAmount(), 0);
  EXPECT_FLOAT_EQ(table.findLineF("a"), -1.0f);
  table.readText("f b 3\n", "b.cfg");
  EXPECT_FLOAT_EQ(table.findLineF("b"), 3.0f);
  EXPECT_FLOAT_EQ(table.findLineF("a"), -1.0f);
}

TEST(ScriptDamage, LongLinesDoNotEndTheReading) {
  std::string longText(5000, 'x');
  Table t("s phrase0 " + longText + "\n// " + longText + "\nf after 12\n");
  EXPECT_TRUE(t.ok);
  EXPECT_EQ(t.table.findLineS("phrase0"), longText);
  EXPECT_FLOAT_EQ(t.table.findLineF("after"), 12.0f);
}

TEST(ScriptDamage, UnreadableNumberIsReportedReadsAsZeroAndTheRestIsRead) {
  tftest::MessageLog messages;
  Table t("f fps abc more words\nf after 12\nf dot .\nf big 1e99\nf half 1e\nf end 3\n");
  EXPECT_TRUE(t.ok);
  EXPECT_FLOAT_EQ(t.table.findLineF("fps"), 0.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("after"), 12.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("dot"), 0.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("big"), 0.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("half"), 0.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("end"), 3.0f);
  EXPECT_TRUE(messages.contains("^rERROR: ^wThe value of ^yfps^w in ^ytest.cfg^w (line 1)"));
  EXPECT_TRUE(messages.contains("^ybig^w in ^ytest.cfg^w (line 4)"));
}

TEST(ScriptDamage, BinaryJunkAndTruncationNeverLoseTheSoundPart) {
  std::string junk("f good 1\n");
  for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
  junk += "\nf alsoGood 2\ns trunc";  // the file ends in the middle of a line
  Table t(junk);
  EXPECT_TRUE(t.ok);
  EXPECT_FLOAT_EQ(t.table.findLineF("good"), 1.0f);
  EXPECT_FLOAT_EQ(t.table.findLineF("alsoGood"), 2.0f);
  EXPECT_EQ(t.table.findLineS("trunc"), "");
}

TEST(ScriptDamage, TypeWordOrKeyAtTheEndOfTheFile) {
  Table a("f a 1\nf");
  EXPECT_EQ(a.table.getLineAmount(), 1);
  Table b("f a 1\nf last");
  EXPECT_FLOAT_EQ(b.table.findLineF("last"), 0.0f);
  Table c("");
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(c.table.getLineAmount(), 0);
}

TEST(ScriptFiles, MissingFileIsReportedAndLeavesTheTable) {
  tftest::ScopedWorkDir dir;
  scriptObject table;
  table.readText("f a 1\n", "first.cfg");
  tftest::MessageLog messages;
  EXPECT_FALSE(table.readFile("system/none.cfg"));
  EXPECT_EQ(table.getLineAmount(), 1);
  EXPECT_TRUE(messages.contains("^rERROR: ^wError loading/reading file ^ysystem/none.cfg"));
}

TEST(ScriptFiles, AFolderIsNotAFile) {
  tftest::ScopedWorkDir dir;
  dir.write("system/x.cfg/inside", "f a 1\n");
  scriptObject table;
  EXPECT_FALSE(table.readFile("system/x.cfg"));
  EXPECT_EQ(table.getLineAmount(), 0);
}

TEST(ScriptFiles, ReadsFromDiskAndReportsSuccess) {
  tftest::ScopedWorkDir dir;
  dir.write("system/a.cfg", "f a 1\ns b two words\n");
  tftest::MessageLog messages;
  scriptObject table;
  EXPECT_TRUE(table.readFile("system/a.cfg"));
  EXPECT_EQ(table.findLineS("b"), "two words");
  EXPECT_TRUE(messages.contains("^ysystem/a.cfg ^whas been successfully loaded"));
}

TEST(ScriptScale, HundredsOfThousandsOfKeysAreAllFoundFirstMatch) {
  std::string text;
  const int count = 300000;
  for (int i = 0; i < count; ++i) text += "f k" + std::to_string(i) + " " + std::to_string(i) + "\n";
  for (int i = 0; i < count; i += 1000) text += "f k" + std::to_string(i) + " -7\n";  // later duplicates
  scriptObject table;
  ASSERT_TRUE(table.readText(text, "big.cfg"));
  EXPECT_EQ(table.getLineAmount(), count + count / 1000);
  for (int i = 0; i < count; i += 997) {
    ASSERT_FLOAT_EQ(table.findLineF("k" + std::to_string(i)), static_cast<float>(i)) << i;
  }
  EXPECT_FLOAT_EQ(table.findLineF("k" + std::to_string(count)), -1.0f);
}

}  // namespace
