#include "quillora/classical.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "walk.h"
#include "working.h"

namespace quillora {

namespace {

// Working text held at once while a block of columns is transposed: small enough for the
// cache, and the only memory the layout takes besides its result.
constexpr std::size_t kBlockBytes = 256 * 1024;

// Where every cell of the layout goes in the result. Column c (from 0, c = 0 the start of the
// text) stands at cell position C - 1 - c of every row, so the last column is at the left.
// Rows are 2C + 2 bytes (C cells and "\r\n"). All columns but the last are full. When the
// working text has an odd length its last cell is a single byte, in the last column at row
// `last_cells`, and everything after it in the result stands one byte earlier.
struct Geometry {
  std::int64_t rows;        // N
  std::int64_t columns;     // C
  std::int64_t row_size;    // 2C + 2
  std::int64_t last_cells;  // whole cells in the last column
  bool odd;

  std::int64_t Size() const { return rows * row_size - (odd ? 1 : 0); }
  std::int64_t RowStart(std::int64_t j) const { return j * row_size - (odd && j > last_cells); }
  // The cell of full column c (c < C - 1) at row j.
  std::int64_t CellAt(std::int64_t c, std::int64_t j) const {
    return j * row_size + (columns - 1 - c) * 2 - (odd && j >= last_cells);
  }
};

// Full columns [first, first + count) from their working text in `block` (column after column).
void WriteColumns(const Geometry& g, std::int64_t first, std::int64_t count,
                  const unsigned char* block, char* out) {
  const std::int64_t column_bytes = 2 * g.rows;
  for (std::int64_t j = 0; j < g.rows; ++j) {
    char* dst = out + g.CellAt(first + count - 1, j);  // the leftmost of the block
    const unsigned char* src = block + (count - 1) * column_bytes + 2 * j;
    for (std::int64_t k = 0; k < count; ++k, dst += 2, src -= column_bytes)
      std::memcpy(dst, src, 2);
  }
}

// The last column, read from the working text: its whole cells, the odd byte, then blanks.
void WriteLastColumn(const Geometry& g, detail::WorkingText& working, char* out) {
  unsigned char chunk[16 * 1024];
  for (std::int64_t j = 0; j < g.last_cells;) {
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::int64_t>(sizeof chunk / 2, g.last_cells - j)) * 2;
    const std::size_t got = working.Read(chunk, want);
    for (std::size_t b = 0; b + 2 <= got; b += 2, ++j)
      std::memcpy(out + j * g.row_size, chunk + b, 2);
    if (got < want) break;  // cannot happen: the length was counted from the same walk
  }
  if (g.odd && working.Read(chunk, 1) == 1)
    out[g.last_cells * g.row_size] = static_cast<char>(chunk[0]);
  for (std::int64_t j = g.last_cells + (g.odd ? 1 : 0); j < g.rows; ++j) {
    std::memcpy(out + g.RowStart(j), "  ", 2);
  }
}

// For columns too long to hold two of them at once: every cell of the full columns straight to
// its place (the rows are short then, so the places are near one another).
void ScatterColumns(const Geometry& g, detail::WorkingText& working, char* out) {
  unsigned char chunk[64 * 1024];
  std::int64_t left = (g.columns - 1) * g.rows, column = 0, row = 0;
  while (left > 0) {
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::int64_t>(sizeof chunk / 2, left)) * 2;
    const std::size_t got = working.Read(chunk, want);
    for (std::size_t b = 0; b + 2 <= got; b += 2) {
      std::memcpy(out + g.CellAt(column, row), chunk + b, 2);
      if (++row == g.rows) row = 0, ++column;
    }
    left -= static_cast<std::int64_t>(got / 2);
    if (got < want) break;
  }
}

}  // namespace

MaybeText ClassicalLayout(TextView input, TextView per_column, const ClassicalOptions& options) {
  if (IsEmpty(input)) return std::nullopt;
  const std::int32_t n = ToInteger(per_column);
  if (n <= 0) return std::nullopt;  // 0 has no layout; a negative count cannot size the rows
  detail::WorkingText working(input, {options.traditional, options.remove_spaces});
  const std::int64_t length = static_cast<std::int64_t>(working.Length());
  if (length > kMaxTextLength) return std::nullopt;

  Geometry g{};
  g.rows = n;
  g.columns = TruncateToInteger(static_cast<double>(length) / n / 2.0 + 1.0);
  g.row_size = 2 * g.columns + 2;
  g.last_cells = length / 2 - (g.columns - 1) * g.rows;
  g.odd = (length % 2) != 0;
  if (g.Size() > kMaxTextLength) return std::nullopt;

  Text r = detail::UninitializedText(static_cast<std::size_t>(g.Size()));
  char* out = r.data();
  const std::size_t column_bytes = static_cast<std::size_t>(2 * g.rows);
  if (2 * column_bytes <= kBlockBytes) {
    // Blocks of whole columns, each written row by row: every row gets a run of cells at once.
    // No more columns a block than the text has full ones: a short text takes a small block.
    const std::int64_t per_block = std::min<std::int64_t>(
        static_cast<std::int64_t>(kBlockBytes / column_bytes), g.columns - 1);
    std::vector<unsigned char> block(static_cast<std::size_t>(per_block) * column_bytes);
    std::int64_t c = 0;
    for (; c < g.columns - 1; c += per_block) {
      const std::int64_t count = std::min(per_block, g.columns - 1 - c);
      working.Read(block.data(), static_cast<std::size_t>(count) * column_bytes);
      WriteColumns(g, c, count, block.data(), out);
    }
  } else {
    ScatterColumns(g, working, out);
  }
  WriteLastColumn(g, working, out);
  for (std::int64_t j = 0; j < g.rows; ++j) std::memcpy(out + g.RowStart(j + 1) - 2, "\r\n", 2);

  if (!options.full_width) {
    auto* bytes = reinterpret_cast<unsigned char*>(r.data());
    r.resize(detail::HalfWidthInto(bytes, r.size(), bytes, true));
  }
  return r;
}

}  // namespace quillora
