// Osvatine: opens its window and runs the lesson.
#include "osvatine/Info.h"
#include "platform/Window.h"

int main() {
  try {
    auto info = osvatine::Info();
    platform::WindowDevice window(info.title);
    platform::Platform pf(window);
    auto program = osvatine::MakeProgram(pf);
    return shell::RunProgram(*program);
  } catch (const platform::ProgramExit& x) {
    return x.status;
  }
}
