// What a window really sent: a serial link to the emulator that keeps every
// request frame's code and parameter string, in order.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/app_harness.h"
#include "link/serial_port.h"
#include "app/wire_text.h"

namespace tesmar::test {

struct Request {
  int code;
  std::string params;  // Windows-1251, as on the wire
  bool operator==(const Request&) const = default;
};

inline void PrintTo(const Request& r, std::ostream* os) {
  *os << std::hex << r.code << std::dec << " \"" << link::Cp1251ToUtf8(r.params) << '"';
}

class RecordingLink : public link::Transport {
 public:
  explicit RecordingLink(std::unique_ptr<link::Transport> inner) : inner_(std::move(inner)) {}
  bool Write(const uint8_t* data, size_t n) override {
    // SOH, LEN, SEQ, CMD, parameters, 05h, four checksum digits, ETX.
    if (n >= 10 && data[0] == 0x01)
      requests.push_back({data[3], std::string(reinterpret_cast<const char*>(data) + 4, n - 10)});
    return inner_->Write(data, n);
  }
  link::ReadResult ReadByte(uint8_t& b) override { return inner_->ReadByte(b); }
  void Flush() override { inner_->Flush(); }
  void Purge() override { inner_->Purge(); }
  void ClearError() override { inner_->ClearError(); }

  std::vector<Request> requests;

 private:
  std::unique_ptr<link::Transport> inner_;
};

// Connects the harness's driver to its emulator through a recording link,
// as a connect would have left it (identified, menus open).
inline RecordingLink& ConnectRecorded(AppHarness& h) {
  h.Connect();
  h.driver.CloseSerialLink();
  std::string error;
  auto port = link::SerialPort::Open(h.registrar->Path().toStdString(), 9600, &error);
  if (!port) throw std::runtime_error(error);
  auto rec = std::make_unique<RecordingLink>(std::move(port));
  RecordingLink& r = *rec;
  h.driver.AttachSerialLink(std::move(rec));
  h.prompt.messages.clear();
  return r;
}

inline Request Req(int code, const char* utf8Params) {
  return {code, link::Utf8ToCp1251(utf8Params)};
}

}  // namespace tesmar::test
