#include "cli/transfer_command.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include "service/core/driver_transfer_host.h"
#include "service/core/firmware_read.h"
#include "service/core/flash_transfer.h"
#include "cli/stop_signal.h"

namespace tesmar::cli {

namespace {

// Draws the bar on stderr when it is a terminal; Ctrl-C stops between chunks.
class CliHost : public service::DriverTransferHost {
 public:
  CliHost(link::Driver& d, int64_t total) : DriverTransferHost(d), total_(total) {
    draw_ = ::isatty(STDERR_FILENO) == 1;
  }
  ~CliHost() override {
    if (draw_ && drawn_) std::fputs("\n", stderr);
  }
  void setTotal(int64_t total) { total_ = total; }
  void ShowProgress(int64_t p) override {
    if (!draw_ || total_ <= 0) return;
    std::fprintf(stderr, "\r%s", ProgressBar(p, total_).c_str());
    drawn_ = true;
  }
  bool StopRequested() override { return PendingStopSignal() != 0; }

 private:
  int64_t total_;
  bool draw_ = false, drawn_ = false;
};

int Finish(const service::TransferOutcome& out, const CliHost& host) {
  if (!host.refusal.empty()) std::fprintf(stderr, "tesmar-cli: %s\n", host.refusal.c_str());
  if (!out.message.empty()) std::printf("%s\n", out.message.c_str());
  if (const int signal = PendingStopSignal(); signal != 0) return 128 + signal;
  return out.ok ? 0 : kExitTransferFailed;
}

int BadLimits(const std::string& text) {
  std::fprintf(stderr, "tesmar-cli: %s\n", text.c_str());
  return 64;
}

// The range typed, or for a write the one the file name carries; empty
// with the exit status set when it is not usable.
std::optional<service::FlashRange> RangeOf(const TransferArgs& t, int& status) {
  std::string start = t.start, count = t.count;
  if (t.action == "write" && (start.empty() || count.empty())) {
    if (const auto named = service::RangeFromFileName(t.file)) {
      if (!service::NamedRangeFitsFields(*named)) {
        status = BadLimits(
            "the range in the file name does not fit the start (10 digits) and "
            "count (9 digits) fields; nothing sent: " +
            t.file);
        return std::nullopt;
      }
      if (start.empty()) start = named->start;
      if (count.empty()) count = named->count;
    }
  }
  status = 64;
  if (start.empty() || count.empty()) {
    std::printf("%s\n", Tesmar::mark("Не установлены границы для записи. Чтение остановлено!"));
    return std::nullopt;
  }
  const auto a = service::DecimalField(start), c = service::DecimalField(count);
  if (!a || !c) {
    std::printf("%s\n", Tesmar::mark("Ошибка! Только десятичные цифры!"));
    return std::nullopt;
  }
  if (!service::FlashRangeFits({*a, *c})) {
    status = BadLimits("--start + --count pass the last byte number " +
                       std::to_string(service::kLastFlashAddress) + "; nothing sent");
    return std::nullopt;
  }
  return service::FlashRange{*a, *c};
}

int Flash(const TransferArgs& t, link::Driver& driver) {
  if (t.action == "clear") {
    CliHost host(driver, 0);
    return Finish(service::ClearFlashMemory(host, t.password), host);
  }
  int status = 0;
  const std::optional<service::FlashRange> range = RangeOf(t, status);
  if (!range) return status;
  CliHost host(driver, 100);
  if (t.action == "write")
    return Finish(service::WriteFlashFromFile(host, t.password, *range, t.file), host);
  const service::TransferOutcome out =
      service::ReadFlashToFile(host, t.password, *range, t.retries, t.file);
  status = Finish(out, host);
  if (status == 0 && out.bytes < range->count) {
    std::fprintf(stderr,
                 "tesmar-cli: the fiscal memory ended after %llu of the %llu bytes asked for; "
                 "%s holds those %llu bytes\n",
                 static_cast<unsigned long long>(out.bytes),
                 static_cast<unsigned long long>(range->count), t.file.c_str(),
                 static_cast<unsigned long long>(out.bytes));
    return kExitShortRead;
  }
  return status;
}

// The total is known after the first reply; the bar waits for it.
class FirmwareHost : public CliHost {
 public:
  FirmwareHost(link::Driver& d, int64_t& total) : CliHost(d, 0), total_(total) {}
  void ShowProgress(int64_t p) override {
    setTotal(total_);
    CliHost::ShowProgress(p);
  }

 private:
  int64_t& total_;
};

}  // namespace

std::string ProgressBar(int64_t done, int64_t total, int width) {
  if (total <= 0) total = 1;
  if (done > total) done = total;
  if (done < 0) done = 0;
  const int marks = static_cast<int>(done * width / total);
  char percent[8];
  std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(done * 100 / total));
  return "[" + std::string(marks, '#') + std::string(width - marks, '.') + "] " + percent;
}

std::string ParseTransferArgs(const std::string& what, const std::vector<std::string>& args,
                              TransferArgs& t) {
  t.what = what;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--yes") {
      t.yes = true;
      continue;
    }
    if (a == "--start" || a == "--count" || a == "--password" || a == "--retries") {
      if (i + 1 >= args.size()) return "option " + a + " needs a value";
      const std::string& v = args[++i];
      if (a == "--start") t.start = v;
      if (a == "--count") t.count = v;
      if (a == "--password") t.password = v;
      if (a == "--retries") {
        const auto r = service::DecimalField(v);
        if (!r || *r > 100) return "retries must be a number from 0 to 100: " + v;
        t.retries = static_cast<int>(*r);
      }
      continue;
    }
    words.push_back(a);
  }
  std::string usage = what == "flash"
                                ? "flash needs read --start A --count C FILE, write FILE or clear"
                                : "firmware needs read FILE";
  if (words.empty()) return usage;
  t.action = words[0];
  if (what == "flash" && t.action == "clear") {
    if (words.size() != 1) return usage;
    return t.yes ? ""
                 : "flash clear erases the whole fiscal memory: add --yes to go ahead; "
                   "nothing sent";
  }
  const bool known = t.action == "read" || (what == "flash" && t.action == "write");
  if (!known || words.size() != 2) return usage;
  t.file = words[1];
  if (what == "flash" && t.action == "read" && (t.start.empty() || t.count.empty()))
    return "flash read needs --start A and --count C";
  for (const std::string* field : {&t.start, &t.count})
    if (!field->empty() && !service::DecimalField(*field))
      return "--start and --count take decimal digits only: " + *field;
  return {};
}

int RunTransfer(const TransferArgs& t, link::Driver& driver) {
  InstallStopHandler();
  if (t.what == "flash") return Flash(t, driver);
  int64_t total = 0;
  FirmwareHost host(driver, total);
  return Finish(service::ReadFirmwareToFile(host, t.password, t.file, &total, t.retries), host);
}

}  // namespace tesmar::cli
