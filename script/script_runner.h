// The script interpreter: command lines and the small statement language,
// read line by line through a file position, never loaded whole.
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "script/conditions.h"
#include "link/driver.h"
#include "script/line_source.h"
#include "script/script_host.h"
#include "script/values.h"

namespace tesmar::script {

enum class Outcome {
  kEndOfFile,  // "Конец файла!"
  kFailed,     // a failure ended the run (its message was shown)
  kStopped,    // "Стоп" was seen after a command line
  kStepDone,   // one Step executed its line
  kRefused,    // nothing ran (no file, or a run already going)
};

class ScriptRunner {
 public:
  static constexpr int kMaxVariables = VariableTable::kMax;
  static constexpr int kMaxBlocks = 100;
  static constexpr size_t kLinePiece = LineSource::kLinePiece;

  ScriptRunner(link::Driver& driver, ScriptHost& host, link::Sleeper& sleeper);

  Outcome Run(const std::string& fileName);
  // Resumes after `lineNumber` lines (command lines and comments only).
  Outcome Continue(const std::string& fileName, long lineNumber);
  // Executes the one line after `lineNumber`; `lineNumber` becomes the new one.
  Outcome Step(const std::string& fileName, long& lineNumber);
  void Stop() { stopRequested_ = true; }
  // The monitor's activation: a Stop pressed while nothing ran is forgotten,
  // and the generator of Oper 7 starts from `seed`.
  void ClearStop() { stopRequested_ = false; }
  bool StopRequested() const { return stopRequested_; }
  void Seed(unsigned seed);
  unsigned LastSeed() const { return seed_; }

  bool Running() const { return running_; }
  const std::vector<ScriptVariable>& Variables() const { return run_.variables.All(); }
  void ClearVariables() { run_.variables.Clear(); }
  long LinesRead() const { return run_.linesRead; }
  // What the last command line or RunCommand of the run came to (kOk before
  // any): when it may have run, the run's failure was that command's.
  link::OutcomeKind LastCommandOutcome() const { return lastCommand_; }

 private:
  // A statement line as the keyword table matched it.
  struct Statement {
    const std::string& line;  // the whole trimmed line, as logged on failure
    std::string_view keyword;
    std::string arg;  // the text after the keyword, trimmed
    // The text after the keyword and one separator character, untrimmed.
    std::string AfterSeparator() const;
  };
  using Handler = void (ScriptRunner::*)(const Statement&);
  enum class Where {
    kDeclaration,  // on "%" lines only, refused while the declaration guard is set
    kPercentLine,  // on "%" lines only
    kAnyLine,      // also after any other first character; clears the guard
  };
  struct Keyword {
    std::string_view name;
    Where where;
    Handler handler;
  };
  static const Keyword kKeywords[];

  struct IfBlock {
    long position = -1, thenPosition = -1, elsePosition = -1;
    size_t depth = 0;
    Condition condition;
  };
  enum class WhileStatus { kNew, kLooping, kFinished };
  struct WhileBlock {
    long position = -1, endPosition = -1;
    WhileStatus status = WhileStatus::kNew;
    Condition condition;
  };
  // Everything one Run starts afresh.
  struct RunState {
    VariableTable variables;
    std::string prefix;
    int declarationState = 0;
    bool declarationGuard = false;
    std::vector<IfBlock> ifBlocks;
    std::vector<size_t> ifStack;
    std::vector<WhileBlock> whileBlocks;
    std::vector<size_t> whileStack;
    std::string searchTarget;
    bool skipToEndWhile = false;
    long linePosition = 0;
    long linesRead = 0;
  };
  class Failure {};  // ends the run; its message was already shown

  // Reading (script_runner.cpp).
  bool Open(const std::string& fileName);
  LineSource::Piece ReadLine(std::string& line);
  void RefuseTooLong(LineSource::Piece piece, long position);
  void SkipForward(const std::string& target);
  void SkipToEndWhile();
  void TakePendingSkip();

  // Run, Continue, Step (script_runner.cpp).
  Outcome RunLoop();
  void HandleLine(const std::string& line);
  bool BeginFromLine(const std::string& fileName, long lineNumber);
  LineSource::Piece ReadNumbered(std::string& raw, long& at, long& lineNumber);
  Outcome ContinueLoop(long lineNumber);
  Outcome StepLoop(long& lineNumber);
  void PrintComment(const std::string& line);
  bool HandleStatement(const std::string& line);
  // One command line: every failure ends the run or the step.
  void RunCommandLine(const std::string& line);
  // The exchange of a command line or RunCommand, judged for the run.
  const link::ReplyRecord& Exchange(int code, const std::string& params, bool refusalFails);
  void ShowReplyBoxes(const link::ReplyRecord& r);
  [[noreturn]] void Fail(const std::string& message, const std::string& logLine = std::string());
  void RequireState(bool ok, const char* message);
  void RequireBlockState();

  // Statements (statements.cpp).
  void DeclareBeg(const Statement& s);
  void New(const Statement& s);
  void DeclareEnd(const Statement& s);
  void Delay(const Statement& s);
  void SetSpeed(const Statement& s);
  void Set(const Statement& s);
  void RunCommand(const Statement& s);
  void Oper(const Statement& s);
  void Print(const Statement& s);
  bool ReplyField(const std::string& text, std::string& value) const;

  // If and While blocks (blocks.cpp).
  void If(const Statement& s);
  void Then(const Statement& s);
  void Else(const Statement& s);
  void EndIf(const Statement& s);
  void While(const Statement& s);
  void EndWhile(const Statement& s);
  size_t EnterIf(const Statement& s);
  size_t EnterWhile(const Statement& s);

  link::Driver& driver_;
  ScriptHost& host_;
  link::Sleeper& sleeper_;
  LineSource source_;
  bool running_ = false;
  bool stopRequested_ = false;
  std::mt19937 random_;
  unsigned seed_ = 0;
  RunState run_;
  link::OutcomeKind lastCommand_ = link::OutcomeKind::kOk;
};

}  // namespace tesmar::script
