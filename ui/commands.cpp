#include "ui/commands.h"

#include <new>

#include "quillora/classical.h"
#include "quillora/decorate.h"
#include "quillora/slanted.h"

namespace quillora::ui {

namespace {

using platform::Platform;

// Generators write 编辑框2 once, with the whole result. No result, or no memory to build one,
// leaves it as it was.
template <class Make>
void Generate(Platform& p, Make make) {
  MaybeText result;
  try {
    result = make();
  } catch (const std::bad_alloc&) {
    return;
  }
  if (result) p.WriteText(Control::编辑框2, *result);
}

void Classical(Platform& p) {
  const Text input = p.ReadText(Control::编辑框1);
  const Text per_column = p.ReadText(Control::编辑框3);
  const ClassicalOptions options{p.IsChecked(Control::选择框3), p.IsChecked(Control::选择框1),
                                 p.IsChecked(Control::选择框2)};
  Generate(p, [&] { return ClassicalLayout(input, per_column, options); });
}

void Slanted(Platform& p) {
  const Text input = p.ReadText(Control::编辑框1);
  Generate(p, [&] { return SlantedText(input); });
}

void Decorate(Platform& p) {
  const Text source = p.ReadText(Control::编辑框2);
  Text marker;
  if (p.IsChecked(Control::单选框1)) {
    marker = kArrowMarker;
  } else if (p.IsChecked(Control::单选框2)) {
    marker = kCurrencyMarker;
  } else if (p.IsChecked(Control::单选框3)) {
    marker = p.ReadText(Control::编辑框4);
  } else {
    return;
  }
  if (IsEmpty(marker)) return;
  Generate(p, [&] { return DecorateText(source, marker); });
}

void SelectCustomMarker(Platform& p) {
  p.SetChecked(Control::单选框2, false);
  p.SetChecked(Control::单选框1, false);
  p.SetChecked(Control::单选框3, true);
}

void EnableCustomMarker(Platform& p) {
  if (p.IsChecked(Control::单选框3)) p.SetEnabled(Control::编辑框4, true);
}

}  // namespace

void RunCommand(Command command, Platform& p) {
  switch (command) {
    case Command::kNone:
      return;
    case Command::kClassical:
      return Classical(p);
    case Command::kSlanted:
      return Slanted(p);
    case Command::kDecorate:
      return Decorate(p);
    case Command::kPaste:
      return p.WriteText(Control::编辑框1, p.ReadClipboard());
    case Command::kCopy:
      p.WriteClipboard(p.ReadText(Control::编辑框2));
      return;
    case Command::kWiden:
      return p.SetWindowWidth(kWideWidth);
    case Command::kNarrow:
      return p.SetWindowWidth(kNarrowWidth);
    case Command::kOpenSite:
      return p.OpenAddress(kMakerAddress);
    case Command::kSelectCustomMarker:
      return SelectCustomMarker(p);
    case Command::kEnableCustomMarker:
      return EnableCustomMarker(p);
  }
}

bool OnEvent(Control control, Event event, Platform& p) {
  const ControlSpec& entry = Entry(control);
  if (event == Event::kNone || entry.event != event) return false;
  RunCommand(entry.command, p);
  return true;
}

}  // namespace quillora::ui
