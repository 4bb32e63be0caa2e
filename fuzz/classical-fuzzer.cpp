// ClassicalLayout: N lines of C cells, the columns read right to left and top to bottom give
// the working text back padded with blanks, and the result is the step-by-step definition's.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz-support.h"
#include "quillora/classical.h"
#include "support/reference.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int n = in.ConsumeIntegralInRange(-3, 40);
  const ClassicalOptions o{in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool()};
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  const Text rest =
      fuzz::AsText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  const MaybeText r = ClassicalLayout(rest, std::to_string(n), o);
  LAW(r.has_value() == (!rest.empty() && n > 0), "input", rest);
  if (!r) return 0;
  LAW(*r == test::DirectClassical(rest, n, o), "input", rest, "got", *r);
  if (rest.size() <= 300) {
    LAW(*r == *test::ReferenceClassical(rest, std::to_string(n), o), "input", rest, "got", *r);
  }
  if (!o.full_width) return 0;
  // Before half width: N lines of C cells; the columns give the working text back.
  Text w = o.traditional ? ToTraditional(rest) : rest;
  w = RemoveLineBreaks(ToFullWidth(w));
  if (o.remove_spaces) w = RemoveAllSpaces(w);
  const std::size_t columns = w.size() / (2 * static_cast<std::size_t>(n)) + 1;
  // Rows are 2C + 2 bytes; the row holding the odd last byte (if any) is one byte shorter. The
  // rows are cut by these lengths: a cell may hold CR or LF bytes, or a lead that takes the CR.
  const std::size_t odd = w.size() % 2,
                    odd_row = w.size() / 2 - (columns - 1) * static_cast<std::size_t>(n);
  TextList lines;
  std::size_t at_row = 0;
  for (std::size_t j = 0; j < static_cast<std::size_t>(n); ++j) {
    const std::size_t length = 2 * columns + 2 - (odd && j == odd_row ? 1 : 0);
    LAW(at_row + length <= r->size() && r->compare(at_row + length - 2, 2, "\r\n") == 0, "input",
        rest, "got", *r);
    lines.push_back(r->substr(at_row, length - 2));
    at_row += length;
  }
  LAW(at_row == r->size(), "input", rest, "got", *r);
  Text read;
  for (std::size_t c = 0; c < columns; ++c) {  // the rightmost column holds the text's start
    for (std::size_t j = 0; j < lines.size(); ++j) {
      // The odd cell (one byte) is the first of its line and shifts nothing before it.
      const std::size_t at =
          2 * (columns - 1 - c) - (lines[j].size() < 2 * columns && c + 1 < columns ? 1 : 0);
      read += lines[j].substr(at, lines[j].size() < 2 * columns && c + 1 == columns ? 1 : 2);
    }
  }
  Text padded = w;
  padded.append(2 * columns * static_cast<std::size_t>(n) - w.size() - (w.size() % 2), ' ');
  LAW(read == padded, "input", rest, "read", read, "working", padded);
  return 0;
}
