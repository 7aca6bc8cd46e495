// Osvatine: opens its window and runs the lesson.
#include "osvatine/Info.h"
#include "shell/Windowed.h"

int main() { shell::RunWindowed(osvatine::Info().title, osvatine::MakeProgram); }
