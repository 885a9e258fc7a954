// The script interpreter: command lines and the small statement language,
// read line by line through a file position, never loaded whole.
#pragma once

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "driver.h"
#include "script_host.h"

namespace tesmar::script {

enum class Outcome {
  kEndOfFile,  // "Конец файла!"
  kFailed,     // a failure ended the run (its message was shown)
  kStopped,    // "Стоп" was seen after a command line
  kStepDone,   // one Step executed its line
  kRefused,    // nothing ran (no file, or a run already going)
};

struct ScriptVariable {
  std::string name;  // full name: prefix + declared name
  std::string value;
};

class ScriptRunner {
 public:
  static constexpr int kMaxVariables = 100;
  static constexpr int kMaxBlocks = 100;
  static constexpr size_t kLinePiece = 299;

  ScriptRunner(link::Driver& driver, ScriptHost& host, link::Sleeper& sleeper);
  ~ScriptRunner();

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
  const std::vector<ScriptVariable>& Variables() const { return variables_; }
  void ClearVariables() { variables_.clear(); }
  long LinesRead() const { return linesRead_; }
  // What the last command line or RunCommand of the run came to (kOk before
  // any): when it may have run, the run's failure was that command's.
  link::OutcomeKind LastCommandOutcome() const { return lastCommand_; }

 private:
  enum class Op { kLess, kLessEqual, kEqual, kGreaterEqual, kGreater };
  struct Operand {
    bool isVariable = false;
    bool isText = false;  // a literal in double quotes
    int variable = -1;
    std::string literal;
  };
  struct Condition {
    Op op = Op::kEqual;
    Operand left, right;
    bool value = false;
  };
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
  class Failure {};  // ends the run; its message was already shown
  enum class Piece { kEnd, kLine, kTooLong };

  // Reading. Open shows its own message when the file cannot be used.
  bool Open(const std::string& fileName);
  void Close();
  // One line of at most kLinePiece bytes; a longer line is read to its end
  // and reported as too long.
  Piece ReadPiece(std::string& line);
  // Ends the run when the line read at `position` was too long.
  void RefuseTooLong(Piece piece, long position);
  // Ends the run when the file could not be read.
  void RefuseReadError();
  long LineNumberAt(long position);
  void Seek(long position);
  void SkipForward(const std::string& target);
  void SkipToEndWhile();

  // Run, Continue, Step.
  Outcome RunLoop();
  bool BeginFromLine(const std::string& fileName, long lineNumber);
  void PrintComment(const std::string& line);
  bool HandleStatement(const std::string& line);
  // One command line: every failure ends the run or the step.
  void RunCommandLine(const std::string& line);
  [[noreturn]] void Fail(const std::string& message, const std::string& logLine = std::string());
  void RequireState(bool ok, const char* message);

  // Statements.
  void Declare(const std::string& keyword, const std::string& line);
  void Delay(const std::string& line);
  void SetSpeed(const std::string& line);
  void Set(const std::string& line);
  void If(const std::string& line);
  void Then();
  void Else();
  void EndIf();
  void While(const std::string& line);
  void EndWhile();
  void RunCommand(const std::string& line);
  void Oper(const std::string& line);
  void Print(const std::string& arg);

  // Values.
  bool Resolve(const std::string& text, bool allowText, Operand& out) const;
  std::string ValueOf(const Operand& o) const;
  long long Number(const std::string& text);
  double FloatNumber(const std::string& text);
  long long Arithmetic(long op, long long x, long long y, const std::string& line);
  std::string Divide(const std::string& a, const std::string& b, const std::string& line);
  Condition ParseCondition(const std::string& arg, const char* noOperatorMessage,
                           const std::string& line);
  bool Evaluate(Condition& c);
  bool RetField(const std::string& text, std::string& value);
  int FindVariable(const std::string& name) const;
  std::string Compute(const Operand& a, const Operand& b, long op, const std::string& line);

  void ShowReplyBoxes(const link::ReplyRecord& r);

  link::Driver& driver_;
  ScriptHost& host_;
  link::Sleeper& sleeper_;
  std::FILE* file_ = nullptr;
  std::string fileName_;  // the file being run, for messages
  bool running_ = false;
  bool stopRequested_ = false;
  std::mt19937 random_;
  unsigned seed_ = 0;

  // Interpreter state of one Run.
  std::vector<ScriptVariable> variables_;
  std::string prefix_;
  int declarationState_ = 0;
  bool declarationGuard_ = false;
  std::vector<IfBlock> ifBlocks_;
  std::vector<size_t> ifStack_;
  std::vector<WhileBlock> whileBlocks_;
  std::vector<size_t> whileStack_;
  std::string searchTarget_;
  bool skipToEndWhile_ = false;
  long linePosition_ = 0;
  long linesRead_ = 0;
  link::OutcomeKind lastCommand_ = link::OutcomeKind::kOk;
};

// Removes control characters from the end; then, when `trim`, blanks and
// control characters from both ends.
std::string CleanLine(const std::string& line, bool trim);

}  // namespace tesmar::script
