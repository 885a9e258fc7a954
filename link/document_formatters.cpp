#include "link/document_formatters.h"

#include "link/command_codes.h"

namespace tesmar::link {

const ReplyRecord& OpenCashDrawer(Driver& d, Text pwd) {
  return d.ExecuteCommand(cmd::kOpenCashDrawer, Params(pwd).Str());
}

const ReplyRecord& OpenSecondCashDrawer(Driver& d, Text pwd, Text switchOnTime, Text delay) {
  return d.ExecuteCommand(cmd::kOpenSecondCashDrawer,
                          Params(pwd).Add(switchOnTime).Add(delay).Str());
}

}  // namespace tesmar::link
