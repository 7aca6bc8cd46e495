// Pendrel: opens its window and runs the lesson.
#include "pendrel/Info.h"
#include "platform/Window.h"

int main() {
  try {
    auto info = pendrel::Info();
    platform::WindowDevice window(info.title);
    platform::Platform pf(window);
    auto program = pendrel::MakeProgram(pf);
    return shell::RunProgram(*program);
  } catch (const platform::ProgramExit& x) {
    return x.status;
  }
}
