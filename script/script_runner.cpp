#include "script/script_runner.h"

#include <cstdio>
#include <ctime>

#include "link/encoding.h"
#include "link/hex.h"
#include "link/reply_decoder.h"

namespace tesmar::script {

namespace {

constexpr const char* kNoFile = Tesmar::mark("Внимание! Файл не выбран!");
constexpr const char* kEndOfFile = Tesmar::mark("Конец файла!");
constexpr const char* kAlreadyRunning = Tesmar::mark("Скрипт уже выполняется!");
constexpr const char* kTimeout = Tesmar::mark("Ошибка выполнения команды. Таймаут");
constexpr const char* kCommandFailed = Tesmar::mark("Ошибка выполнения команды");
constexpr const char* kChecksum = Tesmar::mark("Неверная контрольная сумма");

std::string StatusText(const link::ReplyRecord& r) {
  std::string s;
  char b[4];
  for (uint8_t v : r.status) {
    std::snprintf(b, sizeof b, "%02X ", v);
    s += b;
  }
  return s;
}

}  // namespace

// The statement keywords in the order they are tested: by prefix, so
// "SetSpeed" comes before "Set".
const ScriptRunner::Keyword ScriptRunner::kKeywords[] = {
    {"DeclareBeg", Where::kDeclaration, &ScriptRunner::DeclareBeg},
    {"New", Where::kDeclaration, &ScriptRunner::New},
    {"DeclareEnd", Where::kDeclaration, &ScriptRunner::DeclareEnd},
    {"Delay", Where::kPercentLine, &ScriptRunner::Delay},
    {"SetSpeed", Where::kPercentLine, &ScriptRunner::SetSpeed},
    {"Set", Where::kPercentLine, &ScriptRunner::Set},
    {"While", Where::kAnyLine, &ScriptRunner::While},
    {"EndWhile", Where::kAnyLine, &ScriptRunner::EndWhile},
    {"If", Where::kAnyLine, &ScriptRunner::If},
    {"Then", Where::kAnyLine, &ScriptRunner::Then},
    {"Else", Where::kAnyLine, &ScriptRunner::Else},
    {"EndIf", Where::kAnyLine, &ScriptRunner::EndIf},
    {"RunCommand", Where::kAnyLine, &ScriptRunner::RunCommand},
    {"Oper", Where::kAnyLine, &ScriptRunner::Oper},
    {"Print", Where::kAnyLine, &ScriptRunner::Print},
};

std::string ScriptRunner::Statement::AfterSeparator() const {
  const size_t from = 1 + keyword.size() + 1;
  return line.size() > from ? line.substr(from) : std::string();
}

ScriptRunner::ScriptRunner(link::Driver& driver, ScriptHost& host, link::Sleeper& sleeper)
    : driver_(driver), host_(host), sleeper_(sleeper) {}

void ScriptRunner::Seed(unsigned seed) {
  seed_ = seed;
  random_.seed(seed);
}

// --- reading ---------------------------------------------------------------------------

bool ScriptRunner::Open(const std::string& fileName) {
  switch (source_.Open(fileName)) {
    case LineSource::Opened::kOk:
      return true;
    case LineSource::Opened::kNotAFile:
      host_.Message(Tesmar::mark("Ошибка - \"") + fileName + Tesmar::mark("\" не является файлом!"));
      return false;
    case LineSource::Opened::kCannotOpen:
      host_.Message(Tesmar::mark("Ошибка - файл скрипта не открывается: ") + fileName);
      return false;
  }
  return false;
}

// A read error is not the end of the file: the run ends on it.
LineSource::Piece ScriptRunner::ReadLine(std::string& line) {
  const LineSource::Piece piece = source_.Read(line);
  if (piece == LineSource::Piece::kReadError)
    Fail(Tesmar::mark("Ошибка чтения файла скрипта: ") + source_.FileName() + ": " + source_.ReadError());
  return piece;
}

// Ends the run when the line read at `position` was too long.
void ScriptRunner::RefuseTooLong(LineSource::Piece piece, long position) {
  if (piece != LineSource::Piece::kTooLong) return;
  Fail(Tesmar::mark("Ошибка - строка ") + std::to_string(source_.LineNumberAt(position)) + Tesmar::mark(" длиннее ") +
       std::to_string(kLinePiece) + Tesmar::mark(" символов!"));
}

// To the next line that holds `target` anywhere, or to the end of the file.
void ScriptRunner::SkipForward(const std::string& target) {
  std::string line;
  for (;;) {
    const long at = source_.Position();
    if (ReadLine(line) == LineSource::Piece::kEnd) return;  // the run meets the end
    if (CleanLine(line, false).find(target) != std::string::npos) {
      source_.Seek(at);
      return;
    }
  }
}

// The EndWhile that closes the While just read, nested loops counted.
void ScriptRunner::SkipToEndWhile() {
  std::string line;
  int depth = 0;
  for (;;) {
    const long at = source_.Position();
    if (ReadLine(line) == LineSource::Piece::kEnd) return;
    const std::string t = CleanLine(line, true);
    if (t.rfind("%EndWhile", 0) == 0) {
      if (depth == 0) {
        source_.Seek(at);
        return;
      }
      --depth;
    } else if (t.rfind("%While", 0) == 0) {
      ++depth;
    }
  }
}

// The skip forward that an If, Then, Else or While asked for.
void ScriptRunner::TakePendingSkip() {
  if (!run_.searchTarget.empty()) {
    SkipForward(run_.searchTarget);
    run_.searchTarget.clear();
  }
  if (run_.skipToEndWhile) {
    SkipToEndWhile();
    run_.skipToEndWhile = false;
  }
}

// --- Run --------------------------------------------------------------------------------

void ScriptRunner::Fail(const std::string& message, const std::string& logLine) {
  host_.Message(message);
  if (!logLine.empty()) host_.Log(logLine);
  run_.declarationState = 4;
  throw Failure();
}

void ScriptRunner::RequireState(bool ok, const char* message) {
  if (!ok) Fail(message);
}

Outcome ScriptRunner::Run(const std::string& fileName) {
  if (running_) {
    host_.Message(kAlreadyRunning);
    return Outcome::kRefused;
  }
  if (fileName.empty()) {
    host_.Message(kNoFile);
    return Outcome::kRefused;
  }
  Seed(static_cast<unsigned>(std::time(nullptr)));
  stopRequested_ = false;
  if (!Open(fileName)) return Outcome::kFailed;
  run_ = RunState();
  lastCommand_ = link::OutcomeKind::kOk;
  running_ = true;
  Outcome outcome;
  try {
    outcome = RunLoop();
  } catch (const Failure&) {
    outcome = Outcome::kFailed;
  }
  running_ = false;
  if (!host_.NoRepaint()) host_.Repaint();
  source_.Close();
  return outcome;
}

Outcome ScriptRunner::RunLoop() {
  std::string raw;
  for (;;) {
    TakePendingSkip();
    run_.linePosition = source_.Position();
    const LineSource::Piece piece = ReadLine(raw);
    if (piece == LineSource::Piece::kEnd) {
      host_.Message(kEndOfFile);
      host_.ShowLineNumber(0);
      return Outcome::kEndOfFile;
    }
    host_.ShowLineNumber(++run_.linesRead);
    host_.ProcessEvents();
    // Stop is honoured between any two lines, so a loop of statements alone
    // can be stopped too. The line just read has not run: the line box
    // leaves it for Continue.
    if (stopRequested_) {
      host_.ShowLineNumber(--run_.linesRead);
      return Outcome::kStopped;
    }
    RefuseTooLong(piece, run_.linePosition);
    const std::string line = CleanLine(raw, true);
    if (line.empty() || HandleStatement(line) || line[0] == ';') continue;
    if (line[0] == '+') {
      PrintComment(line);
      continue;
    }
    RunCommandLine(line);
    host_.ProcessEvents();
    if (stopRequested_) return Outcome::kStopped;
    if (!host_.NoRepaint()) host_.Repaint();
  }
}

// The first keyword of the table that the text after the first character
// begins with runs; a failure of its values or conditions ends the run.
bool ScriptRunner::HandleStatement(const std::string& line) {
  const std::string_view rest = std::string_view(line).substr(1);
  for (const Keyword& k : kKeywords) {
    if (rest.substr(0, k.name.size()) != k.name) continue;
    if (k.where != Where::kAnyLine && line[0] != '%') continue;
    if (k.where == Where::kAnyLine) run_.declarationGuard = false;
    if (k.where == Where::kDeclaration && run_.declarationGuard)
      Fail(Tesmar::mark("Ошибка - неверное расположение описания данных."));
    const Statement s{line, k.name, Trim(std::string(rest.substr(k.name.size())))};
    try {
      (this->*k.handler)(s);
    } catch (const ScriptError& e) {
      Fail(e.message, e.logsLine ? line : std::string());
    }
    return true;
  }
  return false;
}

void ScriptRunner::PrintComment(const std::string& line) {
  if (!host_.SuppressOutput())
    host_.Log(link::Utf8ToCp1251(Tesmar::mark("Комментарий:: ")) + line.substr(1) + "!!!");
}

// --- command lines ----------------------------------------------------------------------

void ScriptRunner::ShowReplyBoxes(const link::ReplyRecord& r) {
  host_.ShowReply(std::string(r.errorCode.View()), StatusText(r));
}

void ScriptRunner::RunCommandLine(const std::string& line) {
  if (line.size() < 9) Fail(Tesmar::mark("Ошибка - строка команды короче 9 символов!"), line);
  const int hi = link::HexDigit(line[0], link::HexCase::kAny);
  const int lo = link::HexDigit(line[1], link::HexCase::kAny);
  if (hi < 0 || lo < 0) Fail(Tesmar::mark("Неверный код команды!"), line);  // refused, not sent
  host_.ShowCommand(line.substr(0, 2), line.substr(2, 6), line.size() > 9 ? line.substr(9) : "");
  host_.ProcessEvents();

  const link::ReplyRecord& r = Exchange(hi * 16 + lo, line.substr(2), true);
  if (host_.SuppressOutput()) return;
  host_.Log("PC: " + std::string(r.sentFrame.View().substr(1)));
  host_.Log("FP: " + std::string(r.rawReply.View().substr(r.rawReply.Empty() ? 0 : 1)));
  ShowReplyBoxes(r);
}

// A reply that is not the command's own ends the run; so does the
// registrar's refusal when `refusalFails` (RunCommand reads the reply's code
// and fields itself).
const link::ReplyRecord& ScriptRunner::Exchange(int code, const std::string& params,
                                                bool refusalFails) {
  const link::ReplyRecord& r = driver_.ExecuteCommand(code, params);
  lastCommand_ = r.outcome;
  if (!driver_.Message().empty()) Fail(driver_.Message());
  host_.ReplyReceived(r);
  switch (link::OutcomeOf(r).kind) {
    case link::OutcomeKind::kOk:
      return r;
    case link::OutcomeKind::kRefused:
      if (!refusalFails) return r;
      ShowReplyBoxes(r);
      Fail(kCommandFailed);
    case link::OutcomeKind::kNoAnswer:
      Fail(kTimeout);
    case link::OutcomeKind::kChecksum:
      Fail(kChecksum);
    case link::OutcomeKind::kUnknown:
      Fail(link::kUnknownOutcomeText);
    default:
      Fail(kCommandFailed);  // a NAK holds no error code of its own
  }
}

// --- Continue and Step ---------------------------------------------------------------

// Continue and Step: open the file and pass over the lines already done.
bool ScriptRunner::BeginFromLine(const std::string& fileName, long lineNumber) {
  if (running_) {
    host_.Message(kAlreadyRunning);
    return false;
  }
  if (fileName.empty()) {
    host_.Message(kNoFile);
    return false;
  }
  if (!Open(fileName)) return false;
  running_ = true;
  lastCommand_ = link::OutcomeKind::kOk;
  std::string raw;
  try {
    for (long i = 0; i < lineNumber && ReadLine(raw) != LineSource::Piece::kEnd; ++i) {
    }
  } catch (const Failure&) {
    running_ = false;
    source_.Close();
    return false;
  }
  return true;
}

Outcome ScriptRunner::Continue(const std::string& fileName, long lineNumber) {
  if (!BeginFromLine(fileName, lineNumber)) return Outcome::kRefused;
  stopRequested_ = false;
  Outcome outcome;
  try {
    outcome = ContinueLoop(lineNumber);
  } catch (const Failure&) {
    outcome = Outcome::kFailed;
  }
  running_ = false;
  source_.Close();
  return outcome;
}

// The next line under Continue and Step, read at `at`: the line box shows
// its number, or 0 after "Конец файла!".
LineSource::Piece ScriptRunner::ReadNumbered(std::string& raw, long& at, long& lineNumber) {
  at = source_.Position();
  const LineSource::Piece piece = ReadLine(raw);
  if (piece == LineSource::Piece::kEnd) {
    host_.Message(kEndOfFile);
    lineNumber = 0;
  } else {
    ++lineNumber;
  }
  host_.ShowLineNumber(lineNumber);
  return piece;
}

// Lines are used as read, less the control characters at their end: not
// trimmed, so leading blanks move the code field.
Outcome ScriptRunner::ContinueLoop(long n) {
  std::string raw;
  for (;;) {
    long at = 0;
    const LineSource::Piece piece = ReadNumbered(raw, at, n);
    if (piece == LineSource::Piece::kEnd) return Outcome::kEndOfFile;
    host_.ProcessEvents();
    RefuseTooLong(piece, at);
    const std::string line = CleanLine(raw, false);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '+') {
      PrintComment(line);
      continue;
    }
    RunCommandLine(line);
    if (stopRequested_) return Outcome::kStopped;
  }
}

Outcome ScriptRunner::Step(const std::string& fileName, long& lineNumber) {
  if (!BeginFromLine(fileName, lineNumber)) return Outcome::kRefused;
  Outcome outcome;
  try {
    outcome = StepLoop(lineNumber);
  } catch (const Failure&) {
    outcome = Outcome::kFailed;
  }
  host_.ShowLineNumber(lineNumber);
  running_ = false;
  source_.Close();
  return outcome;
}

// One line; empty lines before it are taken over within the same step.
Outcome ScriptRunner::StepLoop(long& lineNumber) {
  std::string raw;
  for (;;) {
    long at = 0;
    const LineSource::Piece piece = ReadNumbered(raw, at, lineNumber);
    if (piece == LineSource::Piece::kEnd) return Outcome::kEndOfFile;
    RefuseTooLong(piece, at);
    const std::string line = CleanLine(raw, false);
    if (line.empty()) continue;
    if (line[0] == '+') PrintComment(line);
    if (line[0] != ';' && line[0] != '+') RunCommandLine(line);
    return Outcome::kStepDone;
  }
}

}  // namespace tesmar::script
