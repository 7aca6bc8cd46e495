// Figures laid out on an invisible grid (see FigureFrame.h).
#include "kit/FigureFrame.h"

#include "kit/Figures.h"

namespace kit {

void FigureFrame(Program& P, float left, float top, float columns, float rows, float size) {
  GridPaper(P, left, top, columns, rows, 15, size);
}

void CentreAndRadius(Program& P, int centre, float gx, float gy, float cells) {
  GridPoint(P, centre, gx, gy);
  P.v.R1 = cells * P.v.SIZE;
}

}  // namespace kit
