// Lunevar: opens its window and runs the lesson.
#include "lunevar/Info.h"
#include "platform/Window.h"

int main() {
  try {
    auto info = lunevar::Info();
    platform::WindowDevice window(info.title);
    platform::Platform pf(window);
    auto program = lunevar::MakeProgram(pf);
    return shell::RunProgram(*program);
  } catch (const platform::ProgramExit& x) {
    return x.status;
  }
}
