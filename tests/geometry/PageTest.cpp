// One page of the toolkit's figures (plane with values, graphs, a point, slope arrows, an
// arrow, a brace, a column calculation, a root and a factor ladder) rendered to a PNG to look at.
#include <gtest/gtest.h>

#include <string>

#include "geometry/Numbers.h"
#include "geometry/Plane.h"
#include "mathtext/MathText.h"
#include "platform/Render.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void Plane(TestRun& run) {
  auto& v = run.v;
  v.GGX = 560, v.GGY = 90, v.SIZE = 30;
  v.BAIX = 2, v.AA1 = -16, v.AA2 = 16, v.BB1 = -6, v.BB2 = 6;
  v.CCC2 = 1, v.NASI = -1;
  geometry::DrawCoordinatePlane(run.P);
  geometry::NumberAxisTicks(run.P);
}

void Graph(TestRun& run, float kind, float aa, float bb, float cc, int colour, const std::string& label) {
  auto& v = run.v;
  v.BAIX = 2, v.BAIY = 1;
  v.AA1 = -16, v.AA2 = 16, v.BB1 = -6, v.BB2 = 6;
  v.IROIRO = kind, v.AA = aa, v.BB = bb, v.CC = cc;
  v.CCC3 = static_cast<float>(colour);
  v.AAA_s = label;
  geometry::PlotGraph(run.P);
}

void Text(TestRun& run, const std::string& text, float x, float y) {
  run.v.X = x, run.v.Y = y, run.v.AA_s = text, run.v.CCC1 = 0;
  mathtext::RenderMathText(run.P);
}

TEST(GeometryPage, RendersToPng) {
  TestRun run;
  auto& v = run.v;
  run.pf.cls();
  run.pf.setDrawWidth(3);
  Plane(run);
  v.KASANARIX = 8;
  Graph(run, 2, 0.125f, 0, 0, 2, "y=ﾀ1/8ﾀx^2");
  v.KASANARIX = 12, v.KASANARIY = 20;
  Graph(run, 3, 0.5f, -2, 0, 5, "y=ﾀ1/2ﾀx-2");
  Graph(run, 4, 1, 0, -12, 6, "x=-12");
  Graph(run, 1, -16, 0, 0, 1, "");
  v.BAIX = 2, v.BAIY = 1, v.XG = -6, v.YG = 2, v.R = 6, v.CCC3 = 4, v.AAA_s = "A";
  geometry::PlotPoint(run.P);
  // Slope triangle on y = x/2 - 2 between x = 4 and x = 12 (page points exchanged).
  v.GX3 = v.GX0 + 180, v.GY3 = v.GY0 - 120, v.GX4 = v.GX0 + 60, v.GY4 = v.GY0;
  v.HYOUJI_s = "yy";
  geometry::IncrementArrows(run.P);

  run.pf.setDrawWidth(3);
  v.ZX0 = 80, v.ZY0 = 560, v.ZX = 420, v.ZY = 560, v.NAGASA = 20, v.CCC2 = 1, v.MUKI = 0, v.YA = 2;
  geometry::DrawArrow(run.P);
  v.ZX0 = 80, v.ZY0 = 620, v.ZX = 300, v.ZY = 700, v.NAGASA = 20, v.CCC2 = 5, v.MUKI = -1;
  geometry::DrawArrow(run.P);

  v.X = 60, v.Y = 90, v.HABA = 150, v.CCC1 = 0;
  geometry::DrawBrace(run.P);
  Text(run, "2x+y=5", 110, 110);
  Text(run, "x-y=1", 110, 180);

  v.X = 80, v.Y = 300, v.A1_s = "125", v.A2_s = "5", v.ENZAN_s = "*", v.TAKASA = 50, v.CCC1 = 0, v.CCC2 = 0;
  geometry::ColumnOperation(run.P);

  v.R1B = 72;
  geometry::SimplifySquareRoot(run.P);
  Text(run, v.RABM_s + v.RAB_s, 80, 440);

  v.SOSU = 60;
  geometry::FactorIntoPrimes(run.P);
  v.XTAKE = 1260, v.YTAKE = 100, v.NASI = 0;
  geometry::ShowFactorLadder(run.P);

  std::string png = std::string(LESSONS_BIN_DIR) + "/../geometry-page.png";
  ASSERT_TRUE(platform::writePng(run.pf.page(), png));
  EXPECT_EQ(run.pf.drawWidth(), 3);
}

}  // namespace
}  // namespace geometry_test
