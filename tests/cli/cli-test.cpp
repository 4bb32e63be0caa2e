// The command's contract, by running the built binary.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/bytes.h"

namespace {

using quillora::test::Hex;

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "quillora-cli-" + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// Runs `quillora ARGS` with `input` on standard input and standard output to `out_path` (a
// file of its own when empty).
Outcome Quillora(const std::string& args, const std::string& input = "",
                 const std::string& out_path = "") {
  static int serial = 0;
  const std::string base = TempPath(std::to_string(::getpid()) + "-" + std::to_string(serial++));
  WriteFile(base + ".in", input);
  const std::string cmd = std::string("'") + QUILLORA_BIN + "' " + args + " <'" + base + ".in' >'" +
                          (out_path.empty() ? base + ".out" : out_path) + "' 2>'" + base + ".err'";
  const int raw = std::system(cmd.c_str());
  Outcome r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadFile(base + ".out");
  r.err = ReadFile(base + ".err");
  for (const char* ext : {".in", ".out", ".err"}) std::remove((base + ext).c_str());
  return r;
}

TEST(CliTest, SlantInUtf8) {
  const Outcome r = Quillora("slant", "中文");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "中\n  文\n");
  EXPECT_EQ(r.err, "");
}

TEST(CliTest, SlantInGbkPassesBytesExactly) {
  const Outcome r = Quillora("slant --encoding gbk", "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Hex(r.out), Hex("\xD6\xD0\r\n  \xCE\xC4"));  // no line end added, CR LF kept
}

TEST(CliTest, Utf8InputIsNormalised) {
  struct Case {
    const char* input;
    const char* output;
  } cases[] = {
      {"\xEF\xBB\xBF中", "中\n"},  // a BOM is dropped
      {"中\n文", "中\n  文\n"},    // LF is a line end, removed like CR LF
      {"中\r\n文\r\n", "中\n  文\n"},
      {"\n", ""},  // an empty result is written as nothing
  };
  for (const Case& c : cases) {
    const Outcome r = Quillora("slant", c.input);
    EXPECT_EQ(r.status, 0) << c.input;
    EXPECT_EQ(Hex(r.out), Hex(c.output)) << c.input;
  }
}

TEST(CliTest, BadInputIsAnErrorWithNothingOnStandardOutput) {
  struct Case {
    std::string args, input;
    int status;
    std::string message;
  } cases[] = {
      {"slant", "a\xF0\x9F\x98\x80", 1, "U+1F600 at line 1, column 2 has no GBK form"},
      {"slant", "ab\n\xE4\xB8\xAD\xF0\x9F\x98\x80", 1, "U+1F600 at line 2, column 2"},
      {"slant", "ab\xC3", 1, "invalid UTF-8 at byte offset 2"},
      {"slant", "\xC0\xAF", 1, "invalid UTF-8 at byte offset 0"},            // overlong
      {"slant", "ab\xF0\x80\x80\x80", 1, "invalid UTF-8 at byte offset 2"},  // overlong, 4 bytes
      {"slant", "\xF4\x90\x80\x80", 1, "invalid UTF-8 at byte offset 0"},    // above U+10FFFF
      {"slant", "\xE4\xB8z", 1, "invalid UTF-8 at byte offset 0"},           // truncated inside
      {"slant", "\xEF\xBB\xBF\xFF", 1, "invalid UTF-8 at byte offset 3"},    // after a BOM
      {"slant", "a\xED\xA0\x80", 1, "invalid UTF-8 at byte offset 1"},       // surrogate
      {"slant", std::string("a\0b", 3), 1, "zero byte at byte offset 1"},
      {"slant --encoding gbk", std::string("\xD6\xD0\0", 3), 1, "zero byte at byte offset 2"},
      {"slant", "", 3, "no result: the input is empty"},
      {"slant /nonexistent/file", "", 1, "cannot read '/nonexistent/file': No such file"},
      {"slant /", "", 1, "cannot read '/'"},
      {"slant --bogus", "x", 2, "unknown option '--bogus'"},
      {"slant --encoding latin1", "x", 2, "unknown encoding 'latin1'"},
      {"slant --encoding", "x", 2, "option '--encoding' needs a value"},
      {"slant a b", "x", 2, "more than one FILE"},
      {"frobnicate", "x", 2, "unknown command 'frobnicate'"},
      {"", "x", 2, "usage: quillora"},
  };
  for (const Case& c : cases) {
    const Outcome r = Quillora(c.args, c.input);
    EXPECT_EQ(r.status, c.status) << c.args << " / " << Hex(c.input) << ": " << r.err;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
  }
}

std::string BlankRows(int n) {
  std::string s;
  while (n-- > 0) s += "  \n";
  return s;
}

TEST(CliTest, Generators) {
  struct Case {
    std::string args, input, output;
  } cases[] = {
      {"traditional", "后来他说：“这里的面很好吃。”", "後來他說：『這裡的面很好吃。』\n"},
      {"traditional --encoding gbk", "\xB9\xFA\xB9", "\x87\xF8\xB9"},
      {"classical -n 3 --no-traditional", "一二三四五六七", "七四一\n  五二\n  六三\n"},
      {"classical --per-column=3 --no-traditional", "一二三四五六七", "七四一\n  五二\n  六三\n"},
      {"classical -n ３０列", "国", "國\n" + BlankRows(29)},
      {"classical", "国", "國\n" + BlankRows(4)},  // 5 per column, traditional on
      {"classical -n 2 --no-traditional --half-width", "ab c", "   a\n  cb\n"},
      {"classical -n 1 --remove-spaces --no-traditional", "a b", "  ｂａ\n"},
      {"decorate", "中文", "↑中↑文↑\n"},
      {"decorate -m ¤", "中文\n", "¤中¤文¤\n"},
      {"decorate --marker '<>'", "中文\n\n", "<>中<>文<>\n<>\n"},
      {"decorate", "", ""},
  };
  for (const Case& c : cases) {
    const Outcome r = Quillora(c.args, c.input);
    EXPECT_EQ(r.status, 0) << c.args << ": " << r.err;
    EXPECT_EQ(r.out, c.output) << c.args;
  }
}

TEST(CliTest, NoResultExitsThreeWithAReason) {
  struct Case {
    std::string args, input, reason;
  } cases[] = {
      {"classical -n -2", "x", "below 1"},
      {"classical -n 0", "x", "per-column count is 0"},
      {"classical -n abc", "x", "per-column count is 0"},
      {"classical", "", "the input is empty"},
      {"classical -n 99999999999", "x", "larger than 2147483647 bytes"},
      {"decorate -m ''", "x", "the marker is empty"},
  };
  for (const Case& c : cases) {
    const Outcome r = Quillora(c.args, c.input);
    EXPECT_EQ(r.status, 3) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.args << ": " << r.err;
  }
  const Outcome bad = Quillora("decorate -m 😀", "x");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--marker: character U+1F600"), std::string::npos) << bad.err;
}

TEST(CliTest, ReadsAFile) {
  const std::string path = TempPath("file.txt");
  WriteFile(path, "中文");
  const Outcome r = Quillora("slant '" + path + "'");
  std::remove(path.c_str());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "中\n  文\n");
}

