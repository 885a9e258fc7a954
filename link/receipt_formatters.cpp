#include "receipt_formatters.h"

#include <string>

#include "command_codes.h"
#include "params.h"

namespace tesmar::link {

const ReplyRecord& AddArticleLine(Driver& d, std::string_view pwd, std::string_view line) {
  std::string p(pwd);
  p += ';';
  p += line;
  return d.ExecuteCommand(cmd::kAddArticle, p);
}

const ReplyRecord& CardPayment(Driver& d, std::string_view pwd, int paymentType,
                               std::string_view amount, std::string_view transaction) {
  return d.ExecuteCommand(cmd::kCardPayment,
                          Params(pwd).Add(paymentType).Add(amount).Add(transaction).Str());
}

}  // namespace tesmar::link
