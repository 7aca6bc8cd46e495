// What the worked-answer screens of both problem sets share: the opening with its caption and
// number boxes, the text column written as the kit's text pieces, and the figure steps that pass
// their points through A, B, C, M, N and N1 to N3 as the answers' own steps do.
#pragma once

#include <span>

#include "kit/Marks.h"
#include "kit/Text.h"
#include "shell/Program.h"

namespace pendrel {

using shell::Program;

// The opening of an answer screen: the caption box ("P176 解答" ...), the number box beside it
// (`numberWidth` across) and where the text column starts.
struct Opening {
  const char* caption;
  const char* number;
  float xi0, xi1, yi1;  // XI0 (question numbers), XI1 (working), YI1 (the boxes' top)
  float numberWidth = 44;
};
// Page cleared, the column set, draw width 5, then the caption box (text 0, outline 3, fill 13,
// 256 x 48) and 10 further on the number box (text 13, outline 4, fill 3, 48 high). Writes X, Y,
// HABA, TATE, CCC1 to CCC3, A$; leaves XI2 = the number box's right edge, YI1 = its top.
void OpenAnswerScreen(Program& P, const Opening& o);
// The same over the figure of the circle about point 0 at grid (ox, 3), radius 3 cells (R1), on
// the unseen grid of `columns` x 6 cells of `size` from (720, top) (kit::FigureFrame,
// kit::CentreAndRadius).
void OpenCirclePage(Program& P, const Opening& o, float top, float columns = 6, float size = 70, float ox = 3);

// The text column is written with the kit's text pieces: the question numbers stand at XI0, the
// working at XI1, and indented lines 48 right of it (AtMargin's indent).
using kit::AtMargin, kit::AtNumbers, kit::DrawTextPieces, kit::DrawWidthPiece, kit::FigurePiece, kit::kKeyWait,
    kit::SameLine, kit::TextPiece;

// A figure's letters (kit::Letter rows), drawn in colour 0 by kit::DrawLetters.
using kit::DrawLetters;
using kit::Letter;

}  // namespace pendrel
