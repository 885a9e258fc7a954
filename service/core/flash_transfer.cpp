#include "flash_transfer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "reply_decoder.h"
#include "service_formatters.h"
#include "transfer_util.h"

namespace tesmar::service {

using detail::Finish;
using detail::ResultField;

namespace {

constexpr const char* kReadTimeout = "Ошибка! Таймаут устройства! Чтение данных остановлено.";
constexpr const char* kReadRefused =
    "Ошибка чтения данных из флеш-памяти. \nЧтение данных остановлено. ErrCode=";
constexpr const char* kReadBadData =
    "Информация переданная регистратором неверна. Чтение данных остановлено.";
constexpr const char* kReadStopped = "Чтение данных остановлено пользователем.";
constexpr const char* kReadDone = "Успешно. Чтение данных завершено.";
constexpr const char* kWriteEndOfFile =
    "Ошибка! Незапланированный конец файла!\n   Чтение прервано";
constexpr const char* kWriteFailedTitle = "Ошибка записи в флеш-память:\n  ";
constexpr const char* kWriteRefused =
    "Ошибка записи данных в флеш-память. Запись данных остановлена.";
constexpr const char* kWriteStopped = "Запись данных остановлено пользователем.";
constexpr const char* kWriteDone = "Успешно. Запись данных завершена.";

int Percent(uint64_t done, uint64_t total) {
  return total ? static_cast<int>(done * 100 / total) : 100;
}

// One chunk's reply, asked for again while the registrar refuses it, at
// most `retries` times. nullptr with `end` set when the read must stop.
const link::ReplyRecord* ReadChunk(TransferHost& host, const std::string& pwd, uint64_t address,
                                   int retries, int base, int& ownRetries,
                                   std::optional<std::string>& end) {
  for (int i = 0;; ++i) {
    const link::ReplyRecord* r =
        host.Send([&](link::Driver & d) -> auto& { return link::ReadFlash(d, pwd, address); });
    if (!r) {
      end = "";
      return nullptr;
    }
    host.ShowRetries(host.ErrorCount() - base + ownRetries);
    if (r->flags & link::kFlagNoAnswer) {
      end = kReadTimeout;
      return nullptr;
    }
    host.ShowReply(*r);
    if (r->errorCode.View() == "0000") return r;
    if (i >= retries) {
      end = kReadRefused + std::string(r->errorCode.View());
      return nullptr;
    }
    ++ownRetries;
    host.ShowRetries(host.ErrorCount() - base + ownRetries);
  }
}

}  // namespace

TransferOutcome ReadFlashToFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                int retries, const std::string& file) {
  const int base = host.ErrorCount();
  int ownRetries = 0;
  std::string data;
  uint64_t a = range.start, remaining = range.count;
  const uint64_t end = range.start + range.count;
  host.ShowProgress(0);
  host.ShowAddress(a);
  while (a < end) {
    std::optional<std::string> stop;
    const link::ReplyRecord* r = ReadChunk(host, pwd, a, retries, base, ownRetries, stop);
    if (!r) return Finish(file, data, false, *stop);
    const auto n = detail::WholeNumber(ResultField(*r, 1));
    if (!n) return Finish(file, data, false, kReadBadData);
    const uint64_t g = std::min<uint64_t>(static_cast<uint64_t>(*n), remaining);
    const std::string_view hex = ResultField(*r, 2);
    if (hex.size() < 2 * g) return Finish(file, data, false, kReadBadData);
    const auto bytes = BytesFromHex(hex.substr(0, 2 * g));
    if (!bytes) return Finish(file, data, false, kReadBadData);
    data += *bytes;
    if (*n < link::kFlashChunkBytes) break;  // the memory has no more
    remaining -= g;
    a += static_cast<uint64_t>(*n);
    host.ShowAddress(a);
    host.ShowProgress(Percent(a - range.start, range.count));
    if (host.StopRequested()) return Finish(file, data, false, kReadStopped);
  }
  return Finish(file, data, true, kReadDone);
}

namespace {

bool ReadWholeFile(const std::string& path, std::string& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "Ошибка открытия файла: " + path + ": " + std::strerror(errno);
    return false;
  }
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = "Ошибка чтения файла: " + path;
    return false;
  }
  return true;
}

}  // namespace

TransferOutcome WriteFlashFromFile(TransferHost& host, const std::string& pwd, FlashRange range,
                                   const std::string& file) {
  std::string bytes, error;
  if (!ReadWholeFile(file, bytes, error)) return {false, error, 0};
  const uint64_t end = range.start + range.count;
  uint64_t a = range.start;
  host.ShowProgress(0);
  host.ShowAddress(a);
  while (a < end) {
    const uint64_t h = std::min<uint64_t>(end - a, link::kFlashChunkBytes);
    const uint64_t at = a - range.start;
    if (at + h > bytes.size()) return {false, kWriteEndOfFile, at};
    const std::string hex = HexFromBytes(std::string_view(bytes).substr(at, h));
    const link::ReplyRecord* r = host.SendChecked([&](link::Driver & d, int& result) -> auto& {
      return link::WriteFlash(d, pwd, a, hex, result);
    });
    if (!r) return {false, "", at};
    const link::DecodedReply decoded = link::DecodeReplyError(*r);
    host.ShowReply(*r);
    if (!decoded.ok) return {false, kWriteFailedTitle + decoded.text, at};
    if (r->errorCode.View() != "0000") return {false, kWriteRefused, at};
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
  if (!decoded.ok) return {false, "Ошибка обнуления флеш-памяти:\n  " + decoded.text, 0};
  return {true, "Успешно!", 0};
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

std::optional<uint64_t> DecimalField(const std::string& text) {
  if (text.empty() || text.size() > 19) return std::nullopt;
  uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  return v;
}

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::optional<std::string> BytesFromHex(std::string_view hex) {
  if (hex.size() % 2) return std::nullopt;
  std::string out(hex.size() / 2, '\0');
  for (size_t i = 0; i < out.size(); ++i) {
    const int hi = HexDigit(hex[2 * i]), lo = HexDigit(hex[2 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out[i] = static_cast<char>(hi * 16 + lo);
  }
  return out;
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
