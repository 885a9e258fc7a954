#include "transfer_util.h"

#include "atomic_file.h"

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

TransferOutcome Finish(const std::string& file, const std::string& bytes, bool ok,
                       std::string message) {
  std::string error;
  if (!link::WriteFileAtomically(file, bytes, &error))
    return {false, "Ошибка записи файла: " + error, bytes.size()};
  return {ok, std::move(message), bytes.size()};
}

}  // namespace tesmar::service::detail
