// The sign routines on number texts: change, drop a plus, drop either sign.
#include <gtest/gtest.h>

#include "geometry/Plane.h"
#include "platform/Strings.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct SignCase {
  const char* in;
  const char *flipped, *noPlus, *noSign;
};

TEST(SignRoutines, OnlyTheOneByteLeadingSignCounts) {
  const SignCase cases[] = {
      {"", "", "", ""},
      {"-3", "+3", "-3", "3"},
      {"+3", "-3", "3", "3"},
      {"3", "-3", "3", "3"},
      {" 3", "- 3", " 3", " 3"},
      {"-", "+", "-", ""},
      {"+", "-", "", ""},
      {"-２", "+２", "-２", "２"},
      {"－3", "-－3", "－3", "－3"},
      {"-ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ1/2ﾀ"},
  };
  struct Routine {
    void (*run)(shell::Program&);
    const char* SignCase::*want;
  } routines[] = {{geometry::FlipSign, &SignCase::flipped},
                  {geometry::DropPlusSign, &SignCase::noPlus},
                  {geometry::DropSign, &SignCase::noSign}};
  for (const SignCase& k : cases) {
    for (const Routine& r : routines) {
      SCOPED_TRACE(k.in);
      TestRun run;
      run.v.A_s = k.in;
      r.run(run.P);
      EXPECT_EQ(run.v.A_s, k.*r.want);
      EXPECT_EQ(run.v.LE, platform::kLen(k.in));
    }
  }
}

}  // namespace
}  // namespace geometry_test
