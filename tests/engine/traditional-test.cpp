#include "quillora/traditional.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>

#include "support/bytes.h"

namespace quillora {
namespace {

using test::Hex;

Text Pair(int lead, int trail) { return Text{static_cast<char>(lead), static_cast<char>(trail)}; }

// Whether two bytes are one character of code page 936 (glibc's CP936).
bool IsCp936Character(const Text& pair) {
  static iconv_t cd = iconv_open("UTF-32LE", "CP936");
  char out[16];
  char* src = const_cast<char*>(pair.data());
  char* dst = out;
  std::size_t left = pair.size(), room = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  return iconv(cd, &src, &left, &dst, &room) != static_cast<std::size_t>(-1) && left == 0 &&
         room == sizeof out - 4;
}

TEST(TraditionalTest, TellingRows) {
  struct Case {
    const char* name;
    Text from, to;
  } cases[] = {
      {"国", "\xB9\xFA", "\x87\xF8"},
      {"汉", "\xBA\xBA", "\x9D\x68"},
      {"这", "\xD5\xE2", "\xDF\x40"},
      {"个", "\xB8\xF6", "\x82\x80"},
      {"体", "\xCC\xE5", "\xF3\x77"},
      {"发", "\xB7\xA2", "\xB0\x6C"},
      {"后", "\xBA\xF3", "\xE1\xE1"},
      {"里", "\xC0\xEF", "\xD1\x65"},
      {"干", "\xB8\xC9", "\xC7\xAC"},
      {"台", "\xCC\xA8", "\xC5\x5F"},
      {"才", "\xB2\xC5", "\xC0\x75"},
      {"于", "\xD3\xDA", "\xEC\xB6"},
      {"着", "\xD7\xC5", "\xD6\xF8"},
      {"沉", "\xB3\xC1", "\xC9\xF2"},
      {"钟", "\xD6\xD3", "\xE6\x52"},
      {"面", "\xC3\xE6", "\xC3\xE6"},
      {"只", "\xD6\xBB", "\xD6\xBB"},
      {"系", "\xCF\xB5", "\xCF\xB5"},
      {"表", "\xB1\xED", "\xB1\xED"},
      {"‘", "\xA1\xAE", "\xA1\xB8"},
      {"’", "\xA1\xAF", "\xA1\xB9"},
      {"“", "\xA1\xB0", "\xA1\xBA"},
      {"”", "\xA1\xB1", "\xA1\xBB"},
      // Three results reached from two sources each.
      {"余", "\xD3\xE0", "\xF0\x4E"},
      {"馀", "\xE2\xC5", "\xF0\x4E"},
      {"咨", "\xD7\xC9", "\xD6\x4A"},
      {"谘", "\xDA\xD1", "\xD6\x4A"},
      {"鲇", "\xF6\xD3", "\xF6\x54"},
      {"鲶", "\xF6\xF3", "\xF6\x54"},
  };
  for (const Case& c : cases) EXPECT_EQ(Hex(ToTraditional(c.from)), Hex(c.to)) << c.name;
}

TEST(TraditionalTest, Walk) {
  struct Case {
    Text input, expected;
  } cases[] = {
      {"", ""},
      {"\xA3\xE1\xA3\xE2\xA3\xE3\xA3\xB1\xA3\xB2\xA3\xB3",
       "\xA3\xE1\xA3\xE2\xA3\xE3\xA3\xB1\xA3\xB2\xA3\xB3"},
      {"abc 123\r\n", "abc 123\r\n"},
      {"\xD6\xD0\xB9\xFA\xBA\xBA\xD7\xD6", "\xD6\xD0\x87\xF8\x9D\x68\xD7\xD6"},  // 中国汉字
      {"\xBB\xCA\xBA\xF3", "\xBB\xCA\xE1\xE1"},  // 皇后 too: no context
      {"\xB9\xFA\xB9", "\x87\xF8\xB9"},          // a dangling lead byte stays
      {"\x80\xB9\xFA", "\x80\xB9\xFA"},          // 80 takes B9; FA then dangles
      {"\xFF\xB9\xFA", "\xFF\xB9\xFA"},
      {"\xB9\x0D\xB9\xFA", "\xB9\x0D\x87\xF8"},  // a trail below 40 leaves the pair, walk goes on
      {"\xB9\x7F\xB9\xFF", "\xB9\x7F\xB9\xFF"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Hex(ToTraditional(c.input)), Hex(c.expected)) << Hex(c.input);
}

TEST(TraditionalTest, QuotedSentence) {
  // 后来他说：“这里的面很好吃。” → 後來他說：『這裡的面很好吃。』
  const Text in =
      "\xBA\xF3\xC0\xB4\xCB\xFB\xCB\xB5\xA3\xBA\xA1\xB0\xD5\xE2\xC0\xEF\xB5\xC4\xC3\xE6"
      "\xBA\xDC\xBA\xC3\xB3\xD4\xA1\xA3\xA1\xB1";
  const Text out =
      "\xE1\xE1\x81\xED\xCB\xFB\xD5\x66\xA3\xBA\xA1\xBA\xDF\x40\xD1\x65\xB5\xC4\xC3\xE6"
      "\xBA\xDC\xBA\xC3\xB3\xD4\xA1\xA3\xA1\xBB";
  EXPECT_EQ(Hex(ToTraditional(in)), Hex(out));
}

// The laws of the whole table, with its counts printed beside the reference counts.
TEST(TraditionalTest, TableLaws) {
  int entries = 0, identities = 0, converting = 0;
  int from_gb2312 = 0, from_extension = 0, from_a1 = 0, to_gb2312 = 0, to_extension = 0, to_a1 = 0;
  const auto area = [](int lead, int trail, int& gb2312, int& extension, int& a1) {
    if (lead == 0xA1) {
      ++a1;
    } else if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1) {
      ++gb2312;
    } else if ((lead >= 0x81 && lead <= 0xA0) || (lead >= 0xAA && trail < 0xA1)) {
      ++extension;
    } else {
      ADD_FAILURE() << "result outside the expected areas: " << Hex(Pair(lead, trail));
    }
  };
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      ++entries;
      const Text from = Pair(lead, trail);
      const Text to = ToTraditional(from);
      ASSERT_EQ(to.size(), 2u);
      const unsigned char* e = TraditionalTable().data() + TraditionalEntryOffset(lead, trail);
      EXPECT_EQ(to, Pair(e[0], e[1]));
      if (to == from) {
        ++identities;
        continue;
      }
      ++converting;
      EXPECT_TRUE(IsCp936Character(from)) << "source " << Hex(from) << " is not a character";
      EXPECT_TRUE(IsCp936Character(to)) << Hex(from) << " gives " << Hex(to);
      EXPECT_EQ(ToTraditional(to), to)
          << Hex(from) << " gives " << Hex(to) << ", which converts again";
      EXPECT_NE(to, "\xA1\xA1") << Hex(from) << " becomes the ideographic space";
      area(lead, trail, from_gb2312, from_extension, from_a1);
      area(static_cast<unsigned char>(to[0]), static_cast<unsigned char>(to[1]), to_gb2312,
           to_extension, to_a1);
    }
  }
  EXPECT_EQ(entries, 23940);
  EXPECT_EQ(sizeof(TraditionalTable()), 47880u);
  // Unassigned and user-defined codes convert to themselves.
  for (const Text& code :
       {Pair(0xA2, 0xA0), Pair(0xAA, 0xA1), Pair(0xF8, 0xFE), Pair(0xFE, 0xFE)}) {
    EXPECT_EQ(ToTraditional(code), code) << Hex(code);
  }
  std::printf(
      "conversion table       this table   reference\n"
      "  converting entries   %10d   %9d\n"
      "  identities           %10d   %9d\n"
      "  sources GB2312 area  %10d   %9d\n"
      "  sources GBK ext.     %10d   %9d\n"
      "  sources row A1       %10d   %9d\n"
      "  results GBK ext.     %10d   %9d\n"
      "  results GB2312 area  %10d   %9d\n"
      "  results row A1       %10d   %9d\n",
      converting, 2516, identities, 21424, from_gb2312, 2279, from_extension, 233, from_a1, 4,
      to_extension, 2495, to_gb2312, 17, to_a1, 4);
}

}  // namespace
}  // namespace quillora
