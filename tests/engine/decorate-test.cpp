#include "quillora/decorate.h"

#include <gtest/gtest.h>

#include <random>

#include "quillora/slanted.h"
#include "support/bytes.h"
#include "support/random-text.h"
#include "support/reference.h"

namespace quillora {
namespace {

using test::Hex;

TEST(DecorateTest, Lines) {
  struct Case {
    const char* what;
    Text source;
    TextView marker;
    Text expected;
  } cases[] = {
      {"two characters", "\xD6\xD0\xCE\xC4", kArrowMarker,
       "\xA1\xFC\xD6\xD0\xA1\xFC\xCE\xC4\xA1\xFC\r\n"},
      {"decorated again", "\xA1\xFC\xD6\xD0\xA1\xFC\xCE\xC4\xA1\xFC", kArrowMarker,
       "\xA1\xFC\xA1\xFC\xA1\xFC\xD6\xD0\xA1\xFC\xA1\xFC\xA1\xFC\xCE\xC4\xA1\xFC\xA1\xFC\xA1\xFC\r"
       "\n"},
      {"empty source", "", kArrowMarker, ""},
      {"trailing line break adds no line", "\xD6\xD0\r\n", kCurrencyMarker,
       "\xA1\xE8\xD6\xD0\xA1\xE8\r\n"},
      {"a line break alone is one empty line", "\r\n", kArrowMarker, "\xA1\xFC\r\n"},
      {"an empty line between lines", "ab\r\n\r\ncd", "|", "|ab|\r\n|\r\n|cd|\r\n"},
      {"odd bytes are lost", "a", "|", "|\r\n"},
      {"cells are bytes", "a\xD6\xD0", "|", "|a\xD6|\r\n"},
      {"custom marker of any length", "\xD6\xD0\xCE\xC4", "<>", "<>\xD6\xD0<>\xCE\xC4<>\r\n"},
      {"spaces are a marker too", "\xD6\xD0", "  ", "  \xD6\xD0  \r\n"},
  };
  for (const Case& c : cases) {
    const MaybeText r = DecorateText(c.source, c.marker);
    ASSERT_TRUE(r.has_value()) << c.what;
    EXPECT_EQ(Hex(*r), Hex(c.expected)) << c.what;
  }
}

TEST(DecorateTest, SlantedText) {
  const MaybeText slanted = quillora::SlantedText("ab\xD6\xD0");
  const MaybeText r = DecorateText(*slanted, kArrowMarker);
  const Text up = "\xA1\xFC";
  EXPECT_EQ(Hex(*r), Hex(up + "\xA3\xE1" + up + "\r\n" + up + "  " + up + "\xA3\xE2" + up + "\r\n" +
                         up + "  " + up + "  " + up + "\xD6\xD0" + up + "\r\n"));
}

TEST(DecorateTest, EmptyMarkerHasNoResult) { EXPECT_FALSE(DecorateText("ab", "").has_value()); }

TEST(DecorateTest, MatchesTheStepByStepDefinition) {
  std::mt19937 rng(4);
  const Text markers[] = {Text(kArrowMarker), "<>", "x", "\xA1\xE8*"};
  for (int i = 0; i < 3000; ++i) {
    const std::string source = test::RandomText(rng, i % 2 ? 60 : 400);
    const Text& marker = markers[i % 4];
    const MaybeText got = DecorateText(source, marker);
    ASSERT_TRUE(got);
    ASSERT_EQ(Hex(*got), Hex(test::ReferenceDecorate(source, marker))) << "source " << Hex(source);
  }
}

TEST(DecorateTest, RefusesAResultBeyondTheLengthLimit) {
  // Each byte of a 1 MiB source gets a marker of 4 KiB: about 2 GiB.
  EXPECT_FALSE(DecorateText(Text(1 << 20, 'a'), Text(4096, '*')).has_value());
}

}  // namespace
}  // namespace quillora
