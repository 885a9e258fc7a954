#include "service/core/flash_transfer.h"

#include <algorithm>

#include "link/hex.h"
#include "link/outcome.h"
#include "link/reply_decoder.h"
#include "link/service_formatters.h"
#include "service/core/transfer_util.h"

namespace tesmar::service {

using detail::FinishRead;
using detail::ResultField;

namespace {

constexpr const char* kReadTimeout = Tesmar::mark("Ошибка! Таймаут устройства! Чтение данных остановлено.");
constexpr const char* kReadFailed =
    Tesmar::mark("Ошибка чтения данных из флеш-памяти. \nЧтение данных остановлено. ");
constexpr const char* kReadBadData =
    Tesmar::mark("Информация переданная регистратором неверна. Чтение данных остановлено.");
constexpr const char* kReadStopped = Tesmar::mark("Чтение данных остановлено пользователем.");
constexpr const char* kReadDone = Tesmar::mark("Успешно. Чтение данных завершено.");
constexpr const char* kWriteEndOfFile =
    Tesmar::mark("Ошибка! Незапланированный конец файла!\n   Чтение прервано");
constexpr const char* kWriteFailedTitle = Tesmar::mark("Ошибка записи в флеш-память:\n  ");
constexpr const char* kWriteStopped = Tesmar::mark("Запись данных остановлено пользователем.");
constexpr const char* kWriteDone = Tesmar::mark("Успешно. Запись данных завершена.");

int Percent(uint64_t done, uint64_t total) {
  return total ? static_cast<int>(done * 100 / total) : 100;
}

// Why a chunk's attempt failed, as the read says it when it stops there.
std::string AttemptFailure(const link::ReplyRecord& r, link::OutcomeKind kind) {
  switch (kind) {
    case link::OutcomeKind::kNoAnswer:
    case link::OutcomeKind::kUnknown:
      return kReadTimeout;
    case link::OutcomeKind::kRefused:
      return kReadFailed + std::string("ErrCode=") + std::string(r.errorCode.View());
    default:
      return kReadFailed + std::string(link::OutcomeText(kind));
  }
}

// The bytes one F1h answer carries, at most `remaining` of them, and how many
// it says it has; nothing when the answer does not read as a chunk.
struct Chunk {
  std::string bytes;
  uint64_t size = 0;
};
std::optional<Chunk> ChunkOf(const link::ReplyRecord& r, uint64_t remaining) {
  const auto n = detail::WholeNumber(ResultField(r, 1));
  if (!n) return std::nullopt;
  const uint64_t g = std::min<uint64_t>(static_cast<uint64_t>(*n), remaining);
  const std::string_view hex = ResultField(r, 2);
  if (hex.size() < 2 * g) return std::nullopt;
  auto bytes = BytesFromHex(hex.substr(0, 2 * g));
  if (!bytes) return std::nullopt;
  return Chunk{std::move(*bytes), static_cast<uint64_t>(*n)};
}

// Reads the chunk at `address`; a read changes nothing in the registrar, so
// every failed attempt (refused, lost, damaged, unreadable) is asked again,
// at most `retries` times. "Повторов:" counts these with the driver's own
// resends. Nothing, with `stop` set to the message, when the read must end.
class ChunkReader {
 public:
  ChunkReader(TransferHost& host, const std::string& pwd, int retries)
      : host_(host), pwd_(pwd), retries_(retries), base_(host.ErrorCount()) {}

  std::optional<Chunk> Read(uint64_t address, uint64_t remaining, std::string& stop) {
    for (int attempt = 0;; ++attempt) {
      const link::ReplyRecord* r =
          host_.Send([&](link::Driver & d) -> auto& { return link::ReadFlash(d, pwd_, address); });
      if (!r) return std::nullopt;  // nothing went out; the host has said why
      ShowRetries();
      const link::Outcome outcome = link::OutcomeOf(*r);
      if (!outcome.sent()) {
        stop = kReadFailed + std::string(link::OutcomeText(outcome.kind));
        return std::nullopt;
      }
      if (outcome.answered()) host_.ShowReply(*r);
      std::optional<Chunk> chunk;
      if (outcome.ok()) chunk = ChunkOf(*r, remaining);
      if (chunk) return chunk;
      if (attempt >= retries_) {
        stop = outcome.ok() ? kReadBadData : AttemptFailure(*r, outcome.kind);
        return std::nullopt;
      }
      ++ownRetries_;
      ShowRetries();
    }
  }

