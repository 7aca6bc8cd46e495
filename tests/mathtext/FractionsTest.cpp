// Markup stripping and the fraction library: reduced results and their texts, gcd and lcm,
// and the stages of adding two fractions.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "mathtext/Fractions.h"
#include "mathtext/MathText.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

TEST(StripMarkup, DeletesTheFourMarks) {
  const std::pair<const char*, const char*> cases[] = {
      {"-ﾀ3/4ﾀ", "-3/4"}, {"x^2", "x2"}, {"ﾀ1/2ﾀ=ﾀ2/4ﾀ", "1/22/4"}, {"!2ﾝ", "!2"},
      {"", ""}, {"abc", "abc"}, {"^^==", ""}, {"ﾀﾀ1", "1"},
      // Double-byte characters stay whole, whatever their second byte.
      {"タ^2", "タ2"}, {"表=ぢ", "表ぢ"}, {"み／ﾝ", "み／"},
  };
  for (const auto& [in, out] : cases) {
    TestRun run;
    run.v.A_s = in;
    mathtext::StripMarkup(run.P);
    EXPECT_EQ(run.v.A_s, out) << in;
  }
}

struct Reduced {
  float ds, db;
  float yak, yak1, dsOut, dbOut;
  const char *a1, *a2, *a21, *a3, *a31, *tkai1, *tkai2;
};

