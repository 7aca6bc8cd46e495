// Lunevar: opens its window and runs the lesson.
#include "lunevar/Info.h"
#include "shell/Windowed.h"

int main() { shell::RunWindowed(lunevar::Info().title, lunevar::MakeProgram); }
