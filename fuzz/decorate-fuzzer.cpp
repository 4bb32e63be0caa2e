// DecorateText: every line of L bytes becomes floor(L / 2) * (m + 2) + m + 2 bytes, and the
// result is the step-by-step definition's.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz-support.h"
#include "quillora/decorate.h"
#include "support/reference.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string m = in.ConsumeRandomLengthString(8);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  const Text marker = fuzz::AsText(reinterpret_cast<const unsigned char*>(m.data()), m.size());
  const Text source =
      fuzz::AsText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  const MaybeText r = DecorateText(source, marker);
  LAW(r.has_value() == !marker.empty(), "marker", marker);
  if (!r) return 0;
  std::size_t size_by_lines = 0;
  for (const Text& line : SplitText(source, "\r\n")) {
    size_by_lines += line.size() / 2 * (marker.size() + 2) + marker.size() + 2;
  }
  LAW(r->size() == size_by_lines, "source", source, "marker", marker);
  LAW(*r == test::ReferenceDecorate(source, marker), "source", source, "marker", marker, "got", *r);
  return 0;
}
