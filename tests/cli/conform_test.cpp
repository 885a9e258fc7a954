// tesmar-cli conform: the contract file's statements, and runs of the
// shipped contract against the software registrar as it is, against one
// that departs from a rule, and against one that stops answering.
#include "cli/conform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/contract.h"
#include "link/driver.h"
#include "link/encoding.h"
#include "link/frame.h"
#include "link/memory_transport.h"
#include "emulator/registrar.h"
#include "link/reply_decoder.h"
#include "emulator/session.h"
#include "emulator/tape_form.h"
#include "tests/support/test_support.h"

using namespace tesmar;
using cli::ContractStep;

namespace {

std::vector<ContractStep> Parsed(const std::string& text) {
  std::vector<ContractStep> steps;
  std::string problem;
  EXPECT_TRUE(cli::ParseContract(text, steps, problem)) << problem;
  return steps;
}

std::string Problem(const std::string& text) {
  std::vector<ContractStep> steps;
  std::string problem;
  EXPECT_FALSE(cli::ParseContract(text, steps, problem)) << text;
  return problem;
}

std::string ShippedContract() {
  std::ifstream in(TESMAR_CONTRACT, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The registrar's printing as the tape file has it.
struct RegistrarTape : cli::TapeReader {
  std::vector<std::string> lines;
  size_t mark = 0;
  void Mark() override { mark = lines.size(); }
  std::vector<std::string> Since() override { return {lines.begin() + mark, lines.end()}; }
};

// The software registrar behind the driver; `alter` may answer a request in
// its place (a registrar that departs from a rule).
struct Rig {
  using Alter = std::function<std::optional<std::vector<uint8_t>>(const std::vector<uint8_t>&)>;
  explicit Rig(Alter alter = {}) : alter_(std::move(alter)) {
    registrar.SetTapeSink(
        [this](const std::string& l) { tape.lines.push_back(emu::TapeFileLine(l)); });
    driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
        [this](const std::vector<uint8_t>& frame) -> std::vector<uint8_t> {
          if (alter_)
            if (auto reply = alter_(frame)) return *reply;
          return session.Feed(frame).bytes;
        }));
  }
  emu::Registrar registrar;
  emu::Session session{registrar};
  RegistrarTape tape;
  test::RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  Alter alter_;
};

// A request frame's SEQ and command bytes.
uint8_t Seq(const std::vector<uint8_t>& f) {
  return f[2];
}
uint8_t Code(const std::vector<uint8_t>& f) {
  return f[3];
}

std::vector<uint8_t> Reply(const std::vector<uint8_t>& request, std::string_view error) {
  uint8_t buf[link::kMaxReplyFrame + 32];
  const uint8_t status[6] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  const size_t n = link::BuildReplyFrame(Seq(request), Code(request), error, "", status, buf);
  return {buf, buf + n};
}

}  // namespace

TEST(Contract, statementsAreReadIntoStepsWithTheirExpectations) {
  const auto steps = Parsed(
      "# a comment\r\n"
      "\n"
      "step First one\n"
      "send 2b 731942;1;2;3;\n"
      "error ??06\n"
      "fields 2\n"
      "field 1 Ціна 12.50\n"
      "field 2 \n"
      "tape none\n"
      "tape line *** Контрольна ***\n"
      "tape ПРОДАЖ ВСЬОГО = 12.50\n"
      "step Second\n"
      "send 21\n");
  ASSERT_EQ(steps.size(), 2u);
  const ContractStep& s = steps[0];
  EXPECT_EQ(s.name, "First one");
  EXPECT_EQ(s.line, 3);
  EXPECT_EQ(s.code, 0x2B);
  EXPECT_EQ(s.wire, "731942;1;2;3;");
  EXPECT_EQ(s.error, "??06");
  EXPECT_EQ(s.fieldCount, 2);
  ASSERT_EQ(s.fields.size(), 2u);
  EXPECT_EQ(s.fields[0], (std::pair<int, std::string>{1, "Ціна 12.50"}));
  EXPECT_EQ(s.fields[1], (std::pair<int, std::string>{2, ""}));
  EXPECT_TRUE(s.printsNothing);
  EXPECT_EQ(s.tapeLines, std::vector<std::string>{"*** Контрольна ***"});
  ASSERT_EQ(s.tapeRows.size(), 1u);
  EXPECT_EQ(s.tapeRows[0].label, "ПРОДАЖ ВСЬОГО");
  EXPECT_EQ(s.tapeRows[0].value, "12.50");
  EXPECT_EQ(s.TapeChecks(), 3u);
  EXPECT_EQ(steps[1].error, "0000");  // the default
  EXPECT_EQ(steps[1].wire, "");
  EXPECT_EQ(link::Cp1251ToUtf8(Parsed("step x\nsend 61 731942;Ї;\n")[0].wire), "731942;Ї;");
}

