// Laws of the control table that a typo in it would break.
#include "ui/control-table.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace quillora::ui {
namespace {

std::string Utf8(std::string_view gbk) {
  iconv_t cd = iconv_open("UTF-8", "CP936");
  std::string out(gbk.size() * 2 + 4, '\0');
  char* src = const_cast<char*>(gbk.data());
  char* dst = out.data();
  std::size_t left = gbk.size(), room = out.size();
  iconv(cd, &src, &left, &dst, &room);
  iconv_close(cd);
  out.resize(out.size() - room);
  return out;
}

bool IsTabStopKind(Kind k) {
  return k != Kind::kLabel && k != Kind::kGroupBox && k != Kind::kLinkLabel;
}

TEST(ControlTableTest, OrderNamesAndTabStops) {
  int tab = 0;
  for (int i = 0; i < kControlCount; ++i) {
    const ControlSpec& c = kControls[i];
    EXPECT_EQ(static_cast<int>(c.id), i) << c.name;
    EXPECT_EQ(c.tab != 0, IsTabStopKind(c.kind)) << c.name;
    if (c.tab != 0) {
      EXPECT_EQ(c.tab, ++tab) << c.name << ": tab order is creation order";
    }
  }
  EXPECT_EQ(tab, 17);
}

TEST(ControlTableTest, Captions) {
  const std::pair<Control, const char*> captions[] = {
      {Control::标签1, "要转换文本："}, {Control::标签2, "每列字数："},
      {Control::转换, "古文转换"},      {Control::标签3, "转换后文本："},
      {Control::按钮2, "粘贴到上"},     {Control::按钮3, "复制以上"},
      {Control::选择框1, "去除空格"},   {Control::选择框2, "全角"},
      {Control::按钮4, "选"},           {Control::单选框1, "↑型"},
      {Control::单选框2, "¤型"},        {Control::单选框3, "自定义"},
      {Control::美化, "官网主页"},      {Control::按钮1, "缩"},
      {Control::斜字, "生成斜字"},      {Control::选择框3, "繁体"},
      {Control::按钮5, "Navorin"},      {Control::编辑框3, "5"},
  };
  for (auto [control, text] : captions)
    EXPECT_EQ(Utf8(Entry(control).caption), text) << Entry(control).name;
}

TEST(ControlTableTest, NothingOverlapsAndThePanelIsInItsGroupBox) {
  const ControlSpec& panel = Entry(Control::分组框1);
  for (const ControlSpec& a : kControls) {
    if (a.in_panel) {
      EXPECT_LE(a.left + a.width, panel.width) << a.name;
      EXPECT_LE(a.top + a.height, panel.height) << a.name;
    }
    for (const ControlSpec& b : kControls) {
      if (&a >= &b || a.in_panel != b.in_panel) continue;
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << a.name << " overlaps " << b.name;
    }
  }
}

TEST(ControlTableTest, CentredPosition) {
  EXPECT_EQ(CentredLeft(1024), 292);
  EXPECT_EQ(CentredTop(768), 231);
  EXPECT_EQ(CentredLeft(1025), 292);
}

}  // namespace
}  // namespace quillora::ui