TEST(CliTest, InvalidGbkInTheResultIsReplacedWithAWarning) {
  // The tab shifts the cells: the cell 09 D6 splits 中 and its partner D0 is dropped.
  const Outcome r = Quillora("slant", "\t中");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "\t\xEF\xBF\xBD\n");
  EXPECT_NE(r.err.find("warning"), std::string::npos);
}

TEST(CliTest, HelpAndVersion) {
  for (const char* args : {"--help", "slant --help", "--version"}) {
    const Outcome r = Quillora(args);
    EXPECT_EQ(r.status, 0) << args;
    EXPECT_FALSE(r.out.empty()) << args;
  }
  EXPECT_EQ(Quillora("--version").out, "quillora 1.0.1.0\n");
  EXPECT_NE(Quillora("slant --help").out.find("--encoding"), std::string::npos);
}

TEST(CliTest, UnreadableFile) {
  const std::string path = TempPath("locked.txt");
  WriteFile(path, "x");
  ::chmod(path.c_str(), 0);
  // Root reads any file: drop to an unprivileged user for this one.
  const std::string as_user =
      ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string cmd =
      as_user + "'" + QUILLORA_BIN + "' slant '" + path + "' >/dev/null 2>'" + path + ".err'";
  const int raw = std::system(cmd.c_str());
  const std::string err = ReadFile(path + ".err");
  std::remove(path.c_str());
  std::remove((path + ".err").c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1) << err;
  EXPECT_NE(err.find("Permission denied"), std::string::npos) << err;
}

TEST(CliTest, AClosedPipeEndsQuietly) {
  const std::string in = TempPath("long.txt");
  WriteFile(in, std::string(3000, 'a'));  // a staircase of about 9 MB
  const std::string err = in + ".err";
  const std::string cmd = "bash -c \"'" + std::string(QUILLORA_BIN) + "' slant '" + in + "' 2>'" +
                          err + "' | head -c1 >/dev/null; exit \\${PIPESTATUS[0]}\"";
  const int raw = std::system(cmd.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
  EXPECT_EQ(ReadFile(err), "");
  std::remove(in.c_str());
  std::remove(err.c_str());
}

TEST(CliTest, WriteErrorsAreFailures) {
  const Outcome full = Quillora("slant", "中文", "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot write standard output"), std::string::npos) << full.err;
}

}  // namespace