TEST(Contract, aLineThatIsNoStatementIsNamedByItsNumber) {
  EXPECT_EQ(Problem("send 21 731942;\n"), "1: a statement before the first step");
  EXPECT_EQ(Problem("step a\nerror 0000\nstep b\nsend 21\n"), "3: the step before has no send");
  EXPECT_EQ(Problem("step a\nsend 21\nsend 21\n"), "3: a step sends one command");
  EXPECT_EQ(Problem("step a\nsend 2G x\n"),
            "2: send takes two hexadecimal digits, then the parameters");
  EXPECT_EQ(Problem("step a\nsend 21\nerror 06\n"),
            "3: an error code is four of 0-9, A-F and ?, or any");
  EXPECT_EQ(Problem("step a\nsend 21\nfields 21\n"), "3: fields takes a count from 0 to 20");
  EXPECT_EQ(Problem("step a\nsend 21\nfield 0 x\n"),
            "3: field takes a number from 1 to 20 and the text");
  EXPECT_EQ(Problem("step a\nsend 21\ntape ПРОДАЖ\n"),
            "3: tape takes none, line TEXT or LABEL = VALUE");
  EXPECT_EQ(Problem("step a\nsend 21\nexpect 0000\n"), "3: not a statement: expect");
  EXPECT_EQ(Problem("step\n"), "1: a step needs a name");
  EXPECT_EQ(Problem("step a\n"), "1: the step has no send");
  EXPECT_EQ(Problem("# nothing\n"), "no step");
  EXPECT_EQ(Problem("step a\nsend 61 731942;中;\n").rfind("2: PARAMS holds U+4E2D", 0), 0u);
}

TEST(Contract, errorPatternsMatchEachCharacterOrAny) {
  EXPECT_TRUE(cli::ErrorMatches("??06", "0006"));
  EXPECT_TRUE(cli::ErrorMatches("??06", "0306"));
  EXPECT_FALSE(cli::ErrorMatches("??06", "0305"));
  EXPECT_TRUE(cli::ErrorMatches("any", "0B0B"));
  EXPECT_FALSE(cli::ErrorMatches("0000", ""));
}

TEST(Conform, theShippedContractHoldsForTheSoftwareRegistrar) {
  const auto steps = Parsed(ShippedContract());
  Rig rig;
  const cli::ConformReport report = cli::RunContract(rig.driver, steps, &rig.tape);
  const std::string text = cli::ReportText(report, "registrar.contract");
  EXPECT_EQ(cli::ConformExitStatus(report), 0) << text;
  EXPECT_EQ(report.passed, steps.size()) << text;
  EXPECT_GE(steps.size(), 60u);
  std::printf("%s", text.c_str());
}

TEST(Conform, aRegistrarThatDepartsFromARuleIsNamedByTheStep) {
  const auto steps = Parsed(ShippedContract());
  // This registrar prints any service report it is asked for.
  Rig rig([](const std::vector<uint8_t>& f) -> std::optional<std::vector<uint8_t>> {
    if (Code(f) == 0x84) return Reply(f, "0000");
    return std::nullopt;
  });
  const cli::ConformReport report = cli::RunContract(rig.driver, steps, &rig.tape);
  EXPECT_EQ(cli::ConformExitStatus(report), 1);
  const std::string text = cli::ReportText(report, "registrar.contract");
  EXPECT_EQ(report.differing.size(), 2u) << text;
  EXPECT_NE(text.find(": step \"84h refuses a report it does not have\"\n"
                      "  error: expected 0102, got 0000\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("step \"84h refuses the fiscalization report before fiscalization\""),
            std::string::npos);
  EXPECT_NE(text.find(std::to_string(steps.size()) + " steps, " + std::to_string(steps.size() - 2) +
                      " as the contract says, 2 differ"),
            std::string::npos)
      << text;
}

