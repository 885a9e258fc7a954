#include "link/service_formatters.h"

#include "link/command_codes.h"
#include "link/params.h"

namespace tesmar::link {

const ReplyRecord& FinishLogo(Driver& d, std::string_view pwd, int width, int height) {
  return d.ExecuteCommand(cmd::kFinishLogo, Params(pwd).Add(width).Add(height).Str());
}

const ReplyRecord& ClearFlash(Driver& d, std::string_view pwd) {
  return d.ExecuteCommand(cmd::kClearFlash, Params(pwd).Str());
}

const ReplyRecord& ReadFlash(Driver& d, std::string_view pwd, uint64_t address) {
  return d.ExecuteCommand(cmd::kReadFlash, Params(pwd).Add(address).Str());
}

const ReplyRecord& WriteFlash(Driver& d, std::string_view pwd, uint64_t address,
                              std::string_view hex, int& result) {
  const size_t count = hex.size() / 2;
  if (hex.size() % 2 || count < 1 || count > kFlashChunkBytes) {
    result = refusal::kFlashChunkSize;
    return d.Record();
  }
  result = 0;
  return d.ExecuteCommand(cmd::kWriteFlash, Params(pwd).Add(address).Add(count).Add(hex).Str());
}

}  // namespace tesmar::link
