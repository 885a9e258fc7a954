#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>

#include "cli/cli_options.h"
#include "cli/cli_script_host.h"
#include "cli/connection.h"
#include "link/encoding.h"
#include "link/frame.h"
#include "link/memory_transport.h"
#include "link/reply_decoder.h"
#include "cli/reply_output.h"
#include "script/script_runner.h"
#include "cli/sequence_store.h"
#include "cli/stop_signal.h"
#include "tests/support/test_support.h"

using namespace tesmar;

namespace {

std::string Parse(std::vector<std::string> args, cli::Options& o) {
  std::vector<char*> argv{const_cast<char*>("tesmar-cli")};
  for (auto& a : args) argv.push_back(a.data());
  return cli::ParseOptions(static_cast<int>(argv.size()), argv.data(), o);
}

}  // namespace

TEST(CliOptions, sendWithPortSpeedConfigAndJson) {
  cli::Options o;
  EXPECT_EQ(Parse({"-p", "/dev/ttyUSB0", "-b", "115200", "--config", "/etc/t", "--json", "send",
                   "a0", "731942;"},
                  o),
            "");
  EXPECT_EQ(o.port, "/dev/ttyUSB0");
  EXPECT_EQ(o.baud, 115200);
  EXPECT_EQ(o.configDir, "/etc/t");
  EXPECT_TRUE(o.json);
  EXPECT_EQ(o.command, "send");
  EXPECT_EQ(cli::ParseCommandCode(o.args[0]), 0xA0);
}

TEST(CliOptions, badUsageIsNamed) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "no command given"},
      {{"-q"}, "unknown option -q"},
      {{"-b", "12345", "send", "80"}, "unsupported speed 12345"},
      {{"-p"}, "option -p needs a value"},
      {{"send"}, "send needs CODE and optionally PARAMS"},
      {{"send", "8", "x"}, "command code must be two hexadecimal digits: 8"},
      {{"send", "G0"}, "command code must be two hexadecimal digits: G0"},
      {{"send", "800"}, "command code must be two hexadecimal digits: 800"},
      {{"send", "1F"}, "command codes run from 20 to FF: 1F"},
      {{"send", "00", "731942;"}, "command codes run from 20 to FF: 00"},
      {{"ports", "x"}, "ports takes no arguments"},
      {{"dance"}, "unknown command dance"},
  };
  for (const auto& [args, message] : cases) {
    cli::Options o;
    EXPECT_EQ(Parse(args, o), message);
  }
}

TEST(CliOutput, jsonCarriesEveryFieldInUtf8AndEscapes) {
  link::ReplyRecord r;
  r.commandCode = 0x80;
  r.errorCode.Assign("0000");
  r.dataText.Assign(link::Utf8ToCp1251("Модель \"X\";1.0;"));
  r.SetFields(link::Utf8ToCp1251("Модель \"X\";1.0;"));
  r.status = {0x01, 0, 0, 0, 0, 0x10};
  r.sentFrame.Assign(std::string_view("\x01\x2B", 2));
  r.rawReply.Assign(std::string_view("\x15", 1));
  r.flags = 0x00000010;
  r.outcome = link::OutcomeKind::kOk;
  EXPECT_EQ(cli::ReplyAsJson(r),
            "{\"code\":\"80\",\"sent\":\"012B\",\"raw\":\"15\",\"error\":\"0000\","
            "\"data\":\"Модель \\\"X\\\";1.0;\",\"fields\":[\"Модель \\\"X\\\"\",\"1.0\"],"
            "\"status\":[\"01\",\"00\",\"00\",\"00\",\"00\",\"10\"],\"flags\":\"00000010\","
            "\"timeout\":false,\"nak\":false,\"checksum_error\":false,\"outcome\":\"ok\"}");
  using K = link::OutcomeKind;
  const std::pair<K, int> statuses[] = {{K::kOk, 0},       {K::kRefused, 1}, {K::kNak, 2},
                                        {K::kNoAnswer, 2}, {K::kNotSent, 2}, {K::kChecksum, 3},
                                        {K::kUnknown, 3}};
  for (auto [kind, status] : statuses) EXPECT_EQ(cli::ExitStatusFor({kind}), status);
  r.flags = link::kFlagNak;
  r.outcome = K::kNak;
  EXPECT_NE(cli::ReplyAsJson(r).find("\"nak\":true"), std::string::npos);
  EXPECT_NE(cli::ReplyAsJson(r).find("\"outcome\":\"nak\""), std::string::npos);
}

// --- what is refused before anything is sent ----------------------------------------------

