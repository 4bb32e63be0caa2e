// What the window's events do: the generator wirings and the small commands, all through the
// platform's operations.
#pragma once

#include "platform/platform.h"
#include "ui/control-table.h"

namespace quillora::ui {

// Runs the command bound to this event of this control, if any; true when one ran.
bool OnEvent(Control control, Event event, platform::Platform& p);

void RunCommand(Command command, platform::Platform& p);

}  // namespace quillora::ui
