// The floor the programs' first frame is measured against: the least a program loading the same
// libraries does to show a page, a maximised window filled with the page colour, then waits.
#include <SDL.h>

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* w = SDL_CreateWindow("floor", 0, 0, 1440, 900, SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  SDL_Surface* s = w ? SDL_GetWindowSurface(w) : nullptr;
  if (!s) return 1;
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 255, 255, 255));
  SDL_UpdateWindowSurface(w);
  SDL_Event e;
  while (SDL_WaitEvent(&e) && e.type != SDL_QUIT) {
  }
  return 0;
}
