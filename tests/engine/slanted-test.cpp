#include "quillora/slanted.h"

#include <gtest/gtest.h>

#include <random>

#include "support/bytes.h"
#include "support/random-text.h"
#include "support/reference.h"

namespace quillora {
namespace {

using test::Hex;

TEST(SlantedTest, EmptyInputHasNoResult) { EXPECT_FALSE(SlantedText("").has_value()); }

TEST(SlantedTest, Staircases) {
  struct Case {
    Text input, expected;
  } cases[] = {
      {"ab\xD6\xD0", "\xA3\xE1\r\n  \xA3\xE2\r\n    \xD6\xD0"},  // the worked example
      {"\xD6\xD0", "\xD6\xD0"},
      {"\xD6\xD0\xCE\xC4", "\xD6\xD0\r\n  \xCE\xC4"},
      {"\xD6\xD0\r\n\xCE\xC4", "\xD6\xD0\r\n  \xCE\xC4"},  // line breaks vanish
      {"\r\n", ""},                                        // a result, and it is empty
      {"\r\n\r\n", ""},
      {"a ", "\xA3\xE1\r\n  \xA1\xA1"},  // a space is a step like any other
      {"\t\xD6\xD0", "\t\xD6"},          // the tab shifts the pairing
      {"\xD6\xD0\xB0", "\xD6\xD0"},      // a dangling lead byte is dropped
  };
  for (const Case& c : cases) {
    const MaybeText r = SlantedText(c.input);
    ASSERT_TRUE(r.has_value()) << Hex(c.input);
    EXPECT_EQ(Hex(*r), Hex(c.expected)) << "input " << Hex(c.input);
  }
}

TEST(SlantedTest, MatchesTheStepByStepDefinition) {
  std::mt19937 rng(2);
  for (int i = 0; i < 2000; ++i) {
    const std::string input = test::RandomText(rng, i % 2 ? 60 : 300);
    const MaybeText want = test::ReferenceSlanted(input);
    const MaybeText got = SlantedText(input);
    ASSERT_EQ(got.has_value(), want.has_value()) << Hex(input);
    if (got) {
      ASSERT_EQ(Hex(*got), Hex(*want)) << "input " << Hex(input);
    }
  }
}

TEST(SlantedTest, LengthFollowsTheClosedForm) {
  for (std::int64_t n : {1, 2, 10, 300}) {
    Text input;
    for (std::int64_t i = 0; i < n; ++i) input += "\xD6\xD0";
    EXPECT_EQ(static_cast<std::int64_t>(SlantedText(input)->size()), n * n + 3 * n - 2);
  }
}

TEST(SlantedTest, RefusesAResultBeyondTheLengthLimit) {
  // 46,339 cells would still fit in 2^31 - 1 bytes; 46,340 ("a" is one cell) do not.
  EXPECT_FALSE(SlantedText(Text(46340, 'a')).has_value());
  EXPECT_FALSE(SlantedText(Text(1 << 20, 'a')).has_value());
}

}  // namespace
}  // namespace quillora
