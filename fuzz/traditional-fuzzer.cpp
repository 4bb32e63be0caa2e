// ToTraditional: same length, converting twice is converting once, and every character is its
// table entry.
#include "fuzz-support.h"
#include "quillora/traditional.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const Text t = fuzz::AsText(data, size);
  const Text once = ToTraditional(t);
  LAW(once.size() == t.size(), "text", t);
  LAW(ToTraditional(once) == once, "text", t, "once", once);
  const auto& table = TraditionalTable();
  for (std::size_t i = 0; i < t.size();) {
    const unsigned char lead = static_cast<unsigned char>(t[i]);
    if (lead < 0x80) {
      LAW(once[i] == t[i], "text", t);
      ++i;
      continue;
    }
    if (i + 1 >= t.size()) {
      LAW(once[i] == t[i], "text", t);
      break;
    }
    const unsigned char trail = static_cast<unsigned char>(t[i + 1]);
    Text want = t.substr(i, 2);
    if (HasTraditionalEntry(lead, trail)) {
      const unsigned char* e = table.data() + TraditionalEntryOffset(lead, trail);
      want = Text{static_cast<char>(e[0]), static_cast<char>(e[1])};
    }
    LAW(once.compare(i, 2, want) == 0, "text", t, "once", once);
    i += 2;
  }
  return 0;
}
