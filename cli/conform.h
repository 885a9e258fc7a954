// `tesmar-cli conform`: runs a registrar contract (contract.h) step by step
// and reports each step whose answer or printing differs from the contract.
#pragma once

#include <string>
#include <vector>

#include "cli/contract.h"
#include "link/driver.h"

namespace tesmar::cli {

// conform's arguments: [--tape FILE] CONTRACT.
struct ConformArgs {
  std::string contract, tape;
};
// Empty, or what is wrong with them.
std::string ParseConformArgs(const std::vector<std::string>& args, ConformArgs& out);

// Where the registrar's printing can be read back: the lines printed since
// the last Mark(), in UTF-8.
class TapeReader {
 public:
  virtual ~TapeReader() = default;
  virtual void Mark() = 0;
  virtual std::vector<std::string> Since() = 0;
};

// The tape file a registrar appends each printed line to (tesmar-emu --tape).
class TapeFileReader : public TapeReader {
 public:
  explicit TapeFileReader(std::string path) : path_(std::move(path)) {}
  void Mark() override;
  std::vector<std::string> Since() override;

 private:
  std::string path_;
  std::streamoff mark_ = 0;
};

struct StepDifference {
  const ContractStep* step = nullptr;
  std::vector<std::string> what;  // one line each
};

struct ConformReport {
  size_t steps = 0;  // in the contract
  size_t run = 0;    // sent
  size_t passed = 0;
  size_t tapeChecksNotMade = 0;  // no tape to read them from
  std::vector<StepDifference> differing;
  bool lineFailed = false;  // the registrar stopped answering: the rest was not run
};

// Runs the steps in order; `tape` may be null (a registrar whose printing
// cannot be read, such as one with paper).
ConformReport RunContract(link::Driver& driver, const std::vector<ContractStep>& steps,
                          TapeReader* tape);

// What conform prints: each differing step with what differs, then a line
// of counts.
std::string ReportText(const ConformReport& report, const std::string& contract);

// 0 every step as the contract says, 1 some differ, 2 the registrar
// stopped answering.
int ConformExitStatus(const ConformReport& report);

}  // namespace tesmar::cli
