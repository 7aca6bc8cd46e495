// Pendrel: opens its window and runs the lesson.
#include "pendrel/Info.h"
#include "shell/Windowed.h"

int main() { shell::RunWindowed(pendrel::Info().title, pendrel::MakeProgram); }
