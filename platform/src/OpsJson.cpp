// Writes drawing operations as JSON objects: numbers as the shortest text that reads back as the
// same float (0.1f is "0.1", 816 is "816"), strings escaped, fill null when not filled.
#include "platform/OpsJson.h"

#include <charconv>
#include <cstdio>

namespace platform {

namespace {

class Json {
 public:
  explicit Json(std::string& out) : out_(out) {}

  Json& raw(const char* s) { out_ += s; return *this; }
  Json& num(float v) {
    char b[32];
    auto r = std::to_chars(b, b + sizeof b, v);
    out_.append(b, r.ptr);
    return *this;
  }
  Json& integer(int v) {
    char b[16];
    auto r = std::to_chars(b, b + sizeof b, v);
    out_.append(b, r.ptr);
    return *this;
  }
  Json& str(const std::string& s) {
    out_ += '"';
    for (unsigned char c : s) {
      if (c == '"' || c == '\\') {
        out_ += '\\';
        out_ += static_cast<char>(c);
      } else if (c < 0x20) {
        char b[8];
        std::snprintf(b, sizeof b, "\\u%04x", c);
        out_ += b;
      } else {
        out_ += static_cast<char>(c);
      }
    }
    out_ += '"';
    return *this;
  }
  Json& fill(int f) { return f == kNoFill ? raw("null") : integer(f); }
  Json& boolean(bool b) { return raw(b ? "true" : "false"); }

 private:
  std::string& out_;
};

}  // namespace

void appendOpJson(std::string& out, const Op& op) {
  Json o(out);
  switch (op.kind) {
    case OpKind::Text:
      o.raw("{\"op\":\"text\",\"text\":").str(op.text);
      o.raw(",\"x\":").num(op.x1).raw(",\"y\":").num(op.y1);
      o.raw(",\"h\":").num(op.h).raw(",\"v\":").num(op.v);
      o.raw(",\"colour\":").integer(op.colour).raw(",\"face\":").str(op.font.face);
      o.raw(",\"size\":").num(op.font.size);
      o.raw(",\"bold\":").boolean(op.font.bold).raw(",\"italic\":").boolean(op.font.italic).raw("}");
      break;
    case OpKind::Line:
      o.raw("{\"op\":\"line\",\"x1\":").num(op.x1).raw(",\"y1\":").num(op.y1);
      o.raw(",\"x2\":").num(op.x2).raw(",\"y2\":").num(op.y2);
      o.raw(",\"colour\":").integer(op.colour).raw(",\"width\":").integer(op.width).raw("}");
      break;
    case OpKind::Box:
      o.raw("{\"op\":\"box\",\"x1\":").num(op.x1).raw(",\"y1\":").num(op.y1);
      o.raw(",\"x2\":").num(op.x2).raw(",\"y2\":").num(op.y2);
      o.raw(",\"colour\":").integer(op.colour).raw(",\"fill\":").fill(op.fill);
      o.raw(",\"width\":").integer(op.width).raw("}");
      break;
    case OpKind::Circle:
      o.raw("{\"op\":\"circle\",\"x\":").num(op.x1).raw(",\"y\":").num(op.y1);
      o.raw(",\"r\":").num(op.r).raw(",\"start\":").num(op.start).raw(",\"end\":").num(op.end);
      o.raw(",\"colour\":").integer(op.colour).raw(",\"fill\":").fill(op.fill);
      o.raw(",\"width\":").integer(op.width).raw("}");
      break;
    case OpKind::Polyline:
      o.raw("{\"op\":\"polyline\",\"points\":[");
      for (size_t i = 0; i < op.points.size(); ++i) {
        if (i) o.raw(",");
        o.raw("[").num(op.points[i].first).raw(",").num(op.points[i].second).raw("]");
      }
      o.raw("],\"colour\":").integer(op.colour).raw(",\"fill\":").fill(op.fill);
      o.raw(",\"width\":").integer(op.width).raw("}");
      break;
    case OpKind::Cls:
      o.raw("{\"op\":\"cls\"}");
      break;
  }
}

std::string opToJson(const Op& op) {
  std::string s;
  appendOpJson(s, op);
  return s;
}

}  // namespace platform
