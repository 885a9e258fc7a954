// The long transfers against a registrar paced at 115200 baud both ways,
// each timed beside the wire time of the bytes it moved (10 bits a byte,
// requests and replies): what the program costs over the line itself.
//
//   wire_bench [--baud N] [articles] [flash-read] [flash-write] [firmware] [logo] [script] [bare]
//
// Without names it runs them all (about 13 minutes at 115200 baud, most of
// it the fiscal memory). "bare" is the floor of the set-up itself: requests
// written and replies read with no driver in between. Exits 1 when a run
// failed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "sales/article_upload.h"
#include "service/core/driver_transfer_host.h"
#include "service/core/firmware_read.h"
#include "service/core/flash_transfer.h"
#include "link/formatters.h"
#include "link/frame.h"
#include "service/core/logo_stream.h"
#include "link/outcome.h"
#include "bench/paced_line.h"
#include "link/receipt_formatters.h"
#include "script/script_runner.h"
#include "link/service_formatters.h"

using namespace tesmar;

namespace {

constexpr const char* kPassword = "731942";
constexpr uint64_t kFlashBytes = uint64_t{1} << 20;
constexpr int kLogoWidth = 384, kLogoHeight = 96;
constexpr int kScriptLines = 1000;
constexpr int kBareExchanges = 1000;

bool UploadArticles(bench::PacedLine& line, const std::vector<std::string>& lines) {
  link::Driver& d = line.Driver();
  const sales::UploadOutcome out = sales::UploadArticles(
      lines, [&](std::string_view l) { return &link::AddArticleLine(d, kPassword, l); });
  return out.sent == lines.size() && out.allStored();
}

bool ReadFlash(bench::PacedLine& line, const std::filesystem::path& file) {
  service::DriverTransferHost host(line.Driver());
  const auto out = service::ReadFlashToFile(host, kPassword, {0, kFlashBytes}, 2, file.string());
  return out.ok && std::filesystem::file_size(file) == kFlashBytes;
}

bool WriteFlash(bench::PacedLine& line, const std::filesystem::path& file) {
  service::DriverTransferHost host(line.Driver());
  return service::WriteFlashFromFile(host, kPassword, {0, kFlashBytes}, file.string()).ok;
}

bool ReadFirmware(bench::PacedLine& line, const std::filesystem::path& file) {
  service::DriverTransferHost host(line.Driver());
  int64_t total = 0;
  const auto out = service::ReadFirmwareToFile(host, kPassword, file.string(), &total);
  return out.ok && total > 0 &&
         std::filesystem::file_size(file) == static_cast<std::uintmax_t>(total);
}

// The logo window's loop: the packed picture in lines of 24 bytes (29h),
// then its size (31h).
bool UploadLogo(bench::PacedLine& line) {
  link::Driver& d = line.Driver();
  const auto lines = service::LogoLines(service::PackLogo(
      kLogoWidth, kLogoHeight, [](int x, int y) { return (x / 16 + y / 16) % 2 == 0; }));
  for (size_t n = 0; n < lines.size(); ++n) {
    int result = 0;
    const link::ReplyRecord& r =
        link::SetLogoLine(d, kPassword, static_cast<int>(n), lines[n], result);
    if (!link::OutcomeOf(r, result).ok()) return false;
  }
  return link::OutcomeOf(link::FinishLogo(d, kPassword, kLogoWidth, kLogoHeight)).ok();
}

// A service script of reading commands, 1,000 command lines.
std::string ScriptText() {
  static const char* kLines[] = {"21731942;", "80731942;", "23731942;1;", "28731942;",
                                 "2E731942;1;"};
  std::string text;
  for (int i = 0; i < kScriptLines; ++i) text += std::string(kLines[i % 5]) + "\r\n";
  return text;
}

class QuietHost : public script::ScriptHost {
 public:
  void Message(const std::string& m) override { messages.push_back(m); }
  void Log(const std::string&) override {}
  bool ReopenSerial(int, std::string&) override { return false; }
  std::vector<std::string> messages;
};

// Counts the command lines the registrar did not take.
struct FailureCount : link::ExchangeObserver {
  int failures = 0;
  void ExchangeFinished(const link::ExchangeReport& r) override {
    if (!link::OutcomeOf(*r.record).ok()) ++failures;
  }
};

bool RunScript(bench::PacedLine& line, const std::filesystem::path& file) {
  QuietHost host;
  FailureCount count;
  line.Observers().Add(&count);
  script::ScriptRunner runner(line.Driver(), host, link::RealSleeper());
  const bool ended = runner.Run(file.string()) == script::Outcome::kEndOfFile;
  line.Observers().Remove(&count);
  return ended && count.failures == 0;
}

// 1,000 21h requests written straight to the line, each reply read to its
// ETX, each exchange reported to the line's exchange times as the driver
// would report it.
bool BareExchanges(bench::PacedLine& line) {
  link::Transport& port = line.Port();
  for (int i = 0; i < kBareExchanges; ++i) {
    uint8_t frame[link::kMaxRequestFrame];
    const size_t n =
        link::BuildRequestFrame(static_cast<uint8_t>(0x20 + i % 0x5F), 0x21, "731942;", frame);
    const auto start = std::chrono::steady_clock::now();
    if (!port.Write(frame, n)) return false;
    std::string reply;
    for (uint8_t b = 0; b != link::kEtx; reply += static_cast<char>(b))
      if (port.ReadByte(b) != link::ReadResult::kByte) return false;
    link::ExchangeReport r;
    r.request = std::string_view(reinterpret_cast<const char*>(frame), n);
    r.reply = reply;
    r.duration = std::chrono::steady_clock::now() - start;
    line.Times().ExchangeFinished(r);
  }
  return true;
}

struct Job {
  const char* name;
  const char* caption;
  std::function<bench::WireFigures(int baud)> run;
};

template <typename Run>
bench::WireFigures OnFreshLine(int baud, Run run) {
  bench::PacedLine line(baud);
  return bench::Measure(line, run);
}

// The same with a file of `contents` made before and removed after.
template <typename Run>
bench::WireFigures WithFile(int baud, const std::string& name, const std::string& contents,
                            Run run) {
  const auto file = std::filesystem::temp_directory_path() / ("tesmar-wire-bench-" + name);
  if (!contents.empty()) std::ofstream(file, std::ios::binary) << contents;
  const auto f = OnFreshLine(baud, [&](bench::PacedLine& line) { return run(line, file); });
  std::filesystem::remove(file);
  return f;
}

std::string RandomBytes(size_t n) {
  std::string bytes(n, '\0');
  std::mt19937 rng(29);
  for (char& c : bytes) c = static_cast<char>(rng());
  return bytes;
}

std::vector<Job> Jobs() {
  return {
      {"articles", "10,000 articles (24h)",
       [](int baud) {
         const auto lines = bench::ArticleFile(10000);
         return OnFreshLine(baud,
                            [&](bench::PacedLine& line) { return UploadArticles(line, lines); });
       }},
      {"flash-read", "fiscal memory read, 1 MiB (F1h)",
       [](int baud) { return WithFile(baud, "read.bin", "", ReadFlash); }},
      {"flash-write", "fiscal memory write, 1 MiB (F2h)",
       [](int baud) { return WithFile(baud, "write.bin", RandomBytes(kFlashBytes), WriteFlash); }},
      {"firmware", "firmware read (E7h, E8h)",
       [](int baud) { return WithFile(baud, "firmware.bin", "", ReadFirmware); }},
      {"logo", "logo 384 x 96 (29h, 31h)", [](int baud) { return OnFreshLine(baud, UploadLogo); }},
      {"script", "script of 1,000 command lines",
       [](int baud) { return WithFile(baud, "script.txt", ScriptText(), RunScript); }},
      {"bare", "1,000 exchanges with no driver (21h)",
       [](int baud) { return OnFreshLine(baud, BareExchanges); }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  int baud = bench::kLineBaud;
  std::vector<std::string> names;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--baud" && i + 1 < argc)
      baud = std::atoi(argv[++i]);
    else
      names.push_back(a);
  }
  const std::vector<Job> jobs = Jobs();
  for (const std::string& n : names)
    if (std::none_of(jobs.begin(), jobs.end(), [&](const Job& j) { return n == j.name; })) {
      std::fprintf(stderr, "wire_bench: no run named %s\n", n.c_str());
      return 64;
    }
  bool ok = true;
  for (const Job& j : jobs) {
    if (!names.empty() && std::find(names.begin(), names.end(), j.name) == names.end()) continue;
    const bench::WireFigures f = j.run(baud);
    bench::PrintFigures(j.caption, f);
    ok = ok && f.ok;
  }
  return ok ? 0 : 1;
}
