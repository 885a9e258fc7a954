#include "link/reply_record.h"

#include <algorithm>
#include <cstring>

namespace tesmar::link {

void ReplyRecord::SetFields(std::string_view data) {
  if (data.empty()) {
    fieldCount = 0;  // the old field texts stay readable, as callers expect
    return;
  }
  const size_t n = std::min(data.size(), fieldText_.size() - 1);
  std::copy_n(data.data(), n, fieldText_.data());
  fieldText_[n] = 0;
  fieldOffset_.fill(0);
  fieldLength_.fill(0);

  size_t end = n;
  if (fieldText_[end - 1] == ';') --end;  // one trailing ';' ends the last field

  int count = 1;
  size_t start = 0;
  for (size_t i = 0; i < end; ++i) {
    // A ';' only splits when a character follows it, and the 20th field
    // keeps whatever remains.
    if (fieldText_[i] != ';' || i + 1 >= end || count == kMaxFields) continue;
    fieldOffset_[count - 1] = static_cast<uint16_t>(start);
    fieldLength_[count - 1] = static_cast<uint16_t>(i - start);
    start = i + 1;
    ++count;
  }
  fieldOffset_[count - 1] = static_cast<uint16_t>(start);
  fieldLength_[count - 1] = static_cast<uint16_t>(end - start);
  fieldCount = count;
}

}  // namespace tesmar::link