 private:
  void ShowRetries() { host_.ShowRetries(host_.ErrorCount() - base_ + ownRetries_); }

  TransferHost& host_;
  const std::string& pwd_;
  const int retries_;
  const int base_;
  int ownRetries_ = 0;
};

}  // namespace

bool FlashRangeFits(FlashRange range) {
  return range.start <= kLastFlashAddress && range.count <= kLastFlashAddress + 1 - range.start;
}

TransferOutcome ReadFlashToFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                int retries, const std::string& file) {
  if (!FlashRangeFits(range)) return {false, kFlashRangeTooLarge, 0};
  PartFile out(file);
  std::string message;
  if (!out.Open(message)) return {false, message, 0};
  ChunkReader reader(host, pwd, retries);
  uint64_t a = range.start, remaining = range.count;
  const uint64_t end = range.start + range.count;
  host.ShowProgress(0);
  host.ShowAddress(a);
  while (a < end) {
    std::string stop;
    const std::optional<Chunk> chunk = reader.Read(a, remaining, stop);
    if (!chunk) return FinishRead(out, false, stop);
    if (!out.Append(chunk->bytes, message)) return FinishRead(out, false, message);
    if (chunk->size < link::kFlashChunkBytes) break;  // the memory has no more
    remaining -= chunk->bytes.size();
    a += chunk->size;
    host.ShowAddress(a);
    host.ShowProgress(Percent(a - range.start, range.count));
    if (host.StopRequested()) return FinishRead(out, false, kReadStopped);
  }
  return FinishRead(out, true, kReadDone);
}

TransferOutcome WriteFlashFromFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                   const std::string& file) {
  if (!FlashRangeFits(range)) return {false, kFlashRangeTooLarge, 0};
  std::string bytes, message;
  if (!detail::ReadFileStart(file, range.count, bytes, message)) return {false, message, 0};
  if (bytes.size() < range.count) return {false, kWriteEndOfFile, 0};
  const uint64_t end = range.start + range.count;
  uint64_t a = range.start;
  host.ShowProgress(0);
  host.ShowAddress(a);
  while (a < end) {
    const uint64_t h = std::min<uint64_t>(end - a, link::kFlashChunkBytes);
    const uint64_t at = a - range.start;
    const std::string hex = HexFromBytes(std::string_view(bytes).substr(at, h));
    const link::ReplyRecord* r = host.SendChecked([&](link::Driver & d, int& result) -> auto& {
      return link::WriteFlash(d, pwd, a, hex, result);
    });
    if (!r) return {false, "", at};
    host.ShowReply(*r);
    const link::DecodedReply decoded = link::DecodeReplyError(*r);
    if (!decoded.ok) return {false, kWriteFailedTitle + decoded.text, at};
    a += h;
    host.ShowAddress(a);
    host.ShowProgress(Percent(a - range.start, range.count));
    if (host.StopRequested()) return {false, kWriteStopped, a - range.start};
  }
  return {true, kWriteDone, range.count};
}

TransferOutcome ClearFlashMemory(TransferHost& host, const std::string& pwd) {
  const link::ReplyRecord* r =
      host.Send([&](link::Driver & d) -> auto& { return link::ClearFlash(d, pwd); });
  if (!r) return {};
  host.ShowReply(*r);
  const link::DecodedReply decoded = link::DecodeReplyError(*r);
  if (!decoded.ok) return {false, Tesmar::mark("Ошибка обнуления флеш-памяти:\n  ") + decoded.text, 0};
  return {true, Tesmar::mark("Успешно!"), 0};
}

std::optional<NamedRange> RangeFromFileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t last = name.rfind('_');
  if (last == std::string::npos || last == 0) return std::nullopt;
  const size_t before = name.rfind('_', last - 1);
  const size_t dot = name.rfind('.');
  if (before == std::string::npos || dot == std::string::npos || dot < last) return std::nullopt;
  return NamedRange{name.substr(before + 1, last - before - 1),
                    name.substr(last + 1, dot - last - 1)};
}

bool NamedRangeFitsFields(const NamedRange& named) {
  return named.start.size() <= kStartDigits && named.count.size() <= kCountDigits;
}

std::optional<uint64_t> DecimalField(const std::string& text) {
  if (text.empty() || text.size() > 19) return std::nullopt;
  uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  return v;
}

std::optional<std::string> BytesFromHex(std::string_view hex) {
  return link::ParseHexBytes(hex, link::HexCase::kUpperOnly);
}

std::string HexFromBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

}  // namespace tesmar::service
