#include "quillora/classical.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/bytes.h"
#include "support/random-text.h"
#include "support/reference.h"

namespace quillora {
namespace {

using test::Hex;

constexpr ClassicalOptions kPlain{false, false, true};  // nothing but full width

TEST(ClassicalTest, Layouts) {
  struct Case {
    const char* what;
    Text input, per_column;
    ClassicalOptions options;
    Text expected;
  } cases[] = {
      {"worked example", "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF", "3", kPlain,
       "\xC6\xDF\xCB\xC4\xD2\xBB\r\n  \xCE\xE5\xB6\xFE\r\n  \xC1\xF9\xC8\xFD\r\n"},
      {"exact multiple of 2N: an empty column at the left",
       "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9", "3", kPlain,
       "  \xCB\xC4\xD2\xBB\r\n  \xCE\xE5\xB6\xFE\r\n  \xC1\xF9\xC8\xFD\r\n"},
      {"shorter than a column", "\xD2\xBB\xB6\xFE", "5", kPlain,
       "\xD2\xBB\r\n\xB6\xFE\r\n  \r\n  \r\n  \r\n"},
      {"only line breaks", "\r\n\r\n", "2", kPlain, "  \r\n  \r\n"},
      {"only spaces, removed", "  \xA1\xA1", "2", {false, true, true}, "  \r\n  \r\n"},
      {"line breaks run on", "\xD2\xBB\r\n\xB6\xFE", "1", kPlain, "  \xB6\xFE\xD2\xBB\r\n"},
      {"a tab shifts the cells", "\xD2\xBB\t\xB6\xFE", "5", kPlain,
       "\xD2\xBB\r\n\t\xB6\r\n\xFE\r\n  \r\n  \r\n"},
      {"half width: spaces and letters back to ASCII",
       "ab c",
       "2",
       {false, false, false},
       "   a\r\n  cb\r\n"},
      {"full width kept", "ab c", "2", kPlain, "  \xA1\xA1\xA3\xE1\r\n  \xA3\xE3\xA3\xE2\r\n"},
      {"half width turns typed full-width forms too",
       "\xA3\xAC",
       "1",
       {false, false, false},
       "  ,\r\n"},
      {"traditional first", "\xB9\xFA", "1", {true, false, true}, "  \x87\xF8\r\n"},
      {"count read with ToInteger", "\xD2\xBB", "\xA3\xB1\xC1\xD0", kPlain, "  \xD2\xBB\r\n"},
  };
  for (const Case& c : cases) {
    const MaybeText r = ClassicalLayout(c.input, c.per_column, c.options);
    ASSERT_TRUE(r.has_value()) << c.what;
    EXPECT_EQ(Hex(*r), Hex(c.expected)) << c.what;
  }
}

TEST(ClassicalTest, NoResult) {
  struct Case {
    Text input, per_column;
  } cases[] = {
      {"", "5"},
      {"\xD2\xBB", ""},
      {"\xD2\xBB", "0"},
      {"\xD2\xBB", "abc"},
      {"\xD2\xBB", "-2"},
      {"\xD2\xBB", "-2147483648"},
      {"\xD2\xBB", "1073741824"},  // 2N would overflow 32 bits
      {"\xD2\xBB", "536870912"},   // N rows of four bytes exceed the length limit
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ClassicalLayout(c.input, c.per_column, kPlain).has_value())
        << Hex(c.input) << " per column " << c.per_column;
  }
}

TEST(ClassicalTest, MatchesTheStepByStepDefinition) {
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> count(1, 9), flag(0, 1);
  const auto count_of = [](const Text& t) { return std::stoi(t); };
  for (int i = 0; i < 5000; ++i) {
    const std::string input = test::RandomText(rng, i % 2 ? 80 : 400);
    const Text per_column = std::to_string(count(rng));
    const ClassicalOptions o{flag(rng) == 1, flag(rng) == 1, flag(rng) == 1};
    const MaybeText want = test::ReferenceClassical(input, per_column, o);
    const MaybeText got = ClassicalLayout(input, per_column, o);
    ASSERT_EQ(got.has_value(), want.has_value()) << Hex(input);
    if (want) {
      ASSERT_EQ(Hex(test::DirectClassical(input, count_of(per_column), o)), Hex(*want));
    }
    if (got) {
      ASSERT_EQ(Hex(*got), Hex(*want))
          << "input " << Hex(input) << " per column " << per_column << " options " << o.traditional
          << o.remove_spaces << o.full_width;
    }
  }
}

TEST(ClassicalTest, LargeTextsAcrossBlocksAndLongColumns) {
  // Short columns fill many blocks of columns; very long ones take the other path. Odd lengths
  // (a tab shifts the cells) and a last column that is full, partial or empty all occur.
  std::mt19937 rng(5);
  struct Case {
    std::int32_t per_column;
    std::size_t length;
  } cases[] = {{5, 700000},     {5, 700001},     {1000, 1500000},  {37, 300000},
               {70000, 300001}, {70000, 280000}, {200000, 100000}, {1, 200000}};
  for (const Case& c : cases) {
    Text input = test::RandomText(rng, 0);
    while (input.size() < c.length) input += test::RandomText(rng, 400);
    for (bool traditional : {false, true}) {
      const ClassicalOptions o{traditional, traditional, !traditional};
      const MaybeText got = ClassicalLayout(input, std::to_string(c.per_column), o);
      ASSERT_TRUE(got);
      const Text want = test::DirectClassical(input, c.per_column, o);
      ASSERT_EQ(got->size(), want.size()) << c.per_column << " " << c.length;
      const auto diff = std::mismatch(want.begin(), want.end(), got->begin());
      EXPECT_TRUE(diff.first == want.end())
          << "per column " << c.per_column << ", length " << c.length << ": first difference at "
          << (diff.first - want.begin());
    }
  }
}

TEST(ClassicalTest, ReadingTheColumnsGivesTheTextBack) {
  // 60 characters in columns of 7: right to left, top to bottom, then the blanks.
  Text input;
  for (int i = 0; i < 60; ++i)
    input += Text{static_cast<char>(0xB0 + i % 40), static_cast<char>(0xA1 + i)};
  const MaybeText r = ClassicalLayout(input, "7", kPlain);
  ASSERT_TRUE(r);
  const TextList rows = SplitText(*r, "\r\n");
  ASSERT_EQ(rows.size(), 7u);
  Text read;
  const std::size_t columns = rows[0].size() / 2;
  for (std::size_t c = columns; c-- > 0;) {
    for (const Text& row : rows) read += row.substr(2 * c, 2);
  }
  EXPECT_EQ(Hex(read), Hex(input + Text(2 * (7 * columns - 60), ' ')));
}

}  // namespace
}  // namespace quillora
