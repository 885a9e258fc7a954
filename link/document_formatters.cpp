#include "document_formatters.h"

#include <string>

#include "command_codes.h"

namespace tesmar::link {

const ReplyRecord& AddArticleLine(Driver& d, Text pwd, Text line) {
  std::string params(pwd);
  params += ';';
  params.append(line);
  return d.ExecuteCommand(cmd::kAddArticle, params);
}

const ReplyRecord& OpenCashDrawer(Driver& d, Text pwd) {
  return d.ExecuteCommand(cmd::kOpenCashDrawer, Params(pwd).Str());
}

const ReplyRecord& OpenSecondCashDrawer(Driver& d, Text pwd, Text switchOnTime, Text delay) {
  return d.ExecuteCommand(cmd::kOpenSecondCashDrawer,
                          Params(pwd).Add(switchOnTime).Add(delay).Str());
}

}  // namespace tesmar::link
