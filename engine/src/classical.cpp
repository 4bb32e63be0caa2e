#include "quillora/classical.h"

#include <cstring>

#include "walk.h"
#include "working.h"

namespace quillora {

namespace {

// Where every cell of the layout goes in the result. Column c (from 0, c = 0 the start of the
// text) stands at cell position C - 1 - c of every row, so the last column is at the left.
// Rows are 2C + 2 bytes (C cells and "\r\n"); when the working text has an odd length its last
// cell is a single byte, at the start of row `odd_row`, and everything after it in the result
// stands one byte earlier.
struct Geometry {
  std::int64_t rows;      // N
  std::int64_t columns;   // C
  std::int64_t row_size;  // 2C + 2
  std::int64_t full_cells;
  bool odd;
  std::int64_t odd_row;  // cells of the last column, and the row of the odd byte if any

  std::int64_t Size() const { return rows * row_size - (odd ? 1 : 0); }
  std::int64_t RowStart(std::int64_t j) const { return j * row_size - (odd && j > odd_row); }
  // The first cell of column c, at row 0.
  std::int64_t ColumnStart(std::int64_t c) const {
    if (c == columns - 1) return 0;
    return (columns - 1 - c) * 2 - (odd && odd_row == 0);
  }
};

}  // namespace

MaybeText ClassicalLayout(TextView input, TextView per_column, const ClassicalOptions& options) {
  if (IsEmpty(input)) return std::nullopt;
  const std::int32_t n = ToInteger(per_column);
  if (n <= 0) return std::nullopt;  // 0 has no layout; a negative count cannot size the rows
  const detail::WorkingSteps steps{options.traditional, options.remove_spaces};
  const std::int64_t length = static_cast<std::int64_t>(detail::WorkingLength(input, steps));
  if (length > kMaxTextLength) return std::nullopt;

  Geometry g{};
  g.rows = n;
  g.columns = TruncateToInteger(static_cast<double>(length) / n / 2.0 + 1.0);
  g.row_size = 2 * g.columns + 2;
  g.full_cells = length / 2;
  g.odd = (length % 2) != 0;
  g.odd_row = g.full_cells - (g.columns - 1) * g.rows;
  if (g.Size() > kMaxTextLength) return std::nullopt;

  Text r(static_cast<std::size_t>(g.Size()), '\0');
  char* out = r.data();

  // Cells arrive in text order, down column 0, then column 1, and so on.
  std::int64_t column = 0, row = 0, at = g.ColumnStart(0);
  int half = -1;
  detail::WalkWorkingText(input, steps, [&](unsigned char b) {
    if (half < 0) {
      half = b;
      return;
    }
    out[at] = static_cast<char>(half);
    out[at + 1] = static_cast<char>(b);
    half = -1;
    at += g.row_size;
    if (++row == g.rows) {
      row = 0;
      at = g.ColumnStart(++column);
    } else if (g.odd && row == g.odd_row && column < g.columns - 1) {
      --at;
    }
  });
  if (half >= 0) out[g.RowStart(g.odd_row)] = static_cast<char>(half);

  // The last column's rows past the text are blank cells; every row ends in "\r\n".
  for (std::int64_t j = g.odd_row + (g.odd ? 1 : 0); j < g.rows; ++j) {
    std::memcpy(out + g.RowStart(j), "  ", 2);
  }
  for (std::int64_t j = 0; j < g.rows; ++j) std::memcpy(out + g.RowStart(j + 1) - 2, "\r\n", 2);

  if (!options.full_width) {
    auto* bytes = reinterpret_cast<unsigned char*>(r.data());
    r.resize(detail::HalfWidthInto(bytes, r.size(), bytes));
  }
  return r;
}

}  // namespace quillora
