#include "service/core/transfer_util.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "link/driver.h"
#include "link/outcome.h"

namespace tesmar::service::detail {

std::optional<long long> WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

TransferOutcome FinishRead(PartFile& file, bool whole, const std::string& message) {
  if (whole) {
    std::string error;
    if (file.Commit(error)) return {true, message, file.Size()};
    return {false, error + "\n" + file.Keep(), file.Size()};
  }
  const std::string kept = file.Keep();
  return {false, message.empty() ? kept : message + "\n" + kept, file.Size()};
}

bool ReadFileStart(const std::string& path, uint64_t count, std::string& out,
                   std::string& message) {
  out.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    message = Tesmar::mark("Ошибка открытия файла: ") + path + ": " + std::strerror(errno);
    return false;
  }
  char block[1 << 16];
  while (out.size() < count) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(sizeof block, count - out.size()));
    const size_t n = std::fread(block, 1, want, f);
    out.append(block, n);
    if (n < want) break;
  }
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) message = Tesmar::mark("Ошибка чтения файла: ") + path + ": " + std::strerror(err);
  return !failed;
}

const link::ReplyRecord* SendWithRepeats(TransferHost& host, const Command& c, int retries) {
  const link::ReplyRecord* r = host.Send(c);
  for (int i = 0; r && i < retries && link::OutcomeOf(*r).lineFailure(); ++i)
    r = host.Send([](link::Driver& d) -> const link::ReplyRecord& {
      const link::ReplyRecord* again = d.RepeatPreviousCommand(false);
      return again ? *again : d.Record();
    });
  return r;
}

}  // namespace tesmar::service::detail
