// The message of the ScriptError a call throws ("" when it throws none),
// and whether the statement's line would be logged with it.
#pragma once

#include <functional>
#include <string>

#include "script/values.h"

namespace tesmar::test {

inline std::string ErrorOf(const std::function<void()>& f, bool* logsLine = nullptr) {
  try {
    f();
  } catch (const script::ScriptError& e) {
    if (logsLine) *logsLine = e.logsLine;
    return e.message;
  }
  return "";
}

}  // namespace tesmar::test
