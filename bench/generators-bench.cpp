// Throughput of every generator and text operation, in bytes of result per second, beside memcpy
// of the same number of bytes in the same run. bench/run turns the output into one table.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "quillora/classical.h"
#include "quillora/decorate.h"
#include "quillora/slanted.h"
#include "quillora/text.h"
#include "quillora/traditional.h"

namespace {

using namespace quillora;

// Realistic GBK text: mostly Chinese (simplified, some of it converting), punctuation, a little
// ASCII and a line break every 40 characters or so.
Text Sample(std::size_t bytes) {
  static const char* const kPieces[] = {
      "\xD6\xD0", "\xCE\xC4", "\xB9\xFA", "\xBA\xF3", "\xC0\xEF", "\xB5\xC4",
      "\xCA\xC7", "\xD4\xDA", "\xCB\xB5", "\xD5\xE2", "\xC3\xE6", "\xBA\xC3",
      "\xA3\xAC", "\xA1\xA3", "\xA1\xB0", "\xA1\xB1", "\xCE\xD2", "\xC8\xCB",
      "\xD3\xD0", "\xC1\xCB", "ab",       "12",       " ",        "\r\n",
  };
  std::mt19937 rng(1);
  std::discrete_distribution<int> pick(
      {9, 9, 6, 4, 4, 9, 8, 8, 5, 6, 3, 4, 5, 4, 2, 2, 6, 6, 6, 6, 1, 1, 1, 0.6});
  Text t;
  t.reserve(bytes + 2);
  while (t.size() < bytes) t += kPieces[pick(rng)];
  t.resize(bytes);
  if (t.size() % 2) t.pop_back();
  return t;
}

// Samples are made when a benchmark first runs and kept for the others of the same size.
const Text& SampleOf(std::size_t bytes) {
  static std::map<std::size_t, Text> samples;
  auto it = samples.find(bytes);
  if (it == samples.end()) it = samples.emplace(bytes, Sample(bytes)).first;
  return it->second;
}

constexpr std::int64_t kKiB = 1024, kMiB = 1024 * kKiB;
const std::int64_t kSizes[] = {4 * kKiB, 64 * kKiB, 1 * kMiB, 16 * kMiB, 64 * kMiB};

// Runs op, which builds a result from the input and returns its byte count; reports bytes of
// result per second.
template <class Op>
void Measure(benchmark::State& state, const Text& input, Op op) {
  std::size_t size = 0;
  for (auto _ : state) {
    size = op(input);
    benchmark::DoNotOptimize(size);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
  state.counters["result_bytes"] = static_cast<double>(size);
}

// Input length (bytes) that gives a staircase of about `target` bytes: n cells give
// n * n + 3 * n - 2 bytes, and the sample is nearly all two-byte cells.
std::size_t SlantedInput(std::int64_t target) {
  std::int64_t n = 1;
  while (n * n + 3 * n - 2 < target) ++n;
  return static_cast<std::size_t>(2 * n);
}

std::size_t SizeOf(const MaybeText& r) { return r ? r->size() : 0; }

void RegisterAll() {
  for (std::int64_t target : kSizes) {
    const std::string size = "/" + std::to_string(target);
    benchmark::RegisterBenchmark(("memcpy" + size).c_str(), [target](benchmark::State& state) {
      const Text src(static_cast<std::size_t>(target), 'x');
      for (auto _ : state) {
        Text dst;
        dst.resize(src.size());
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst);
      }
      state.SetBytesProcessed(state.iterations() * target);
      state.counters["result_bytes"] = static_cast<double>(target);
    });
    const auto reg = [&](const std::string& name, std::size_t input_bytes, auto op) {
      benchmark::RegisterBenchmark((name + size).c_str(), [input_bytes, op](benchmark::State& s) {
        Measure(s, SampleOf(input_bytes), op);
      });
    };
    const std::size_t t = static_cast<std::size_t>(target);
    reg("SlantedText", SlantedInput(target), [](const Text& x) { return SizeOf(SlantedText(x)); });
    for (const char* n : {"5", "1000"}) {
      for (bool traditional : {false, true}) {
        reg(std::string("ClassicalLayout[n=") + n + (traditional ? ",trad]" : "]"), t,
            [n, traditional](const Text& x) {
              return SizeOf(ClassicalLayout(x, n, ClassicalOptions{traditional, false, true}));
            });
      }
    }
    // Every two-byte cell gains a marker: the result is about (m + 2) / 2 times the source.
    reg("DecorateText[marker=up]", t / 2,
        [](const Text& x) { return SizeOf(DecorateText(x, kArrowMarker)); });
    reg("DecorateText[marker=5B]", t * 2 / 7,
        [](const Text& x) { return SizeOf(DecorateText(x, "<\xA1\xEF\xA1\xEF")); });  // <★★
    reg("ToTraditional", t, [](const Text& x) { return ToTraditional(x).size(); });
    reg("ToFullWidth", t, [](const Text& x) { return ToFullWidth(x).size(); });
    reg("ToHalfWidth", t, [](const Text& x) { return ToHalfWidth(x).size(); });
    reg("RemoveLineBreaks", t, [](const Text& x) { return RemoveLineBreaks(x).size(); });
    reg("SplitText", t, [](const Text& x) {
      std::size_t bytes = 0;
      for (const Text& p : SplitText(x, "\r\n")) bytes += p.size();
      return bytes;
    });
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Keep freed results in the heap: otherwise glibc maps large blocks afresh at every allocation
  // and returns them at every free, and memcpy and the generators alike would be timed faulting
  // new pages in (what a fresh process does once, whatever it computes).
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, -1);
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
