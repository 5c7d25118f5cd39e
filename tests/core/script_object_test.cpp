// The data file grammar: what a line means, what is a comment, the first entry of a key winning
// over appended files, and damaged input (bad numbers, very long lines, junk, a file ending mid-line).
#include "core/script_object.h"

#include <gtest/gtest.h>

#include <string>

#include "messages.h"

namespace {

TEST(ScriptGrammar, WhatEachLineMeansTheFirstEntryWinsAndDamageLosesOnlyItself) {
  tftest::MessageLog messages;
  const std::string longText(5000, 'x');
  std::string junk;
  for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
  tf::scriptObject t;
  ASSERT_TRUE(t.readText("s progName Tessera Forge\ns twoSpaces  indented\ns empty\ns tabbed\tvalue with\ttabs\n"
                         "f fps 30 // frames a second\nf late\n\n   -2.5\nF upper 7\nf exponent 1.5e2\n"
                         "f a 1 s b text\n"  // after a number the next word is a type word again
                         "// f hidden 1\n# s alsoHidden x\nx f notThis 2\nf Key 1\nf key 2\ns crlf maze\r\n"
                         "f bad abc s sneaky x\nf dot .\nf big 1e99\ns long " +
                             longText + "\n// " + longText + "\n" + junk + "\nf afterJunk 2\n",
                         "a.cfg"));
  ASSERT_TRUE(t.readText("f fps 99\ns progName second\nf extra 5\ns trunc", "b.cfg"));  // ends mid-line
  const std::pair<const char*, std::string> texts[] = {
      {"progName", "Tessera Forge"}, {"twoSpaces", " indented"}, {"empty", ""}, {"tabbed", "value with\ttabs"},
      {"b", "text"}, {"crlf", "maze"}, {"long", longText}, {"trunc", ""}, {"missing", "NULL"}, {"sneaky", "NULL"}};
  for (const auto& c : texts) EXPECT_EQ(t.findLineS(c.first), c.second) << c.first;
  const std::pair<const char*, float> numbers[] = {
      {"fps", 30}, {"late", -2.5f}, {"upper", 7}, {"exponent", 150}, {"a", 1}, {"Key", 1}, {"key", 2}, {"KEY", -1},
      {"hidden", -1}, {"alsoHidden", -1}, {"notThis", -1}, {"bad", 0}, {"dot", 0}, {"big", 0}, {"afterJunk", 2},
      {"extra", 5}, {"progName", 0}};
  for (const auto& c : numbers) EXPECT_FLOAT_EQ(t.findLineF(c.first), c.second) << c.first;
  EXPECT_TRUE(
      messages.contains("^rERROR: ^wThe value of ^ybad^w in ^ya.cfg^w (line 18) is not a number; it reads as 0."));
  EXPECT_TRUE(messages.contains("^ybig^w in ^ya.cfg^w (line 20)"));
}

}  // namespace
