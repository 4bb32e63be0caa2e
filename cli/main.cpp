// The `quillora` command: one generator of the engine over a file or standard input.
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encoding.h"
#include "quillora/classical.h"
#include "quillora/decorate.h"
#include "quillora/slanted.h"
#include "quillora/traditional.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace quillora::cli {
namespace {

constexpr std::string_view kVersion = "1.0.1.0";
constexpr std::string_view kDefaultPerColumn = "5";
constexpr std::string_view kDefaultMarker = "\xE2\x86\x91";  // ↑, UTF-8
#ifdef _WIN32
constexpr std::string_view kLineEnd = "\r\n";
#else
constexpr std::string_view kLineEnd = "\n";
#endif

enum Exit { kOk = 0, kFailed = 1, kUsage = 2, kNoResult = 3 };

void Say(std::string_view line) {
  std::fprintf(stderr, "quillora: %.*s\n", static_cast<int>(line.size()), line.data());
}

struct Settings {
  bool utf8 = true;
  std::optional<std::string> file;
  std::string per_column{kDefaultPerColumn};  // UTF-8, as given
  ClassicalOptions classical;
  std::string marker{kDefaultMarker};  // UTF-8, as given
};

// What a generator gives, with the reason when there is no result.
struct Outcome {
  MaybeText text;
  std::string reason;
};

// A generator's result; past its input checks, no result can only mean the size limit.
Outcome Checked(MaybeText r) {
  if (r) return {std::move(r), ""};
  return {std::nullopt,
          "the result would be larger than " + std::to_string(kMaxTextLength) + " bytes"};
}

struct Option {
  std::string_view short_name;  // "" when there is none
  std::string_view long_name;
  bool takes_value;
  std::string_view help;
  std::function<void(Settings&, std::string_view)> set;
};

struct Command {
  std::string_view name;
  std::string_view summary;
  std::vector<Option> options;
  // Runs on GBK input; the settings' texts are already GBK.
  std::function<Outcome(const Settings&, TextView)> run;
};

Outcome RunSlant(const Settings&, TextView input) {
  if (IsEmpty(input)) return {std::nullopt, "the input is empty"};
  return Checked(SlantedText(input));
}

Outcome RunClassical(const Settings& s, TextView input) {
  if (IsEmpty(input)) return {std::nullopt, "the input is empty"};
  const std::int32_t n = ToInteger(s.per_column);
  if (n == 0) return {std::nullopt, "the per-column count is 0 (or not a number)"};
  if (n < 0) return {std::nullopt, "the per-column count " + std::to_string(n) + " is below 1"};
  return Checked(ClassicalLayout(input, s.per_column, s.classical));
}

Outcome RunDecorate(const Settings& s, TextView input) {
  if (IsEmpty(s.marker)) return {std::nullopt, "the marker is empty"};
  return Checked(DecorateText(input, s.marker));
}

Outcome RunTraditional(const Settings&, TextView input) { return {ToTraditional(input), ""}; }

const Option kEncodingOption{"", "--encoding", true,
                             "utf-8 (the default) or gbk: GBK bytes in and out, passed exactly",
                             nullptr};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"slant", "every character on a line of its own, each two spaces further in", {}, RunSlant},
      {"classical",
       "columns of N characters standing right to left, read top to bottom",
       {{"-n", "--per-column", true, "characters per column (default 5; \"３０列\" reads as 30)",
         [](Settings& s, std::string_view v) { s.per_column = v; }},
        {"", "--no-traditional", false, "keep simplified characters",
         [](Settings& s, std::string_view) { s.classical.traditional = false; }},
        {"", "--remove-spaces", false, "delete every space first",
         [](Settings& s, std::string_view) { s.classical.remove_spaces = true; }},
        {"", "--half-width", false, "turn full-width forms back into ASCII at the end",
         [](Settings& s, std::string_view) { s.classical.full_width = false; }}},
       RunClassical},
      {"decorate",
       "a marker before every character and at the end of every line",
       {{"-m", "--marker", true, "the marker (default \xE2\x86\x91; \xC2\xA4 or any text)",
         [](Settings& s, std::string_view v) { s.marker = v; }}},
       RunDecorate},
      {"traditional", "simplified characters to traditional ones", {}, RunTraditional},
  };
  return commands;
}

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: quillora COMMAND [OPTIONS] [FILE]\n       quillora --help | --version\n\n"
               "Reads FILE (or standard input) whole and writes the result to standard output.\n\n"
               "commands:\n");
  for (const Command& c : Commands()) {
    std::fprintf(to, "  %-12s %.*s\n", std::string(c.name).c_str(),
                 static_cast<int>(c.summary.size()), c.summary.data());
  }
  std::fprintf(
      to,
      "\n'quillora COMMAND --help' shows a command's options.\n"
      "Exit status: 0 result written, 1 input or output error, 2 usage error, 3 no result.\n");
}

void PrintCommandHelp(const Command& c) {
  std::printf("usage: quillora %s [OPTIONS] [FILE]\n\n%s.\n\noptions:\n",
              std::string(c.name).c_str(), std::string(c.summary).c_str());
  const auto row = [](const Option& o) {
    std::string names = o.short_name.empty() ? "    " : std::string(o.short_name) + ", ";
    names += o.long_name;
    if (o.takes_value) names += o.long_name == "--encoding" ? " ENC" : " TEXT";
    std::printf("  %-26s %s\n", names.c_str(), std::string(o.help).c_str());
  };
  for (const Option& o : c.options) row(o);
  row(kEncodingOption);
  std::printf("  %-26s %s\n", "-h, --help", "show this help");
}

