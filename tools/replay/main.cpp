// replay: runs a lesson program on a key script with no window (see Replay.h).
#include "Replay.h"

int main(int argc, char** argv) { return replay::Main(argc, argv); }