TEST(CliParameters, textThatCannotGoOutInWindows1251IsRefusedNamingIt) {
  std::string wire = "untouched";
  EXPECT_EQ(cli::WireParameters("731942;caf\xE9 12.50;", wire),
            "PARAMS is not valid UTF-8 at byte 11, nothing sent: \"731942;caf<E9> 12.50;\"");
  EXPECT_EQ(cli::WireParameters("731942;ok 😀;", wire),
            "PARAMS holds U+1F600 at byte 11, which Windows-1251 cannot carry, nothing sent: "
            "\"731942;ok 😀;\"");
  EXPECT_EQ(wire, "untouched");
  EXPECT_EQ(cli::WireParameters("731942;Привіт;", wire), "");
  EXPECT_EQ(wire, link::Utf8ToCp1251("731942;Привіт;"));
}

TEST(CliParameters, overLongParametersAreRefusedWithoutATimeOut) {
  std::string wire;
  // 220 bytes on the wire, although "Ж" takes two in UTF-8.
  EXPECT_EQ(cli::WireParameters(std::string(219, 'a') + "Ж", wire),
            "PARAMS is 220 bytes in Windows-1251, more than the 219 a command can carry; "
            "nothing sent");
  EXPECT_EQ(cli::WireParameters(std::string(218, 'a') + "Ж", wire), "");
  EXPECT_EQ(wire.size(), 219u);
}

TEST(CliScriptFile, folderOrDeviceIsNotAScriptFile) {
  char dir[] = "/tmp/tesmar-cli-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  EXPECT_EQ(cli::ScriptFileProblem(dir), std::string(dir) + " is a folder, not a script file");
  EXPECT_EQ(cli::ScriptFileProblem("/dev/null"),
            "/dev/null is not a regular file, not a script file");
  const std::string file = std::string(dir) + "/s.txt";
  std::fclose(std::fopen(file.c_str(), "w"));
  EXPECT_EQ(cli::ScriptFileProblem(file), "");
  EXPECT_EQ(cli::ScriptFileProblem(std::string(dir) + "/missing.txt"), "");  // the runner says it
  std::remove(file.c_str());
  rmdir(dir);
}

// --- the sequence counter between runs ----------------------------------------------------

namespace {

struct CliRun {
  tesmar::test::RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  link::MemoryTransport* line;
  std::vector<uint8_t> seqs;
  std::function<void()> duringExchange;
  explicit CliRun() {
    line = new link::MemoryTransport([this](const std::vector<uint8_t>& req) {
      seqs.push_back(req[2]);
      if (duringExchange) duringExchange();
      return tesmar::test::Reply(req[2], req[3], "");
    });
    driver.AttachSerialLink(std::unique_ptr<link::Transport>(line));
  }
};

std::string SequenceFile() {
  char dir[] = "/tmp/tesmar-seq-XXXXXX";
  return std::string(mkdtemp(dir)) + "/" + cli::kSequenceFileName;
}

uint8_t Saved(const std::string& path) {
  uint8_t c = 0;
  EXPECT_TRUE(cli::SequenceStore::Load(path, c));
  return c;
}

}  // namespace

TEST(CliSequence, eachRunContinuesWhereTheLastOneStopped) {
  const std::string path = SequenceFile();
  std::ofstream(path) << "41\n";
  CliRun first;
  cli::SequenceStore a(path, first.driver);
  a.Begin();
  EXPECT_EQ(Saved(path), 42);  // reserved before anything is sent
  for (int i = 0; i < 3; ++i) first.driver.ExecuteCommand(0x61, "731942;x;");
  EXPECT_EQ(first.seqs,
            (std::vector<uint8_t>{link::SeqByte(42), link::SeqByte(43), link::SeqByte(44)}));
  EXPECT_EQ(Saved(path), 45);

  CliRun second;
  cli::SequenceStore b(path, second.driver);
  b.Begin();
  second.driver.ExecuteCommand(0x61, "731942;x;");
  EXPECT_NE(second.seqs.front(), first.seqs.back());
}

TEST(CliSequence, runKilledDuringItsExchangeStillLeavesItsSeqBehind) {
  for (int start : {0, 93, 94, 254, 255}) {
    const std::string path = SequenceFile();
    std::ofstream(path) << start << "\n";
    CliRun killed, next;
    cli::SequenceStore a(path, killed.driver);
    a.Begin();
    // The next run starts while the first one's request is on the line.
    cli::SequenceStore b(path, next.driver);
    killed.duringExchange = [&] { b.Begin(); };
    killed.driver.ExecuteCommand(0x61, "731942;x;");
    next.driver.ExecuteCommand(0x61, "731942;x;");
    EXPECT_NE(next.seqs.front(), killed.seqs.front()) << start;
  }
}

