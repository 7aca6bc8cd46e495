// The drawing log's form: one JSON object a line for each operation, as the replay tool writes
// it and other tools read it.
#pragma once
#include <string>

#include "platform/Page.h"

namespace platform {

// Appends the operation's JSON object (without the line break) to out.
void appendOpJson(std::string& out, const Op& op);
// The operation's JSON object on its own.
std::string opToJson(const Op& op);

}  // namespace platform
