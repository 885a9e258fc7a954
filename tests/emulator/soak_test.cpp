// Ten thousand exchanges against a registrar that NAKs, corrupts, prefixes
// stray bytes and goes silent, seeded so every run is the same.
#include <gtest/gtest.h>

#include <map>

#include "link/driver.h"
#include "link/memory_transport.h"
#include "emulator/session.h"
#include "tests/support/test_support.h"

using namespace tesmar;
using namespace tesmar::emu;

TEST(Soak, tenThousandExchangesThroughFaultsNeverLieAndNeverRunTwice) {
  Registrar reg;
  FaultPlan plan;
  plan.nak = 0.05;
  plan.corrupt = 0.05;
  plan.stray = 0.05;
  plan.silence = 0.01;
  plan.seed = 20261208;
  Session session(reg, plan);
  test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  driver.SetRetryCount(4);
  driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
      [&](const std::vector<uint8_t>& f) { return session.Feed(f).bytes; }));

  // A non-fiscal receipt stays open; every other exchange prints a numbered
  // line, the rest read the line count back through a service parameter
  // (numbers from 100 up: the low ones are counters that change the link).
  reg.state.document = Document::kNonFiscal;
  std::map<std::string, int> printed;
  reg.SetTapeSink([&](const std::string& line) { ++printed[line]; });

  long clean = 0, flagged = 0, refused = 0;
  std::map<std::string, long> byFlag;
  for (int i = 0; i < 10000; ++i) {
    const std::string params =
        i % 2 ? "731942;" + std::to_string(100 + i) + ";" + std::to_string(i * 7) + ";"
              : "731942;line " + std::to_string(i) + ";";
    const int code = i % 2 ? 0x88 : 0x61;
    const link::ReplyRecord& r = driver.ExecuteCommand(code, params);
    if (r.flags & link::kTransportFlags) {
      ++flagged;
      byFlag[r.flags & link::kFlagNoAnswer ? "timeout"
             : r.flags & link::kFlagNak    ? "nak"
                                           : "checksum"]++;
      continue;
    }
    if (r.errorCode.View() != "0000") {
      ++refused;
      continue;
    }
    ++clean;
    // An unflagged reply carries exactly what the registrar meant to send.
    ASSERT_EQ(std::string(r.dataText.View()), session.LastIntendedData()) << "exchange " << i;
    if (i % 2) {
      const link::ReplyRecord& back =
          driver.ExecuteCommand(0x89, "731942;" + std::to_string(100 + i) + ";");
      if (back.Answered() && back.errorCode.View() == "0000") {
        ASSERT_EQ(back.Field(0), std::to_string(i * 7));
      }
    }
  }
  for (const auto& [line, count] : printed) ASSERT_EQ(count, 1) << line;

  const SessionCounters& c = session.Counters();
  std::printf(
      "soak: clean %ld, flagged %ld (timeout %ld, nak %ld, checksum %ld), refused %ld; "
      "device: requests %ld, executed %ld, resends answered from memory %ld, "
      "naks %ld, corrupted %ld, stray %ld, silences %ld; driver resends counted %d\n",
      clean, flagged, byFlag["timeout"], byFlag["nak"], byFlag["checksum"], refused, c.requests,
      c.executed, c.repeated, c.naks, c.corrupted, c.strays, c.silences, driver.GetErrorCount());
  EXPECT_EQ(refused, 0);
  EXPECT_GT(clean, 9000);
  EXPECT_GT(c.repeated, 0);
  EXPECT_EQ(static_cast<long>(printed.size()), reg.Executed(0x61));
}
