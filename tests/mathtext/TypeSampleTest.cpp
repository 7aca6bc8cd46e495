// A specimen page of the text renderers, written to build/specimens/mathtext.png (and a
// double-size copy) so that anyone can look at how the mathematics is set.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "mathtext/MathText.h"
#include "mathtext/TextBoxes.h"
#include "platform/Render.h"
#include "shell/Prompt.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

// A part of the page enlarged, to look at the glyphs closely.
bool WriteCrop(const platform::Page& page, const std::string& path, float x, float y, float w, float h, float zoom) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(w * zoom), int(h * zoom));
  cairo_t* cr = cairo_create(s);
  cairo_scale(cr, zoom, zoom);
  cairo_translate(cr, -x, -y);
  platform::renderPage(cr, page);
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

void SetBox(TestRun& run, float haba, float tate, float text, float outline, float fill) {
  run.v.HABA = haba;
  run.v.TATE = tate;
  run.v.CCC1 = text;
  run.v.CCC2 = outline;
  run.v.CCC3 = fill;
}

struct Line {
  float x, y;
  const char* text;
};

// Lesson-like lines: every placement row, fractions with each denominator top, roots open
// and closed, the large radical, signs drawn as lines.
const Line kLines[] = {
    {40, 70, "∠APB=ﾀ1/2ﾀ∠AOB  360%*ﾀ2/5ﾀ=144%  3.14*5=15.7"},
    {40, 160, "x^2+ax+c=0  y=ax+c  2l=6cm  a'  (x-c)*(x+c)"},
    {40, 240, "ﾀa/x^2ﾀ ﾀ√3ﾝ/2ﾀ ﾀ1/!3ﾝﾀ ﾀ1/√3ﾝﾀ ﾀ-3+2/6ﾀ ﾀ3/6ﾀ+ﾀ2/6ﾀ=ﾀ5/6ﾀ ﾀ1/2/3ﾀ ﾀax/cﾀ"},
    {40, 340, "!3ﾝ+!12ﾝ=3!3ﾝ  #ﾀ1/2ﾀﾝ=ﾀ!2ﾝ/2ﾀ  AB&CD  7@2  6/3=2  a\\2"},
    {40, 430, "円周のﾀ2/3ﾀの弧  表  ①②③  △ABC∽△DEF  x^ﾀ1/2ﾀ"},
};

TEST(Specimen, WritesThePage) {
  TestRun run;
  run.pf.cls();
  // A prompt line, as the menus and the foot band show them.
  run.v.X = 40;
  run.v.Y = 20;
  run.v.CCC1 = 0;
  run.v.AA_s = " ①操作　②角度表示　番号を入力して下さい。 x^2 1.5 Enter 1/2";
  shell::DrawPromptText(run.P);
  for (const Line& line : kLines) {
    run.v.X = line.x;
    run.v.Y = line.y;
    run.v.CCC1 = 0;
    run.v.AA_s = line.text;
    mathtext::RenderMathText(run.P);
  }
  // Tall brackets around a fraction.
  run.v.KAKKO = 1;
  run.v.X = 40;
  run.v.Y = 520;
  run.v.AA_s = "2(ﾀ1/2ﾀ+3)=7";
  mathtext::RenderMathText(run.P);
  // Boxes: a heading pair, answer boxes on a line, and a two-line box.
  run.pf.setDrawWidth(5);
  run.v.X = 40;
  run.v.Y = 610;
  SetBox(run, 256, 48, 0, 3, 13);
  run.v.A_s = "P177 解答";
  mathtext::DrawTextBox(run.P);
  run.v.X += 10;
  SetBox(run, 44, 48, 13, 4, 3);
  run.v.A_s = "2";
  mathtext::DrawTextBox(run.P);
  run.pf.setDrawWidth(3);
  run.v.X += 20;
  run.v.AA_s = "∠APB=";
  run.v.CCC1 = 0;
  mathtext::RenderMathText(run.P);
  SetBox(run, 110, 50, 2, 2, 15);
  run.v.A_s = "∠OAP";
  mathtext::DrawTextBoxOnLine(run.P);
  run.v.X += 10;
  run.v.HABA = 50;
  run.v.A_s = "①";
  mathtext::DrawTextBoxOnLine(run.P);
  run.v.X += 20;
  run.v.Y = 580;
  SetBox(run, 150, 120, 0, 5, 11);
  run.v.A1_s = "半径";
  run.v.A2_s = "x^2+1";
  mathtext::DrawTwoLineTextBox(run.P);
  // Plain labels and a plain box.
  const char* labels[] = {"A", "(a)", "1.5", "-12", "y", "P1", "角A", "ac"};
  run.v.X = 40;
  for (const char* label : labels) {
    run.v.Y = 760;
    run.v.CCC1 = 0;
    run.v.AA_s = label;
    mathtext::PlainMathText(run.P);
    run.v.X += 30;
  }
  run.v.Y = 750;
  SetBox(run, 120, 40, 0, 5, 11);
  run.v.A_s = "x=-3";
  mathtext::DrawPlainTextBox(run.P);

  const std::filesystem::path dir = std::filesystem::path(LESSONS_BIN_DIR) / ".." / "specimens";
  std::filesystem::create_directories(dir);
  EXPECT_TRUE(platform::writePng(run.pf.page(), (dir / "mathtext.png").string()));
  EXPECT_TRUE(WriteCrop(run.pf.page(), (dir / "mathtext-top.png").string(), 0, 0, 720, 480, 2));
  EXPECT_TRUE(WriteCrop(run.pf.page(), (dir / "mathtext-right.png").string(), 600, 0, 720, 480, 2));
  EXPECT_TRUE(WriteCrop(run.pf.page(), (dir / "mathtext-foot.png").string(), 0, 480, 900, 360, 2));
}

}  // namespace
}  // namespace mathtext_test
