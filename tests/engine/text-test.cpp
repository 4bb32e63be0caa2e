#include "quillora/text.h"

#include <gtest/gtest.h>

#include <random>

#include "quillora/traditional.h"
#include "support/bytes.h"
#include "support/random-text.h"
#include "support/reference.h"

namespace quillora {
namespace {

using test::Hex;

TEST(TextTest, EmptyAndLength) {
  EXPECT_TRUE(IsEmpty(Text()));
  EXPECT_TRUE(IsEmpty(""));
  EXPECT_FALSE(IsEmpty(" "));
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(TextLength("\xD6\xD0"), 2);
}

TEST(TextTest, LeftRightBlank) {
  const Text five = "abcde";
  struct Case {
    std::int32_t n;
    Text left, right;
  } cases[] = {{0, "", ""}, {-3, "", ""}, {2, "ab", "de"}, {5, five, five}, {100, five, five}};
  for (const Case& c : cases) {
    EXPECT_EQ(TextLeft(five, c.n), c.left) << c.n;
    EXPECT_EQ(TextRight(five, c.n), c.right) << c.n;
  }
  EXPECT_EQ(TextLeft("", 4), "");
  EXPECT_EQ(Hex(TextLeft("\xD6\xD0\xCE\xC4", 3)), "D6 D0 CE");  // splits 文
  EXPECT_EQ(BlankText(0), "");
  EXPECT_EQ(BlankText(-1), "");
  EXPECT_EQ(BlankText(4), "    ");
}

TEST(TextTest, Concat) {
  EXPECT_EQ(Concat({"", ""}), "");
  EXPECT_EQ(Concat({"a", "", "bc"}), "abc");
}

TEST(TextTest, SplitText) {
  struct Case {
    Text t, delimiter;
    TextList pieces;
  } cases[] = {
      {"", "\r\n", {}},
      {"abc", "\r\n", {"abc"}},
      {"a\r\nb", "\r\n", {"a", "b"}},
      {"a\r\n", "\r\n", {"a"}},
      {"\r\na", "\r\n", {"", "a"}},
      {"a\r\n\r\nb", "\r\n", {"a", "", "b"}},
      {"\r\n", "\r\n", {""}},
      {"\r\n\r\n", "\r\n", {"", ""}},
      {"a\r\n\r\n", "\r\n", {"a", ""}},
      {"\xB0\r\nA", "\r\n", {"\xB0\r\nA"}},  // B0 takes the CR as its partner
      {"a\r\n\xB0", "\r\n", {"a", "\xB0"}},  // a dangling lead byte stays in the last piece
      {"a\r\nb", "", {"a\r\nb"}},            // no delimiter: the whole text
      {"x--y--", "--", {"x", "y"}},          // other delimiters walk the same way
      {"x\xB0-y-", "-", {"x\xB0-y"}},        // ... and are never found inside a character
      {"a-\xB0", "---", {"a-\xB0"}},
      {"ab\xB0", "\xB0", {"ab"}},  // compared before the walk ends at the lead
  };
  for (const Case& c : cases) {
    const TextList got = SplitText(c.t, c.delimiter);
    std::string want, have;
    for (const Text& p : c.pieces) want += "[" + Hex(p) + "]";
    for (const Text& p : got) have += "[" + Hex(p) + "]";
    EXPECT_EQ(have, want) << "text " << Hex(c.t);
  }
}

struct Transform {
  Text input, expected;
};

void ExpectAll(Text (*op)(TextView), const char* name, std::initializer_list<Transform> cases) {
  for (const Transform& c : cases) {
    EXPECT_EQ(Hex(op(c.input)), Hex(c.expected)) << name << " of " << Hex(c.input);
  }
}

TEST(TextTest, RemoveLineBreaks) {
  ExpectAll(RemoveLineBreaks, "RemoveLineBreaks",
            {{"", ""},
             {"a\rb\nc", "a\rb\nc"},
             {"\r\n\r\n", ""},
             {"\xB0\r\n", "\xB0\r\n"},
             {"a\r\nb\xB0", "ab\xB0"},
             {"\r\r\n\n", "\r\n"},  // one walk, not repeated
             {"\xD6\xD0\r\n\xCE\xC4", "\xD6\xD0\xCE\xC4"}});
}

TEST(TextTest, RemoveAllSpaces) {
  ExpectAll(RemoveAllSpaces, "RemoveAllSpaces",
            {{"a b\xA1\xA1"
              "c",
              "abc"},
             {"a\tb", "a\tb"},
             {"\xA1\xA2", "\xA1\xA2"},
             {"\xB0 ", "\xB0 "},
             {"ab\xB0", "ab"},
             {"\r\n \r\n", "\r\n\r\n"}});
}

TEST(TextTest, ToFullWidth) {
  ExpectAll(ToFullWidth, "ToFullWidth",
            {{"Hi, $5~", "\xA3\xC8\xA3\xE9\xA3\xAC\xA1\xA1\xA3\xA4\xA3\xB5\xA1\xAB"},
             {"\r\n\t\x7F\x01", "\r\n\t\x7F\x01"},
             {"\xB0"
              "A",
              "\xB0"
              "A"},
             {"!}", "\xA3\xA1\xA3\xFD"},
             {"a\xB0", "\xA3\xE1"},
             {"", ""}});
}

TEST(TextTest, ToHalfWidth) {
  ExpectAll(ToHalfWidth, "ToHalfWidth",
            {{"\xA1\xEE\xA1\xEF\xA3\xFE\xA1\xAB\xA1\xA1", "**~~ "},
             {"\xA3\xA0\xA3\xFF\xA1\xA2\xD6\xD0", "\xA3\xA0\xA3\xFF\xA1\xA2\xD6\xD0"},
             {"ab\r\n\xA3", "ab\r\n"},
             {"\xA3\xA4", "$"}});
}

TEST(TextTest, HalfWidthUndoesFullWidthForPrintableAscii) {
  for (int b = 0x20; b <= 0x7E; ++b) {
    const Text t(1, static_cast<char>(b));
    EXPECT_EQ(ToHalfWidth(ToFullWidth(t)), t) << b;
  }
}

TEST(TextTest, ToInteger) {
  struct Case {
    Text t;
    std::int32_t value;
  } cases[] = {
      {"\xA3\xB1\xA3\xB2", 12},          // １２
      {"\xA1\xA1\xA3\xAD\xA3\xB3", -3},  // ideographic space, －, ３
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {" +7", 7},
      {"\t\r\n42", 42},
      {"4294967297", 1},
      {"2147483648", INT32_MIN},
      {"-2147483648", INT32_MIN},
      {"99999999999", 1215752191},       // wraps without a check
      {"\xA3\xB3\xA3\xB0\xC1\xD0", 30},  // ３０列
      {"\xD6\xD0"
       "5",
       0},  // a character ends the number before it starts
      {"5\xD6\xD0", 5},
  };
  for (const Case& c : cases) EXPECT_EQ(ToInteger(c.t), c.value) << Hex(c.t);
}

TEST(TextTest, TruncateToInteger) {
  struct Case {
    double x;
    std::int32_t value;
  } cases[] = {{7 / 2.0, 3},
               {(1 - 1.0) * 2.0, 0},
               {-0.5, 0},
               {-1.5, -1},
               {2.999, 2},
               {4294967297.0, 1},
               {2147483648.0, INT32_MIN},
               {-2147483649.0, INT32_MAX},
               {1e300, 0}};
  for (const Case& c : cases) EXPECT_EQ(TruncateToInteger(c.x), c.value) << c.x;
}

// The word- and block-at-a-time walks against one-character-at-a-time definitions, on texts long
// enough to cross many blocks, with every kind of odd byte.
TEST(TextTest, FastWalksMatchTheDefinitions) {
  std::mt19937 rng(6);
  for (int i = 0; i < 400; ++i) {
    const Text t = test::RandomText(rng, i % 4 ? 300 : 3000);
    ASSERT_EQ(Hex(RemoveLineBreaks(t)), Hex(test::NaiveRemoveLineBreaks(t))) << Hex(t);
    ASSERT_EQ(Hex(RemoveAllSpaces(t)), Hex(test::NaiveRemoveAllSpaces(t))) << Hex(t);
    ASSERT_EQ(Hex(ToFullWidth(t)), Hex(test::NaiveFullWidth(t))) << Hex(t);
    ASSERT_EQ(Hex(ToHalfWidth(t)), Hex(test::NaiveHalfWidth(t))) << Hex(t);
    ASSERT_EQ(Hex(ToTraditional(t)), Hex(test::NaiveTraditional(t))) << Hex(t);
    ASSERT_EQ(SplitText(t, "\r\n"), test::NaiveSplit(t, "\r\n")) << Hex(t);
  }
}

}  // namespace
}  // namespace quillora
