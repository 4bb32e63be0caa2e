// SlantedText: its length n * n + 3 * n - 2 for n cells, and the step-by-step definition.
#include "fuzz-support.h"
#include "quillora/slanted.h"
#include "support/reference.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const Text t = fuzz::AsText(data, size > 4096 ? 4096 : size);
  const MaybeText r = SlantedText(t);
  LAW(r.has_value() == !t.empty(), "input", t);
  if (!r) return 0;
  const std::size_t n = RemoveLineBreaks(ToFullWidth(t)).size() / 2;
  LAW(r->size() == (n == 0 ? 0 : n * n + 3 * n - 2), "input", t);
  LAW(*r == *test::ReferenceSlanted(t), "input", t, "got", *r);
  return 0;
}