TEST(CliSequence, unusableFileStartsAnywhereAndAnUnwritableOneIsSaidOnce) {
  const std::string path = SequenceFile();
  uint8_t c;
  for (const char* text : {"", "256\n", "-1\n", "12x\n", "0x10\n"}) {
    std::ofstream(path) << text;
    EXPECT_FALSE(cli::SequenceStore::Load(path, c)) << text;
  }
  char* text = nullptr;
  size_t size = 0;
  std::FILE* err = open_memstream(&text, &size);
  CliRun run;
  cli::SequenceStore store("/tmp/tesmar-no-such-folder/" + std::string(cli::kSequenceFileName),
                           run.driver, err);
  store.Begin();
  run.driver.ExecuteCommand(0x21, "731942;");
  run.driver.ExecuteCommand(0x21, "731942;");
  std::fclose(err);
  const std::string said(text, size);
  std::free(text);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_NE(said.find("the sequence counter cannot be kept"), std::string::npos) << said;
  EXPECT_EQ(run.seqs.size(), 2u);  // the commands still went out
}

// --- stopping a run ------------------------------------------------------------------------

TEST(CliStop, signalStopsTheScriptBetweenLinesAndCutsItsDelay) {
  char dir[] = "/tmp/tesmar-stop-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string script = std::string(dir) + "/s.txt";
  std::ofstream(script) << "; one\r\n; two\r\n; three\r\n";
  tesmar::test::RecordingSleeper sleeper;
  link::Driver driver(sleeper);
  std::FILE* out = std::tmpfile();
  cli::CliScriptHost host(driver, "", out, out);
  script::ScriptRunner runner(driver, host, sleeper);
  host.StopOnSignal(&runner);

  cli::InstallStopHandler();
  std::raise(SIGTERM);
  EXPECT_EQ(cli::PendingStopSignal(), SIGTERM);
  EXPECT_EQ(cli::SignalName(SIGTERM), "SIGTERM");
  EXPECT_EQ(runner.Run(script), script::Outcome::kStopped);
  EXPECT_EQ(runner.LinesRead(), 0);
  cli::InterruptibleSleeper delay;
  delay.SleepMs(600000);  // returns at once while the stop is pending
  cli::ClearStopSignal();
  EXPECT_EQ(runner.Run(script), script::Outcome::kEndOfFile);
  std::fclose(out);
  std::remove(script.c_str());
  rmdir(dir);
}

// --- the speed of tsinit.ini ---------------------------------------------------------------

TEST(CliSpeed, configuredSpeedThatNoPortTakesIsNamedWithItsFileAndKey) {
  char dir[] = "/tmp/tesmar-speed-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string path = std::string(dir) + "/tsinit.ini";
  const link::IniProfile ini(path);
  int baud = 0;
  EXPECT_EQ(cli::LineSpeed(0, ini, baud), "");  // no file: 9600
  EXPECT_EQ(baud, 9600);
  for (const char* bad : {"abc", "12345", "-9600", ""}) {
    std::ofstream(path) << "[Communication]\r\nSpeed=" << bad << "\r\n";
    EXPECT_EQ(cli::LineSpeed(0, ini, baud), "[Communication] Speed in " + path +
                                                " is not a speed the port can take: \"" + bad +
                                                "\" (give one with -b)")
        << bad;
    EXPECT_EQ(cli::LineSpeed(19200, ini, baud), "") << bad;  // -b wins
    EXPECT_EQ(baud, 19200);
  }
  std::ofstream(path) << "[Communication]\r\nSpeed=115200\r\n";
  EXPECT_EQ(cli::LineSpeed(0, ini, baud), "");
  EXPECT_EQ(baud, 115200);
  std::remove(path.c_str());
  rmdir(dir);
}

// --- the link a command talks over -------------------------------------------------------

TEST(CliConnection, portFromTheOptionsOrTsinitOpensWithTheSettingsAndCloses) {
  char dir[] = "/tmp/tesmar-connect-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string path = std::string(dir) + "/tsinit.ini";
  const link::IniProfile ini(path);
  cli::Options o;
  link::Driver driver;
  int status = 0;
  EXPECT_FALSE(cli::Connect(o, ini, driver, status));  // no -p, nothing saved
  EXPECT_EQ(status, cli::kBadUsage);

  o.port = std::string(dir) + "/missing";
  EXPECT_FALSE(cli::Connect(o, ini, driver, status));
  EXPECT_EQ(status, cli::kNoLink);
  EXPECT_FALSE(driver.SerialActive());

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  std::ofstream(path) << "[Communication]\r\nPort=" << ptsname(master)
                      << "\r\n[Fiscal Printer]\r\nReply=3\r\n";
  o.port.clear();
  EXPECT_EQ(cli::PortOf(o, ini), ptsname(master));
  status = 0;
  ASSERT_TRUE(cli::Connect(o, ini, driver, status));
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(driver.SerialActive());
  EXPECT_TRUE(driver.SequenceGuard());
  EXPECT_EQ(driver.RetryCount(), 3);
  cli::Disconnect(o, driver);
  EXPECT_FALSE(driver.SerialActive());
  close(master);
  std::remove(path.c_str());
  rmdir(dir);
}

