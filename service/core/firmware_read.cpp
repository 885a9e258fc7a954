#include "firmware_read.h"

#include "formatters.h"
#include "reply_decoder.h"
#include "transfer_util.h"

namespace tesmar::service {

using detail::Finish;
using detail::ResultField;

namespace {
constexpr int kFirmwareSource = 5;
}

std::string UnescapePacket(std::string_view data) {
  std::string out;
  out.reserve(data.size());
  for (size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\\' && i + 1 < data.size())
      out += static_cast<char>(static_cast<unsigned char>(data[++i]) - 0x40);
    else
      out += data[i];
  }
  return out;
}

TransferOutcome ReadFirmwareToFile(TransferHost& host, const std::string& pwd,
                                   const std::string& file, int64_t* total) {
  const link::ReplyRecord* r = host.Send([&](link::Driver & d) -> auto& {
    return link::SelectDataSource(d, pwd, kFirmwareSource, 0);
  });
  if (!r) return {};
  link::DecodedReply decoded = link::DecodeReplyError(*r);
  if (!decoded.ok) return {false, "SetDataSource ошибка:\n  " + decoded.text, 0};
  const long long size = detail::WholeNumber(ResultField(*r, 1)).value_or(0);
  if (total) *total = size;
  host.ShowReply(*r);
  host.ShowProgress(0);
  if (size == 0) return {false, "Нет данных!", 0};

  std::string data;
  for (long long i = 0;; ++i) {
    if (host.StopRequested()) {
      host.ShowProgress(0);
      return Finish(file, data, false, "Чтение остановлено по запросу пользователя!");
    }
    r = host.Send([&](link::Driver & d) -> auto& { return link::ReadDataPacket(d, pwd); });
    if (!r) return Finish(file, data, false, "");
    decoded = link::DecodeReplyError(*r);
    if (!decoded.ok) return Finish(file, data, false, "ReadDataFromBuf ошибка:\n  " + decoded.text);
    host.ShowReply(*r);
    if (detail::WholeNumber(ResultField(*r, 1)) != i)
      return Finish(file, data, false,
                    "Ошибка последовательного номера пакета - чтение остановлено!");
    const std::string_view packet = ResultField(*r, 2);
    if (packet.empty()) return Finish(file, data, true, "Чтение внутреннего ПО - успешно!");
    data += UnescapePacket(packet);
    host.ShowProgress(static_cast<int64_t>(data.size()));
  }
}

}  // namespace tesmar::service
