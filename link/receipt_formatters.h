// Formatters of the fiscal receipt window that the shared list lacks: an
// article programmed from a line of the article file, and the card payment.
#pragma once

#include <cstdint>
#include <string_view>

#include "link/driver.h"

namespace tesmar::link {

// 24h: the password, ";" and the article line as it stands (its own fields
// and separators: code;name;price;tax group;department;).
const ReplyRecord& AddArticleLine(Driver& d, std::string_view pwd, std::string_view line);

// 78h: password;type;amount;transaction; with the amount in kopecks
// written with two decimals (the sum the terminal charged) and the bank
// terminal's transaction identifier.
const ReplyRecord& CardPayment(Driver& d, std::string_view pwd, int paymentType, int64_t kopecks,
                               std::string_view transaction);

}  // namespace tesmar::link