// --- one verdict of a reply, whoever reads it ---------------------------------------------

namespace {

using Peer = std::function<std::vector<uint8_t>(const std::vector<uint8_t>&)>;

struct ScriptedLine {
  tesmar::test::RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  std::FILE* err = std::tmpfile();
  cli::CliScriptHost host{driver, "", err, err};
  script::ScriptRunner runner{driver, host, sleeper};
  std::string script = std::string(::testing::TempDir()) + "tesmar-verdict.txt";

  // Answers the n-th request with peers[n] (the last one repeats).
  explicit ScriptedLine(std::vector<Peer> peers) {
    driver.SetRetryCount(1);
    auto calls = std::make_shared<size_t>(0);
    driver.AttachSerialLink(
        std::make_unique<link::MemoryTransport>([peers, calls](const std::vector<uint8_t>& req) {
          return peers[std::min((*calls)++, peers.size() - 1)](req);
        }));
  }
  ~ScriptedLine() {
    std::fclose(err);
    std::remove(script.c_str());
  }
  // Runs one command line; returns tesmar-cli run's exit status.
  int Run(const std::string& line) {
    std::ofstream(script) << line << "\r\n";
    const script::Outcome outcome = runner.Run(script);
    return cli::RunExitStatus(outcome, runner.LastCommandOutcome());
  }
  std::string Said() {
    std::fflush(err);
    std::rewind(err);
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), err));
    return text;
  }
};

Peer Answer(std::string error) {
  return [error](const std::vector<uint8_t>& req) {
    return tesmar::test::Reply(req[2], req[3], "", error);
  };
}

}  // namespace

// Only exactly "0000" is success: a longer code that begins with it, a
// shorter one or none is a refusal for the decoder, send's exit status and
// the script runner alike.
TEST(CliVerdict, decoderExitStatusAndScriptRunnerAgreeOnEveryErrorCode) {
  const std::pair<std::string, int> codes[] = {{"0000", 0}, {"00000", 1}, {"0000X", 1}, {"000", 1},
                                               {"", 1},     {"0105", 1},  {"0100", 1}};
  for (const auto& [code, want] : codes) {
    ScriptedLine line({Answer(code)});
    const link::ReplyRecord& r = line.driver.ExecuteCommand(0x21, "731942;");
    EXPECT_EQ(link::DecodeReplyError(r).ok, want == 0) << code;
    EXPECT_EQ(cli::ExitStatusFor(link::OutcomeOf(r)), want) << code;
    EXPECT_EQ(line.Run("21731942;"), want) << code;
    EXPECT_EQ(line.Said().find("Ошибка выполнения команды") != std::string::npos, want != 0)
        << code << ": " << line.Said();
  }
}

// The first answer lost, the resend refused by NAK: the command may have
// run, and every reader says so.
TEST(CliVerdict, nakAfterALostAnswerIsUnknownForSendAndRun) {
  const Peer silent = [](const std::vector<uint8_t>&) { return std::vector<uint8_t>{}; };
  const Peer cut = [](const std::vector<uint8_t>& req) {
    auto f = tesmar::test::Reply(req[2], req[3], "");
    f.resize(6);
    return f;
  };
  const Peer nak = [](const std::vector<uint8_t>&) { return std::vector<uint8_t>{link::kNak}; };
  for (const Peer& lost : {silent, cut}) {
    ScriptedLine line({lost, nak});
    const link::ReplyRecord& r = line.driver.ExecuteCommand(0x61, "731942;x;");
    EXPECT_EQ(r.outcome, link::OutcomeKind::kUnknown);
    EXPECT_EQ(link::DecodeReplyError(r).text, link::kUnknownOutcomeText);
    EXPECT_EQ(cli::ExitStatusFor(link::OutcomeOf(r)), cli::kExitUnknown);
  }
  ScriptedLine line({cut, nak});
  EXPECT_EQ(line.Run("61731942;x;"), cli::kExitUnknown);
  EXPECT_NE(line.Said().find(link::kUnknownOutcomeText), std::string::npos) << line.Said();
  // A NAK on every try: the registrar refused the frame, nothing ran.
  ScriptedLine refused({nak});
  EXPECT_EQ(refused.Run("61731942;x;"), 1);
  EXPECT_EQ(cli::RunExitStatus(script::Outcome::kEndOfFile, link::OutcomeKind::kUnknown), 0);
}
