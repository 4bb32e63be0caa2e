// The window's commands on the in-memory platform.
#include "ui/commands.h"

#include <gtest/gtest.h>

#include "platform/memory/memory-platform.h"
#include "support/bytes.h"

namespace quillora::ui {
namespace {

using platform::MemoryPlatform;
using test::Hex;

const Text k一二三四五六七 = "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF";
const Text kUp = "\xA1\xFC";  // ↑

void Click(MemoryPlatform& p, Control c) { ASSERT_TRUE(OnEvent(c, Event::kClicked, p)); }

TEST(CommandsTest, StartState) {
  MemoryPlatform p;
  EXPECT_EQ(p.ReadText(Control::编辑框1), "");
  EXPECT_EQ(p.ReadText(Control::编辑框2), "");
  EXPECT_EQ(p.ReadText(Control::编辑框3), "5");
  EXPECT_EQ(p.ReadText(Control::编辑框4), "");
  EXPECT_TRUE(p.IsChecked(Control::选择框3));
  EXPECT_TRUE(p.IsChecked(Control::选择框2));
  EXPECT_FALSE(p.IsChecked(Control::选择框1));
  EXPECT_TRUE(p.IsChecked(Control::单选框1));
  EXPECT_FALSE(p.IsChecked(Control::单选框2));
  EXPECT_FALSE(p.IsChecked(Control::单选框3));
}

TEST(CommandsTest, ClassicalReadsTheControlsAndWritesTheOutputOnce) {
  MemoryPlatform p;
  p.WriteText(Control::编辑框1, k一二三四五六七);
  p.WriteText(Control::编辑框3, "3");
  p.SetChecked(Control::选择框3, false);
  p.writes.clear();
  Click(p, Control::转换);
  EXPECT_EQ(Hex(p.ReadText(Control::编辑框2)),
            Hex("\xC6\xDF\xCB\xC4\xD2\xBB\r\n  \xCE\xE5\xB6\xFE\r\n  \xC1\xF9\xC8\xFD\r\n"));
  EXPECT_EQ(p.writes, std::vector<Control>{Control::编辑框2});
  EXPECT_EQ(p.ReadText(Control::编辑框1), k一二三四五六七);

  // Traditional and half width follow the check boxes.
  p.WriteText(Control::编辑框1, "\xB9\xFA a");  // 国, a space, a
  p.WriteText(Control::编辑框3, "1");
  p.SetChecked(Control::选择框3, true);
  p.SetChecked(Control::选择框1, true);
  p.SetChecked(Control::选择框2, false);
  Click(p, Control::转换);
  EXPECT_EQ(Hex(p.ReadText(Control::编辑框2)), Hex("  a\x87\xF8\r\n"));
}

TEST(CommandsTest, GeneratorsWithoutAResultLeaveTheOutputAsItWas) {
  struct Case {
    const char* what;
    Control button;
    Text input, per_column;
  } cases[] = {
      {"classical, empty input", Control::转换, "", "5"},
      {"classical, count 0", Control::转换, "\xD6\xD0", "0"},
      {"classical, count empty", Control::转换, "\xD6\xD0", ""},
      {"classical, negative count", Control::转换, "\xD6\xD0", "-5"},
      {"classical, huge count", Control::转换, "\xD6\xD0", "99999999999"},
      {"classical, result too large", Control::转换, "\xD6\xD0", "1073741823"},
      {"slanted, empty input", Control::斜字, "", "5"},
  };
  for (const Case& c : cases) {
    MemoryPlatform p;
    p.WriteText(Control::编辑框1, c.input);
    p.WriteText(Control::编辑框2, "keep");
    p.WriteText(Control::编辑框3, c.per_column);
    p.writes.clear();
    Click(p, c.button);
    EXPECT_EQ(p.ReadText(Control::编辑框2), "keep") << c.what;
    EXPECT_TRUE(p.writes.empty()) << c.what;
  }
}

TEST(CommandsTest, Slanted) {
  MemoryPlatform p;
  p.WriteText(Control::编辑框1, "\xD6\xD0\xCE\xC4");
  p.WriteText(Control::编辑框3, "0");  // options play no part
  Click(p, Control::斜字);
  EXPECT_EQ(Hex(p.ReadText(Control::编辑框2)), Hex("\xD6\xD0\r\n  \xCE\xC4"));
  p.WriteText(Control::编辑框1, "\r\n");
  Click(p, Control::斜字);
  EXPECT_EQ(p.ReadText(Control::编辑框2), "");  // an empty result is written
}

TEST(CommandsTest, DecorationMarkerChoice) {
  struct Case {
    const char* what;
    bool radio1, radio2, radio3;
    Text custom;
    std::optional<Text> expected;  // nullopt: 编辑框2 not written
  } cases[] = {
      {"arrow", true, false, false, "", kUp + "\xD6\xD0" + kUp + "\r\n"},
      {"arrow wins", true, true, true, "<>", kUp + "\xD6\xD0" + kUp + "\r\n"},
      {"currency wins over custom", false, true, true, "<>", "\xA1\xE8\xD6\xD0\xA1\xE8\r\n"},
      {"custom", false, false, true, "<>", "<>\xD6\xD0<>\r\n"},
      {"custom but empty", false, false, true, "", std::nullopt},
      {"nothing checked", false, false, false, "<>", std::nullopt},
  };
  for (const Case& c : cases) {
    MemoryPlatform p;
    p.WriteText(Control::编辑框2, "\xD6\xD0");
    p.WriteText(Control::编辑框4, c.custom);
    p.SetChecked(Control::单选框1, c.radio1);
    p.SetChecked(Control::单选框2, c.radio2);
    p.SetChecked(Control::单选框3, c.radio3);
    p.writes.clear();
    ASSERT_TRUE(OnEvent(Control::美化, Event::kLeftButtonDown, p));
    EXPECT_EQ(Hex(p.ReadText(Control::编辑框2)), Hex(c.expected.value_or("\xD6\xD0"))) << c.what;
    EXPECT_EQ(p.writes.size(), c.expected ? 1u : 0u) << c.what;
    EXPECT_TRUE(p.opened.empty()) << c.what;  // the label opens nothing
  }
}

TEST(CommandsTest, DecoratingAnEmptyOutputWritesTheEmptyText) {
  MemoryPlatform p;
  ASSERT_TRUE(OnEvent(Control::美化, Event::kLeftButtonDown, p));
  EXPECT_EQ(p.writes, std::vector<Control>{Control::编辑框2});
  EXPECT_EQ(p.ReadText(Control::编辑框2), "");
}

TEST(CommandsTest, PasteAndCopy) {
  MemoryPlatform p;
  p.WriteText(Control::编辑框1, "old");
  p.clipboard = "\xD6\xD0\r\n\xCE\xC4";
  Click(p, Control::按钮2);
  EXPECT_EQ(p.ReadText(Control::编辑框1), "\xD6\xD0\r\n\xCE\xC4");  // whole, line breaks kept

  for (auto empty : {std::optional<Text>(std::nullopt), std::optional<Text>("")}) {
    p.WriteText(Control::编辑框1, "old");
    p.clipboard = empty;
    Click(p, Control::按钮2);
    EXPECT_EQ(p.ReadText(Control::编辑框1), "");
  }
  p.WriteText(Control::编辑框1, "old");
  p.clipboard = "x";
  p.clipboard_busy = true;
  Click(p, Control::按钮2);
  EXPECT_EQ(p.ReadText(Control::编辑框1), "");

  p.WriteText(Control::编辑框2, "typed");
  Click(p, Control::按钮3);  // busy: the clipboard keeps what it had
  EXPECT_EQ(p.clipboard, "x");
  p.clipboard_busy = false;
  Click(p, Control::按钮3);
  EXPECT_EQ(p.clipboard, "typed");
  p.WriteText(Control::编辑框2, "");
  Click(p, Control::按钮3);
  EXPECT_EQ(p.clipboard, "");
}

TEST(CommandsTest, WidthsAndSite) {
  MemoryPlatform p;
  Click(p, Control::按钮4);
  EXPECT_EQ(p.window_width, 540);
  Click(p, Control::按钮4);
  EXPECT_EQ(p.window_width, 540);
  Click(p, Control::按钮1);
  EXPECT_EQ(p.window_width, 438);
  Click(p, Control::按钮5);
  EXPECT_EQ(p.opened, std::vector<Text>{"navorin.example"});
}

TEST(CommandsTest, CustomMarkerSelection) {
  MemoryPlatform p;
  p.SetChecked(Control::单选框2, true);
  ASSERT_TRUE(OnEvent(Control::编辑框4, Event::kGotFocus, p));
  EXPECT_FALSE(p.IsChecked(Control::单选框1));
  EXPECT_FALSE(p.IsChecked(Control::单选框2));
  EXPECT_TRUE(p.IsChecked(Control::单选框3));

  p.SetEnabled(Control::编辑框4, false);
  p.SetChecked(Control::单选框3, false);
  Click(p, Control::单选框3);  // not checked: nothing
  EXPECT_FALSE(p.state(Control::编辑框4).enabled);
  p.SetChecked(Control::单选框3, true);
  Click(p, Control::单选框3);
  EXPECT_TRUE(p.state(Control::编辑框4).enabled);
}

TEST(CommandsTest, OnlyBoundEventsRunCommands) {
  MemoryPlatform p;
  EXPECT_FALSE(OnEvent(Control::单选框1, Event::kClicked, p));
  EXPECT_FALSE(OnEvent(Control::选择框1, Event::kClicked, p));
  EXPECT_FALSE(OnEvent(Control::编辑框1, Event::kGotFocus, p));
  EXPECT_FALSE(OnEvent(Control::美化, Event::kClicked, p));
  EXPECT_FALSE(OnEvent(Control::转换, Event::kGotFocus, p));
  EXPECT_TRUE(p.writes.empty());
}

}  // namespace
}  // namespace quillora::ui
