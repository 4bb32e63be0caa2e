// ToFullWidth, ToHalfWidth and ToInteger against definitions written from their tables.
#include <cstdint>

#include "fuzz-support.h"
#include "quillora/text.h"
#include "support/reference.h"

using namespace quillora;
using test::NaiveFullWidth;
using test::NaiveHalfWidth;
using test::NaiveInteger;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const Text t = fuzz::AsText(data, size);
  LAW(ToFullWidth(t) == NaiveFullWidth(t), "text", t, "got", ToFullWidth(t));
  LAW(ToHalfWidth(t) == NaiveHalfWidth(t), "text", t, "got", ToHalfWidth(t));
  LAW(ToInteger(t) == NaiveInteger(t), "text", t);
  // Printable ASCII comes back from its full-width form.
  Text ascii;
  for (char c : t) ascii += static_cast<char>(0x20 + static_cast<unsigned char>(c) % 95);
  LAW(ToHalfWidth(ToFullWidth(ascii)) == ascii, "ascii", ascii);
  LAW(ToFullWidth(ascii).size() == 2 * ascii.size(), "ascii", ascii);
  return 0;
}
