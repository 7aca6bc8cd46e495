// The replay tool's drawing log: one JSON object a line, in the exact form other tools read.
// Numbers are the shortest text of the float; fill is null when not filled.
#include <gtest/gtest.h>

#include "platform/OpsJson.h"
#include "platform/Page.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

TEST(OpsJson, EveryKind) {
  ScriptDevice device;
  Platform pf(device);
  std::vector<std::string> lines;
  pf.page().onOp = [&](const Op& op) { lines.push_back(opToJson(op)); };
  pf.setFontName("ゴシック");
  pf.setFontBold(true);
  pf.setDrawWidth(3);
  pf.text("番", 816, 648, 1, 1, 0);
  pf.line(0, 0.5f, 10, 20, 4);
  pf.fillBox(1, 2, 3, 4, 3, 11);
  pf.box(1, 2, 3, 4, 3);
  pf.circle(100, 200, 0.1f, 5, 0.8056f, 0.5f, kFillLineColour);
  pf.polyline({{1, 2}, {3, 4}, {5, 6}}, 0);
  pf.cls();
  pf.text("\"\\", 1, 2, 2, 3, 13);
  const char* expected[] = {
      R"({"op":"text","text":"番","x":816,"y":648,"h":1,"v":1,"colour":0,"face":"ゴシック","size":16,"bold":true,"italic":false})",
      R"({"op":"line","x1":0,"y1":0.5,"x2":10,"y2":20,"colour":4,"width":3})",
      R"({"op":"box","x1":1,"y1":2,"x2":3,"y2":4,"colour":3,"fill":11,"width":3})",
      R"({"op":"box","x1":1,"y1":2,"x2":3,"y2":4,"colour":3,"fill":null,"width":3})",
      R"({"op":"circle","x":100,"y":200,"r":0.1,"start":0.8056,"end":0.5,"colour":5,"fill":5,"width":3})",
      R"({"op":"polyline","points":[[1,2],[3,4],[5,6]],"colour":0,"fill":null,"width":3})",
      R"({"op":"cls"})",
      R"({"op":"text","text":"\"\\","x":1,"y":2,"h":2,"v":3,"colour":13,"face":"ゴシック","size":16,"bold":true,"italic":false})",
  };
  ASSERT_EQ(lines.size(), std::size(expected));
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]);
}

}  // namespace
}  // namespace platform
