#include "link/receipt_formatters.h"

#include <string>

#include "link/command_codes.h"
#include "link/money.h"
#include "link/params.h"

namespace tesmar::link {

const ReplyRecord& AddArticleLine(Driver& d, std::string_view pwd, std::string_view line) {
  std::string p(pwd);
  p += ';';
  p += line;
  return d.ExecuteCommand(cmd::kAddArticle, p);
}

const ReplyRecord& CardPayment(Driver& d, std::string_view pwd, int paymentType, int64_t kopecks,
                               std::string_view transaction) {
  return d.ExecuteCommand(
      cmd::kCardPayment,
      Params(pwd).Add(paymentType).Add(FormatKopecks(kopecks)).Add(transaction).Str());
}

}  // namespace tesmar::link
