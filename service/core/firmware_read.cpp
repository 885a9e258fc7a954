#include "service/core/firmware_read.h"

#include "link/formatters.h"
#include "link/reply_decoder.h"
#include "service/core/transfer_util.h"

namespace tesmar::service {

using detail::FinishRead;
using detail::ResultField;
using detail::SendWithRepeats;

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
                                   const std::string& file, int64_t* total, int retries) {
  PartFile out(file);
  std::string message;
  if (!out.Open(message)) return {false, message, 0};
  const link::ReplyRecord* r = SendWithRepeats(
      host,
      [&](link::Driver & d) -> auto& { return link::SelectDataSource(d, pwd, kFirmwareSource, 0); },
      retries);
  // Until the first packet is asked for there is nothing to keep.
  const auto nothingRead = [&](std::string message) -> TransferOutcome {
    out.Discard();
    return {false, std::move(message), 0};
  };
  if (!r) return nothingRead("");
  link::DecodedReply decoded = link::DecodeReplyError(*r);
  if (!decoded.ok) return nothingRead(Tesmar::mark("SetDataSource ошибка:\n  ") + decoded.text);
  const long long size = detail::WholeNumber(ResultField(*r, 1)).value_or(0);
  if (total) *total = size;
  host.ShowReply(*r);
  host.ShowProgress(0);
  if (size == 0) return nothingRead(Tesmar::mark("Нет данных!"));

  for (long long i = 0;; ++i) {
    if (host.StopRequested()) {
      host.ShowProgress(0);
      return FinishRead(out, false, Tesmar::mark("Чтение остановлено по запросу пользователя!"));
    }
    // A packet whose answer was lost may have been taken from the registrar's
    // buffer: only a repeat with the same SEQ brings that packet back.
    r = SendWithRepeats(
        host, [&](link::Driver & d) -> auto& { return link::ReadDataPacket(d, pwd); }, retries);
    if (!r) return FinishRead(out, false, "");
    decoded = link::DecodeReplyError(*r);
    if (!decoded.ok) return FinishRead(out, false, Tesmar::mark("ReadDataFromBuf ошибка:\n  ") + decoded.text);
    host.ShowReply(*r);
    if (detail::WholeNumber(ResultField(*r, 1)) != i)
      return FinishRead(out, false, Tesmar::mark("Ошибка последовательного номера пакета - чтение остановлено!"));
    const std::string_view packet = ResultField(*r, 2);
    if (packet.empty()) return FinishRead(out, true, Tesmar::mark("Чтение внутреннего ПО - успешно!"));
    if (!out.Append(UnescapePacket(packet), message)) return FinishRead(out, false, message);
    host.ShowProgress(static_cast<int64_t>(out.Size()));
  }
}

}  // namespace tesmar::service
