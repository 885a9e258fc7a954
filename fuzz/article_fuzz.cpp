// Runs arbitrary article files through the upload window's reader and loop
// against the emulator over the in-memory link: the lines give the file
// back, every line that goes out goes out byte for byte, and every line is
// counted once.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sales/article_upload.h"
#include "link/document_formatters.h"
#include "link/driver.h"
#include "link/memory_transport.h"
#include "emulator/registrar.h"
#include "emulator/session.h"

using namespace tesmar;

namespace {

class NoSleep : public link::Sleeper {
 public:
  void SleepMs(int) override {}
};

// The file as its lines should join again: a CR before an LF or at the end
// left out, and the LF that ends the file.
std::string Joined(std::string_view file) {
  std::string out;
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r' && (i + 1 == file.size() || file[i + 1] == '\n')) continue;
    out += file[i];
  }
  if (!file.empty() && file.back() == '\n') out.pop_back();
  return out;
}

void CheckNumbers(const std::vector<size_t>& numbers, size_t lines) {
  for (size_t i = 0; i < numbers.size(); ++i)
    if (numbers[i] < 1 || numbers[i] > lines || (i && numbers[i] <= numbers[i - 1])) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = sales::ArticleFileLines(file);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find('\n') != std::string::npos) std::abort();
    joined += (i ? "\n" : "") + lines[i];
  }
  if (joined != Joined(file)) std::abort();

  emu::Registrar registrar;
  emu::Session session(registrar);
  NoSleep sleeper;
  link::Driver driver(sleeper);
  driver.SetRetryCount(1);
  std::string onTheWire;
  driver.AttachSerialLink(
      std::make_unique<link::MemoryTransport>([&](const std::vector<uint8_t>& frame) {
        // SOH, LEN, SEQ, CMD, parameters, 05h, four checksum digits, ETX.
        if (frame.size() >= 10) onTheWire.assign(frame.begin() + 4, frame.end() - 6);
        return session.Feed(frame).bytes;
      }));
  size_t calls = 0;
  const sales::UploadOutcome out = sales::UploadArticles(lines, [&](std::string_view line) {
    ++calls;
    onTheWire.clear();
    const link::ReplyRecord& r = link::AddArticleLine(driver, "731942", line);
    if (link::OutcomeOf(r).sent() && onTheWire != "731942;" + std::string(line)) std::abort();
    return link::OutcomeOf(r).sent() ? &r : nullptr;
  });
  if (calls != lines.size() - out.skipped) std::abort();
  if (out.sent + out.notSent.size() != calls) std::abort();
  if (out.refused.size() + out.unconfirmed.size() > out.sent) std::abort();
  if (out.unconfirmed.size() != out.timedOut) std::abort();
  CheckNumbers(out.refused, lines.size());
  CheckNumbers(out.unconfirmed, lines.size());
  CheckNumbers(out.notSent, lines.size());
  return 0;
}