// Reads a whole stream; false with errno set on a read error.
bool ReadAll(std::FILE* f, std::string& out) {
  // A regular file says its size: read it in one piece rather than growing the text.
  struct stat st;
  if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
      st.st_size <= kMaxTextLength * 4) {
    out.reserve(static_cast<std::size_t>(st.st_size) + 1);
  }
  char buf[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, f);
    out.append(buf, n);
    if (out.size() > static_cast<std::size_t>(kMaxTextLength) * 4) {
      errno = EFBIG;
      return false;
    }
    if (n < sizeof buf) return !std::ferror(f);
  }
}

// Writes everything and flushes; a closed pipe ends quietly, any other failure is reported.
int WriteAll(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
      std::fflush(stdout) == 0) {
    return kOk;
  }
  if (errno != EPIPE) Say(std::string("cannot write standard output: ") + std::strerror(errno));
  return kFailed;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    PrintUsage(stderr);
    return kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    PrintUsage(stdout);
    return kOk;
  }
  if (args[0] == "--version") {
    std::printf("quillora %s\n", std::string(kVersion).c_str());
    return kOk;
  }
  const Command* command = nullptr;
  for (const Command& c : Commands()) {
    if (c.name == args[0]) command = &c;
  }
  if (!command) {
    Say("unknown command '" + args[0] + "' (try 'quillora --help')");
    return kUsage;
  }

  Settings settings;
  const auto usage_error = [&](const std::string& what) {
    Say(what + " (try 'quillora " + std::string(command->name) + " --help')");
    return kUsage;
  };
  bool only_files = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (only_files || a == "-" || a.empty() || a[0] != '-') {
      if (settings.file) return usage_error("more than one FILE");
      settings.file = a;
      continue;
    }
    if (a == "--") {
      only_files = true;
      continue;
    }
    if (a == "-h" || a == "--help") {
      PrintCommandHelp(*command);
      return kOk;
    }
    const std::size_t eq = a.rfind("--", 0) == 0 ? a.find('=') : std::string::npos;
    const std::string name = a.substr(0, eq);
    std::optional<std::string> value;
    if (eq != std::string::npos) value = a.substr(eq + 1);

    const Option* option = name == kEncodingOption.long_name ? &kEncodingOption : nullptr;
    for (const Option& o : command->options) {
      if (name == o.long_name || (!o.short_name.empty() && name == o.short_name)) option = &o;
    }
    if (!option) return usage_error("unknown option '" + name + "'");
    if (option->takes_value && !value) {
      if (i + 1 >= args.size()) return usage_error("option '" + name + "' needs a value");
      value = args[++i];
    }
    if (!option->takes_value && value) return usage_error("option '" + name + "' takes no value");
    if (option == &kEncodingOption) {
      if (*value == "utf-8" || *value == "utf8" || *value == "UTF-8") {
        settings.utf8 = true;
      } else if (*value == "gbk" || *value == "GBK") {
        settings.utf8 = false;
      } else {
        return usage_error("unknown encoding '" + *value + "' (utf-8 or gbk)");
      }
    } else {
      option->set(settings, value.value_or(""));
    }
  }

  // Arguments are UTF-8 whatever the encoding of the input.
  std::string error;
  for (auto [text, what] :
       {std::pair{&settings.per_column, "--per-column"}, std::pair{&settings.marker, "--marker"}}) {
    std::string gbk;
    if (!Utf8ToGbk(*text, gbk, error)) return usage_error(std::string(what) + ": " + error);
    *text = std::move(gbk);
  }

  std::string raw;
  const bool from_stdin = !settings.file || *settings.file == "-";
  std::FILE* in = from_stdin ? stdin : std::fopen(settings.file->c_str(), "rb");
  const std::string source = from_stdin ? "standard input" : "'" + *settings.file + "'";
  if (!in || !ReadAll(in, raw)) {
    Say("cannot read " + source + ": " + std::strerror(errno));
    if (in && !from_stdin) std::fclose(in);
    return kFailed;
  }
  if (!from_stdin) std::fclose(in);

  if (const std::size_t zero = FindZeroByte(raw); zero != std::string::npos) {
    Say("the input holds a zero byte at byte offset " + std::to_string(zero));
    return kFailed;
  }
  std::string input;
  if (settings.utf8) {
    if (!Utf8ToGbk(raw, input, error)) {
      Say(error);
      return kFailed;
    }
    std::string().swap(raw);  // the UTF-8 is no longer needed: give its memory back
  } else {
    input = std::move(raw);
  }
  if (input.size() > static_cast<std::size_t>(kMaxTextLength)) {
    Say("the input is larger than " + std::to_string(kMaxTextLength) + " bytes");
    return kFailed;
  }

  Outcome outcome = command->run(settings, input);
  std::string().swap(input);
  if (!outcome.text) {
    Say("no result: " + outcome.reason);
    return kNoResult;
  }
  if (!settings.utf8) return WriteAll(*outcome.text);

  std::string out;
  const std::size_t replaced = GbkToUtf8(*outcome.text, kLineEnd, out);
  outcome.text.reset();
  if (!out.empty() && out.back() != '\n') out.append(kLineEnd);
  if (replaced > 0) {
    Say("warning: " + std::to_string(replaced) +
        " byte(s) of the result are not valid GBK (a cell can split a character); written as "
        "U+FFFD");
  }
  return WriteAll(out);
}

#ifdef _WIN32
std::vector<std::string> Arguments(int, char**) {
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; wide && i < argc; ++i) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string a(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, a.data(), n, nullptr, nullptr);
    args.push_back(std::move(a));
  }
  LocalFree(wide);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  return args;
}
#else
std::vector<std::string> Arguments(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is seen as EPIPE and ends quietly
  return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

}  // namespace
}  // namespace quillora::cli

int main(int argc, char** argv) {
  using namespace quillora::cli;
  return Run(Arguments(argc, argv));
}