TEST(ReduceFraction, ResultsAndTexts) {
  const Reduced cases[] = {
      {2, 4, 2, 1, 1, 2, "ﾀ2/4ﾀ", "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "ﾀ2/4ﾀ=ﾀ1/2ﾀ", "+ﾀ2/4ﾀ=+ﾀ1/2ﾀ", "1/2", "+1/2"},
      {12, 18, 2, 1, 2, 3, "ﾀ12/18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ", "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
      {3, 5, 3, 1, 3, 5, "ﾀ3/5ﾀ", "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "3/5", "+3/5"},
      {-3, 5, 2, -1, -3, 5, "ﾀ-3/5ﾀ", "-ﾀ3/5ﾀ", "-ﾀ3/5ﾀ", "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ", "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ", "-3/5", "-3/5"},
      {3, -5, 2, -1, -3, 5, "ﾀ3/-5ﾀ", "-ﾀ3/5ﾀ", "-ﾀ3/5ﾀ", "ﾀ3/-5ﾀ=-ﾀ3/5ﾀ", "ﾀ3/-5ﾀ=-ﾀ3/5ﾀ", "-3/5", "-3/5"},
      {-3, -5, 2, 1, 3, 5, "ﾀ-3/-5ﾀ", "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "ﾀ-3/-5ﾀ=ﾀ3/5ﾀ", "+ﾀ-3/-5ﾀ=+ﾀ3/5ﾀ", "3/5", "+3/5"},
      {6, 3, 1, 1, 2, 1, "ﾀ6/3ﾀ", "2", "+2", "ﾀ6/3ﾀ=2", "+ﾀ6/3ﾀ=+2", "2", "+2"},
      {-6, 3, 1, -1, -2, 1, "ﾀ-6/3ﾀ", "-2", "-2", "ﾀ-6/3ﾀ=-2", "ﾀ-6/3ﾀ=-2", "-2", "-2"},
      {7, 7, 1, 1, 1, 1, "ﾀ7/7ﾀ", "1", "+1", "ﾀ7/7ﾀ=1", "+ﾀ7/7ﾀ=+1", "1", "+1"},
      {5, 1, 1, 1, 5, 1, "ﾀ5/1ﾀ", "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5"},
      {5, -1, 1, -1, -5, 1, "ﾀ5/-1ﾀ", "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
      {0, 7, 1, 1, 0, 1, "ﾀ0/7ﾀ", "0", "+0", "ﾀ0/7ﾀ=0", "+ﾀ0/7ﾀ=+0", "0", "+0"},
      {0, -7, 1, 1, 0, 1, "ﾀ0/-7ﾀ", "0", "+0", "ﾀ0/-7ﾀ=0", "+ﾀ0/-7ﾀ=+0", "0", "+0"},
      // A zero denominator keeps the earlier results (here "old" and "+old").
      {5, 0, 0, 1, 5, 0, "ﾀ5/0ﾀ", "old", "+old", "ﾀ5/0ﾀ=old", "+ﾀ5/0ﾀ=+old", "old", "+old"},
  };
  for (const Reduced& c : cases) {
    SCOPED_TRACE(std::to_string(c.ds) + "/" + std::to_string(c.db));
    TestRun run;
    run.v.DS = c.ds;
    run.v.DB = c.db;
    run.v.A2_s = "old";
    run.v.A21_s = "+old";
    mathtext::ReduceFraction(run.P);
    EXPECT_EQ(run.v.YAK, c.yak);
    EXPECT_EQ(run.v.YAK1, c.yak1);
    EXPECT_EQ(run.v.DS, c.dsOut);
    EXPECT_EQ(run.v.DB, c.dbOut);
    EXPECT_EQ(run.v.A1_s, c.a1);
    EXPECT_EQ(run.v.A2_s, c.a2);
    EXPECT_EQ(run.v.A21_s, c.a21);
    EXPECT_EQ(run.v.A3_s, c.a3);
    EXPECT_EQ(run.v.A31_s, c.a31);
    EXPECT_EQ(run.v.TKAI1_s, c.tkai1);
    EXPECT_EQ(run.v.TKAI2_s, c.tkai2);
    EXPECT_EQ(run.v.A_s, c.tkai2);
  }
}

TEST(ReduceFraction, GcdAndLcmOnlyWhenReduced) {
  TestRun run;
  run.v.X3 = 99;
  run.v.X4 = 98;
  run.v.DS = 5;
  run.v.DB = 1;
  mathtext::ReduceFraction(run.P);
  EXPECT_EQ(run.v.X3, 99);
  EXPECT_EQ(run.v.X4, 98);
  const float cases[][4] = {{2, 4, 2, 4}, {12, 18, 6, 36}, {5, -1, 1, 5}, {0, 7, 7, 0}};
  for (const auto& c : cases) {
    run.v.DS = c[0];
    run.v.DB = c[1];
    mathtext::ReduceFraction(run.P);
    EXPECT_EQ(run.v.X3, c[2]) << c[0] << "/" << c[1];
    EXPECT_EQ(run.v.X4, c[3]) << c[0] << "/" << c[1];
  }
}

TEST(GcdLcm, EuclidsSteps) {
  const float cases[][4] = {{12, 18, 6, 36}, {0, 7, 7, 0}, {7, 1, 1, 7}, {18, 12, 6, 36}};
  for (const auto& c : cases) {
    TestRun run;
    run.v.DS = c[0];
    run.v.DB = c[1];
    mathtext::GcdLcm(run.P);
    EXPECT_EQ(run.v.X3, c[2]) << c[0] << "," << c[1];
    EXPECT_EQ(run.v.X4, c[3]) << c[0] << "," << c[1];
    EXPECT_EQ(run.v.LB8, c[0] * c[1]);
  }
}

TEST(FloorRemainder, FloorsTowardsMinusInfinity) {
  TestRun run;
  EXPECT_EQ(mathtext::FloorRemainder(run.P, 7, 3), 1);
  EXPECT_EQ(mathtext::FloorRemainder(run.P, -7, 3), 2);
  EXPECT_EQ(mathtext::FloorRemainder(run.P, 6, 3), 0);
  EXPECT_THROW(mathtext::FloorRemainder(run.P, 6, 0), platform::RuntimeError);
}

struct Sum {
  float dsm1, dbm1, dsm2, dbm2;
  float db, ds1, ds2, ds4;
  const char *a1, *a11, *a2, *a21, *a3, *a4, *a41, *a5, *b3, *b4;
};

TEST(AddFractions, StagesOfTheSum) {
  const Sum cases[] = {
      {1, 2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ",
       "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {-1, 2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ",
       "-ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {1, -2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ",
       "-ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {3, 4, -5, 6, 12, 9, -10, -1, "ﾀ9/12ﾀ", "+ﾀ9/12ﾀ", "-ﾀ10/12ﾀ", "-ﾀ10/12ﾀ", "ﾀ9-10/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ",
       "ﾀ9/12ﾀ-ﾀ10/12ﾀ", "ﾀ9/12ﾀ", "ﾀ10/12ﾀ"},
      {1, 6, 1, 6, 6, 1, 1, 2, "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ1+1/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ1/6ﾀ+ﾀ1/6ﾀ",
       "ﾀ1/6ﾀ", "ﾀ1/6ﾀ"},
      {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6+1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ",
       "ﾀ6/3ﾀ", "ﾀ1/3ﾀ"},
      {2, 1, 3, 1, 1, 2, 3, 5, "ﾀ2/1ﾀ", "+ﾀ2/1ﾀ", "ﾀ3/1ﾀ", "+ﾀ3/1ﾀ", "ﾀ2+3/1ﾀ", "ﾀ5/1ﾀ", "+ﾀ5/1ﾀ", "ﾀ2/1ﾀ+ﾀ3/1ﾀ",
       "ﾀ2/1ﾀ", "ﾀ3/1ﾀ"},
      {1, 2, -1, 2, 2, 1, -1, 0, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ1-1/2ﾀ", "-ﾀ0/2ﾀ", "-ﾀ0/2ﾀ",
       "ﾀ1/2ﾀ-ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ"},
      // A negative denominator gives its sign to the numerator, whatever the numerator's sign.
      {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ",
       "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {1, 2, 1, -1, 2, 1, -2, -1, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ2/2ﾀ", "-ﾀ2/2ﾀ", "ﾀ1-2/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ",
       "ﾀ1/2ﾀ-ﾀ2/2ﾀ", "ﾀ1/2ﾀ", "ﾀ2/2ﾀ"},
      // A zero first numerator takes the "-" form of the first fraction, in A5$ as well.
      {0, 2, 1, 3, 6, 0, 2, 2, "-ﾀ0/6ﾀ", "-ﾀ0/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ0+2/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ",
       "-ﾀ0/6ﾀ+ﾀ2/6ﾀ", "ﾀ0/6ﾀ", "ﾀ2/6ﾀ"},
  };
  for (const Sum& c : cases) {
    SCOPED_TRACE(std::to_string(c.dsm1) + "/" + std::to_string(c.dbm1) + " + " + std::to_string(c.dsm2) + "/" +
                 std::to_string(c.dbm2));
    TestRun run;
    run.v.DSM1 = c.dsm1;
    run.v.DBM1 = c.dbm1;
    run.v.DSM2 = c.dsm2;
    run.v.DBM2 = c.dbm2;
    mathtext::AddFractions(run.P);
    EXPECT_EQ(run.v.DB, c.db);
    EXPECT_EQ(run.v.DS1, c.ds1);
    EXPECT_EQ(run.v.DS2, c.ds2);
    EXPECT_EQ(run.v.DS4, c.ds4);
    EXPECT_EQ(run.v.A1_s, c.a1);
    EXPECT_EQ(run.v.A11_s, c.a11);
    EXPECT_EQ(run.v.A2_s, c.a2);
    EXPECT_EQ(run.v.A21_s, c.a21);
    EXPECT_EQ(run.v.A3_s, c.a3);
    EXPECT_EQ(run.v.A4_s, c.a4);
    EXPECT_EQ(run.v.A41_s, c.a41);
    EXPECT_EQ(run.v.A5_s, c.a5);
    EXPECT_EQ(run.v.B3_s, c.b3);
    EXPECT_EQ(run.v.B4_s, c.b4);
    EXPECT_EQ(run.v.A_s, run.v.DS4_s);
  }
}

TEST(AddFractions, SignStepRewritesTheInputs) {
  TestRun run;
  run.v.DSM1 = 1;
  run.v.DBM1 = -2;
  run.v.DSM2 = 1;
  run.v.DBM2 = 3;
  mathtext::AddFractions(run.P);
  EXPECT_EQ(run.v.DSM1, -1);
  EXPECT_EQ(run.v.DBM1, 2);
  EXPECT_EQ(run.v.DS3_s, "3");
  EXPECT_EQ(run.v.DS1_s, "-3");
  EXPECT_EQ(run.v.DS2_s, "+2");
}

TEST(AddFractions, ZeroDenominatorIsADivisionByZero) {
  const float cases[][4] = {{1, 0, 1, 3}, {1, 2, 1, 0}, {0, 0, 0, 1}};
  for (const auto& c : cases) {
    TestRun run;
    run.v.DSM1 = c[0];
    run.v.DBM1 = c[1];
    run.v.DSM2 = c[2];
    run.v.DBM2 = c[3];
    try {
      mathtext::AddFractions(run.P);
      ADD_FAILURE() << "no error for " << c[1] << " and " << c[3];
    } catch (const platform::RuntimeError& e) {
      EXPECT_EQ(e.code, platform::DivisionByZero);
      EXPECT_EQ(run.P.line, 69);
    }
  }
}

TEST(FractionLibrary, OverflowIsARuntimeError) {
  TestRun run;
  run.v.DS = 3e38f;
  run.v.DB = 3e38f;
  EXPECT_THROW(mathtext::ReduceFraction(run.P), platform::RuntimeError);
  EXPECT_EQ(run.P.line, 30);
}

}  // namespace
}  // namespace mathtext_test