TEST(Conform, fieldsAndTapeThatDifferAreEachSaid) {
  const auto steps = Parsed(
      "step Total\nsend 6D 731942;\nfield 1 12.50\n"
      "step Identify\nsend 80 731942;\nfields 3\nfield 20 x\n"
      "step Text\nsend 60 731942;\ntape none\ntape line ЩОСЬ\ntape СУМА = 1.00\n");
  Rig rig;
  const cli::ConformReport report = cli::RunContract(rig.driver, steps, &rig.tape);
  const std::string text = cli::ReportText(report, "c");
  EXPECT_EQ(text,
            "c:1: step \"Total\"\n"
            "  error: expected 0000, got 000B (Ошибка работы с продажами! Неверное состояние "
            "документа!)\n"
            "  field 1: expected \"12.50\", got none\n"
            "c:4: step \"Identify\"\n"
            "  fields: expected 3, got 11\n"
            "  field 20: expected \"x\", got none\n"
            "c:8: step \"Text\"\n"
            "  tape: expected nothing printed, got 1 lines, the first \"------ СЛУЖБОВИЙ ДОКУМЕНТ "
            "------\"\n"
            "  tape: no line \"ЩОСЬ\"\n"
            "  tape: no row \"СУМА\" with \"1.00\"\n"
            "c: 3 steps, 0 as the contract says, 3 differ\n");
}

TEST(Conform, withoutATapeItsChecksAreCountedAsNotMade) {
  const auto steps = Parsed("step Open\nsend 60 731942;\ntape none\ntape line x\n");
  Rig rig;
  const cli::ConformReport report = cli::RunContract(rig.driver, steps, nullptr);
  EXPECT_EQ(cli::ConformExitStatus(report), 0);
  EXPECT_EQ(cli::ReportText(report, "c"),
            "c: 1 steps, 1 as the contract says, 0 differ; 2 tape checks not made (no --tape)\n");
}

TEST(Conform, aRegistrarThatStopsAnsweringEndsTheRunWithStatusTwo) {
  const auto steps = Parsed(ShippedContract());
  int frames = 0;
  Rig rig([&](const std::vector<uint8_t>&) -> std::optional<std::vector<uint8_t>> {
    if (++frames > 3) return std::vector<uint8_t>{};  // silence
    return std::nullopt;
  });
  const cli::ConformReport report = cli::RunContract(rig.driver, steps, &rig.tape);
  EXPECT_EQ(cli::ConformExitStatus(report), 2);
  EXPECT_EQ(report.run, 4u);
  const std::string text = cli::ReportText(report, "c");
  // Silent right after the registrar answered: the step may have run.
  EXPECT_NE(text.find("  no answer: " + std::string(link::kUnknownOutcomeText) + "\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(", " + std::to_string(steps.size() - 4) + " not run"), std::string::npos)
      << text;
}

TEST(Conform, argumentsAreATapeFileAndOneContract) {
  cli::ConformArgs a;
  EXPECT_EQ(cli::ParseConformArgs({"--tape", "/tmp/t.txt", "c.contract"}, a), "");
  EXPECT_EQ(a.tape, "/tmp/t.txt");
  EXPECT_EQ(a.contract, "c.contract");
  EXPECT_EQ(cli::ParseConformArgs({"c.contract"}, a), "");
  EXPECT_EQ(a.tape, "");
  EXPECT_EQ(cli::ParseConformArgs({}, a), "conform needs [--tape FILE] and one CONTRACT file");
  EXPECT_EQ(cli::ParseConformArgs({"a", "b"}, a),
            "conform needs [--tape FILE] and one CONTRACT file");
  EXPECT_EQ(cli::ParseConformArgs({"--tape"}, a), "conform --tape needs a FILE");
}
