#include "script_runner.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "encoding.h"
#include "reply_decoder.h"

namespace tesmar::script {

namespace {

constexpr const char* kKeywords[] = {"DeclareBeg", "New",   "DeclareEnd", "Delay", "SetSpeed",
                                     "Set",        "While", "EndWhile",   "If",    "Then",
                                     "Else",       "EndIf", "RunCommand", "Oper",  "Print"};
constexpr int kPercentOnlyKeywords = 6;  // the first six need a "%" line

constexpr const char* kWrongSection =
    Tesmar::mark("Ошибка - ошибка в описаниях. Оператор New расположен вне секции описаний.");
constexpr const char* kNoFile = Tesmar::mark("Внимание! Файл не выбран!");
constexpr const char* kEndOfFile = Tesmar::mark("Конец файла!");
constexpr const char* kTimeout = Tesmar::mark("Ошибка выполнения команды. Таймаут");
constexpr const char* kCommandFailed = Tesmar::mark("Ошибка выполнения команды");
constexpr const char* kChecksum = Tesmar::mark("Неверная контрольная сумма");
constexpr const char* kDivisionByZero = Tesmar::mark("Ошибка - деление на ноль!");
constexpr const char* kOverflow = Tesmar::mark("Ошибка - переполнение при вычислении!");
constexpr int kSetSpeedFailureWaitMs = 500;

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlankOrControl(s[b])) ++b;
  while (e > b && IsBlankOrControl(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool AllDigits(const std::string& s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool Quoted(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The text between the first "(" and the last ")" (or to the end), split at ",".
std::vector<std::string> ParenthesisFields(const std::string& arg) {
  const size_t open = arg.find('(');
  std::string inner = open == std::string::npos ? arg : arg.substr(open + 1);
  const size_t close = inner.rfind(')');
  if (close != std::string::npos) inner.resize(close);
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = inner.find(',', start);
    fields.push_back(Trim(inner.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

std::string StatusText(const link::ReplyRecord& r) {
  std::string s;
  char b[4];
  for (uint8_t v : r.status) {
    std::snprintf(b, sizeof b, "%02X ", v);
    s += b;
  }
  return s;
}

// Day, month, year, hour, minute and second letters: d dd m mm yy yyyy h hh
// n nn s ss (either case); anything else is copied.
std::string FormatDateTime(const std::string& pattern, const std::tm& t) {
  std::string out;
  char buf[8];
  for (size_t i = 0; i < pattern.size();) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    size_t run = 1;
    while (i + run < pattern.size() &&
           std::tolower(static_cast<unsigned char>(pattern[i + run])) == c)
      ++run;
    int value = -1;
    switch (c) {
      case 'd':
        value = t.tm_mday;
        break;
      case 'm':
        value = t.tm_mon + 1;
        break;
      case 'y':
        value = run >= 4 ? t.tm_year + 1900 : (t.tm_year % 100);
        break;
      case 'h':
        value = t.tm_hour;
        break;
      case 'n':
        value = t.tm_min;
        break;
      case 's':
        value = t.tm_sec;
        break;
      default:
        break;
    }
    if (value < 0) {
      out.append(pattern, i, run);
    } else {
      std::snprintf(buf, sizeof buf, run >= 4 ? "%04d" : run >= 2 ? "%02d" : "%d", value);
      out += buf;
    }
    i += run;
  }
  return out;
}

// Characters from `from` (counted from 0), as many of `n` as there are.
std::string Part(const std::string& s, size_t from, size_t n) {
  return from < s.size() ? s.substr(from, n) : std::string();
}

// A text of digits as a number; leading zeros do not count, and anything too
// long for a field or operation number reads as 1000.
long SmallNumber(const std::string& digits) {
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  if (digits.size() - first > 3) return 1000;
  return std::stol(digits.substr(first));
}

}  // namespace

std::string CleanLine(const std::string& line, bool trim) {
  std::string s = line;
  while (!s.empty() && static_cast<unsigned char>(s.back()) < 32) s.pop_back();
  return trim ? Trim(s) : s;
}

ScriptRunner::ScriptRunner(link::Driver& driver, ScriptHost& host, link::Sleeper& sleeper)
    : driver_(driver), host_(host), sleeper_(sleeper) {}

ScriptRunner::~ScriptRunner() {
  Close();
}

// --- reading ---------------------------------------------------------------------------

void ScriptRunner::Seed(unsigned seed) {
  seed_ = seed;
  random_.seed(seed);
}

// A folder (or a device, a pipe) is no script: reading it would end at once
// as an empty file, or wait for input that never comes.
bool ScriptRunner::Open(const std::string& fileName) {
  Close();
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(fileName, ec);
  if (std::filesystem::exists(st) && !std::filesystem::is_regular_file(st)) {
    host_.Message(Tesmar::mark("Ошибка - \"") + fileName + Tesmar::mark("\" не является файлом!"));
    return false;
  }
  fileName_ = fileName;
  file_ = std::fopen(fileName.c_str(), "rb");
  if (!file_) host_.Message(Tesmar::mark("Ошибка - файл скрипта не открывается: ") + fileName);
  return file_ != nullptr;
}
void ScriptRunner::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

// Read byte by byte so that a NUL inside a line cannot hide the rest of it.
ScriptRunner::Piece ScriptRunner::ReadPiece(std::string& line) {
  char buf[kLinePiece];
  size_t n = 0;
  int c = 0;
  while (n < kLinePiece && (c = getc_unlocked(file_)) != EOF) {
    buf[n++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  RefuseReadError();
  line.assign(buf, n);
  if (n < kLinePiece || c == '\n') return n == 0 ? Piece::kEnd : Piece::kLine;
  // A full piece is the whole line when only its line end follows; that line
  // end is then read as an empty line of its own.
  const long rest = std::ftell(file_);
  bool longer = false;
  while ((c = getc_unlocked(file_)) != EOF && c != '\n')
    if (c >= 32) longer = true;
  RefuseReadError();
  if (longer) return Piece::kTooLong;  // read to its end: no piece of it runs
  Seek(rest);
  return Piece::kLine;
}

// A read error is not the end of the file: the run ends on it, and a line
// cut short by it does not run.
void ScriptRunner::RefuseReadError() {
  if (!std::ferror(file_)) return;
  Fail(Tesmar::mark("Ошибка чтения файла скрипта: ") + fileName_ + ": " + std::strerror(errno));
}

void ScriptRunner::RefuseTooLong(Piece piece, long position) {
  if (piece != Piece::kTooLong) return;
  Fail(Tesmar::mark("Ошибка - строка ") + std::to_string(LineNumberAt(position)) + Tesmar::mark(" длиннее ") +
       std::to_string(kLinePiece) + Tesmar::mark(" символов!"));
}

// The number of the line in the file that starts at `position`, counted
// from 1 (loops and jumps make LinesRead a different count).
long ScriptRunner::LineNumberAt(long position) {
  const long back = std::ftell(file_);
  Seek(0);
  long n = 1;
  for (long i = 0; i < position; ++i)
    if (std::getc(file_) == '\n') ++n;
  Seek(back);
  return n;
}

void ScriptRunner::Seek(long position) {
  std::fseek(file_, position, SEEK_SET);
}

void ScriptRunner::SkipForward(const std::string& target) {
  std::string line;
  for (;;) {
    const long at = std::ftell(file_);
    if (ReadPiece(line) == Piece::kEnd) return;  // the run then meets the end of the file
    if (CleanLine(line, false).find(target) != std::string::npos) {
      Seek(at);
      return;
    }
  }
}

// The EndWhile that closes the While just read, nested loops counted.
void ScriptRunner::SkipToEndWhile() {
  std::string line;
  int depth = 0;
  for (;;) {
    const long at = std::ftell(file_);
    if (ReadPiece(line) == Piece::kEnd) return;
    const std::string t = CleanLine(line, true);
    if (t.rfind("%EndWhile", 0) == 0) {
      if (depth == 0) {
        Seek(at);
        return;
      }
      --depth;
    } else if (t.rfind("%While", 0) == 0) {
      ++depth;
    }
  }
}

// --- Run --------------------------------------------------------------------------------

void ScriptRunner::Fail(const std::string& message, const std::string& logLine) {
  host_.Message(message);
  if (!logLine.empty()) host_.Log(logLine);
  declarationState_ = 4;
  throw Failure();
}

void ScriptRunner::RequireState(bool ok, const char* message) {
  if (!ok) Fail(message);
}

Outcome ScriptRunner::Run(const std::string& fileName) {
  if (running_) {
    host_.Message(Tesmar::mark("Скрипт уже выполняется!"));
    return Outcome::kRefused;
  }
  if (fileName.empty()) {
    host_.Message(kNoFile);
    return Outcome::kRefused;
  }
  Seed(static_cast<unsigned>(std::time(nullptr)));
  stopRequested_ = false;
  if (!Open(fileName)) return Outcome::kFailed;
  variables_.clear();
  prefix_.clear();
  declarationState_ = 0;
  declarationGuard_ = false;
  ifBlocks_.clear();
  ifStack_.clear();
  whileBlocks_.clear();
  whileStack_.clear();
  searchTarget_.clear();
  skipToEndWhile_ = false;
  linesRead_ = 0;
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
  Close();
  return outcome;
}

Outcome ScriptRunner::RunLoop() {
  std::string raw;
  for (;;) {
    if (!searchTarget_.empty()) {
      SkipForward(searchTarget_);
      searchTarget_.clear();
    }
    if (skipToEndWhile_) {
      SkipToEndWhile();
      skipToEndWhile_ = false;
    }
    linePosition_ = std::ftell(file_);
    const Piece piece = ReadPiece(raw);
    if (piece == Piece::kEnd) {
      host_.Message(kEndOfFile);
      host_.ShowLineNumber(0);
      return Outcome::kEndOfFile;
    }
    host_.ShowLineNumber(++linesRead_);
    host_.ProcessEvents();
    // Stop is honoured between any two lines, so a loop of statements alone
    // can be stopped too. The line just read has not run: the line box
    // leaves it for Continue.
    if (stopRequested_) {
      host_.ShowLineNumber(--linesRead_);
      return Outcome::kStopped;
    }
    RefuseTooLong(piece, linePosition_);
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

bool ScriptRunner::HandleStatement(const std::string& line) {
  const std::string rest = line.substr(1);
  for (int i = 0; i < static_cast<int>(std::size(kKeywords)); ++i) {
    const std::string kw = kKeywords[i];
    if (rest.compare(0, kw.size(), kw) != 0) continue;
    if (i < kPercentOnlyKeywords && line[0] != '%') continue;
    const std::string arg = Trim(rest.substr(kw.size()));
    if (i >= kPercentOnlyKeywords) declarationGuard_ = false;
    if (kw == "DeclareBeg" || kw == "New" || kw == "DeclareEnd")
      Declare(kw, arg);
    else if (kw == "Delay")
      Delay(line);
    else if (kw == "SetSpeed")
      SetSpeed(line);
    else if (kw == "Set")
      Set(line);
    else if (kw == "While")
      While(line);
    else if (kw == "EndWhile")
      EndWhile();
    else if (kw == "If")
      If(line);
    else if (kw == "Then")
      Then();
    else if (kw == "Else")
      Else();
    else if (kw == "EndIf")
      EndIf();
    else if (kw == "RunCommand")
      RunCommand(line);
    else if (kw == "Oper")
      Oper(line);
    else
      Print(arg);
    return true;
  }
  return false;
}

void ScriptRunner::ShowReplyBoxes(const link::ReplyRecord& r) {
  host_.ShowReply(std::string(r.errorCode.View()), StatusText(r));
}

void ScriptRunner::RunCommandLine(const std::string& line) {
  if (line.size() < 9) Fail(Tesmar::mark("Ошибка - строка команды короче 9 символов!"), line);
  const int hi = HexDigit(line[0]), lo = HexDigit(line[1]);
  if (hi < 0 || lo < 0) Fail(Tesmar::mark("Неверный код команды!"), line);  // refused, not sent
  host_.ShowCommand(line.substr(0, 2), line.substr(2, 6), line.size() > 9 ? line.substr(9) : "");
  host_.ProcessEvents();

  const link::ReplyRecord& r = driver_.ExecuteCommand(hi * 16 + lo, line.substr(2));
  lastCommand_ = r.outcome;
  if (!driver_.Message().empty()) Fail(driver_.Message());
  host_.ReplyReceived(r);
  switch (link::OutcomeOf(r).kind) {
    case link::OutcomeKind::kOk: break;
    case link::OutcomeKind::kNoAnswer: Fail(kTimeout);
    case link::OutcomeKind::kChecksum: Fail(kChecksum);
    case link::OutcomeKind::kUnknown: Fail(link::kUnknownOutcomeText);
    case link::OutcomeKind::kRefused: ShowReplyBoxes(r); Fail(kCommandFailed);
    default: Fail(kCommandFailed);  // a NAK holds no error code of its own
  }
  if (host_.SuppressOutput()) return;
  host_.Log("PC: " + std::string(r.sentFrame.View().substr(1)));
  host_.Log("FP: " + std::string(r.rawReply.View().substr(r.rawReply.Empty() ? 0 : 1)));
  ShowReplyBoxes(r);
}

// --- Continue and Step ---------------------------------------------------------------

// Continue and Step: open the file and pass over the lines already done.
bool ScriptRunner::BeginFromLine(const std::string& fileName, long lineNumber) {
  if (running_) {
    host_.Message(Tesmar::mark("Скрипт уже выполняется!"));
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
    for (long i = 0; i < lineNumber && ReadPiece(raw) != Piece::kEnd; ++i) {
    }
  } catch (const Failure&) {
    running_ = false;
    Close();
    return false;
  }
  return true;
}

void ScriptRunner::PrintComment(const std::string& line) {
  if (!host_.SuppressOutput())
    host_.Log(link::Utf8ToCp1251(Tesmar::mark("Комментарий:: ")) + line.substr(1) + "!!!");
}

Outcome ScriptRunner::Continue(const std::string& fileName, long lineNumber) {
  if (!BeginFromLine(fileName, lineNumber)) return Outcome::kRefused;
  stopRequested_ = false;
  Outcome outcome = Outcome::kEndOfFile;
  std::string raw;
  try {
    for (long n = lineNumber;;) {
      const long at = std::ftell(file_);
      const Piece piece = ReadPiece(raw);
      if (piece == Piece::kEnd) {
        host_.Message(kEndOfFile);
        host_.ShowLineNumber(0);
        break;
      }
      host_.ShowLineNumber(++n);
      host_.ProcessEvents();
      RefuseTooLong(piece, at);
      const std::string line = CleanLine(raw, false);  // not trimmed here
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '+') {
        PrintComment(line);
        continue;
      }
      RunCommandLine(line);
      if (stopRequested_) {
        outcome = Outcome::kStopped;
        break;
      }
    }
  } catch (const Failure&) {
    outcome = Outcome::kFailed;
  }
  running_ = false;
  Close();
  return outcome;
}

Outcome ScriptRunner::Step(const std::string& fileName, long& lineNumber) {
  if (!BeginFromLine(fileName, lineNumber)) return Outcome::kRefused;
  std::string raw;
  Outcome outcome = Outcome::kStepDone;
  try {
    for (;;) {
      const long at = std::ftell(file_);
      const Piece piece = ReadPiece(raw);
      if (piece == Piece::kEnd) {
        host_.Message(kEndOfFile);
        lineNumber = 0;
        outcome = Outcome::kEndOfFile;
        break;
      }
      host_.ShowLineNumber(++lineNumber);
      RefuseTooLong(piece, at);
      const std::string line = CleanLine(raw, false);
      if (line.empty()) continue;  // taken over within the same step
      if (line[0] == ';') break;
      if (line[0] == '+') {
        PrintComment(line);
        break;
      }
      RunCommandLine(line);
      break;
    }
  } catch (const Failure&) {
    outcome = Outcome::kFailed;
  }
  host_.ShowLineNumber(lineNumber);
  running_ = false;
  Close();
  return outcome;
}

// --- declarations and simple statements ------------------------------------------------

void ScriptRunner::Declare(const std::string& kw, const std::string& arg) {
  if (declarationGuard_) Fail(Tesmar::mark("Ошибка - неверное расположение описания данных."));
  if (kw == "DeclareBeg") {
    RequireState(declarationState_ == 0, Tesmar::mark("Ошибка - ошибка в описаниях. DeclareBeg уже был ранее."));
    prefix_ = arg;
    declarationState_ = 1;
  } else if (kw == "New") {
    RequireState(declarationState_ == 1 || declarationState_ == 2, kWrongSection);
    if (variables_.size() >= kMaxVariables) Fail(Tesmar::mark("Ошибка - больше 100 переменных!"));
    variables_.push_back({prefix_ + arg, ""});
    host_.VariableDeclared(static_cast<int>(variables_.size()), variables_.back().name);
    declarationState_ = 2;
  } else {
    RequireState(declarationState_ == 1 || declarationState_ == 2,
                 Tesmar::mark("Ошибка - ошибка в описаниях. Ошибочное расположение DeclareEnd."));
    declarationGuard_ = true;
    declarationState_ = 3;
  }
}

void ScriptRunner::Delay(const std::string& line) {
  const long long ms = Number(Trim(line.size() > 7 ? line.substr(7) : ""));
  sleeper_.SleepMs(static_cast<int>(std::max(0LL, std::min(ms, 0x7FFFFFFFLL))));
}

void ScriptRunner::SetSpeed(const std::string& line) {
  const std::string text = Trim(line.size() > 10 ? line.substr(10) : "");
  const long long baud = Number(text);
  std::string port;
  const bool ok = host_.ReopenSerial(static_cast<int>(baud), port);
  host_.Log("SetSpeed Port=" + port + "  Speed=" + text);
  if (ok) {
    host_.Log(link::Utf8ToCp1251(Tesmar::mark("Подключение порта - успешно!")));
  } else {
    host_.Log(link::Utf8ToCp1251(Tesmar::mark("Ошибка подключения порта!")));
    sleeper_.SleepMs(kSetSpeedFailureWaitMs);
  }
}

void ScriptRunner::Set(const std::string& line) {
  RequireState(declarationState_ == 3, Tesmar::mark("Ошибка - ошибка в описаниях. Секция определений неверна."));
  const std::string text = line.size() > 5 ? line.substr(5) : "";
  const size_t eq = text.find('=');
  if (eq == std::string::npos || text.find('=', eq + 1) != std::string::npos)
    Fail(Tesmar::mark("Ошибка - ошибка в операторе Set."));
  const int index = FindVariable(Trim(text.substr(0, eq)));
  if (index < 0) Fail(Tesmar::mark("Ошибка - присвоение несуществующей переменной."));
  const std::string value = Trim(text.substr(eq + 1));
  std::string result;
  if (Quoted(value)) {
    result = value.substr(1, value.size() - 2);
  } else if (RetField(value, result)) {
  } else if (int other = FindVariable(value); other >= 0) {
    result = variables_[other].value;
  } else {
    return;  // any other value leaves the variable as it was
  }
  variables_[index].value = result;
  host_.VariableSet(index + 1, result);
}

void ScriptRunner::Print(const std::string& arg) {
  RequireState(declarationState_ == 2 || declarationState_ == 3, Tesmar::mark("Ошибка - ошибка в описаниях."));
  std::string value;
  if (RetField(arg, value)) host_.Log(";" + arg + "=" + value);
  for (const ScriptVariable& v : variables_)
    if (v.name == arg) host_.Log(";" + v.name + "=" + v.value);
  declarationState_ = 3;
}

// --- blocks -----------------------------------------------------------------------------

void ScriptRunner::If(const std::string& line) {
  RequireState(declarationState_ == 2 || declarationState_ == 3,
               Tesmar::mark("Ошибка - ошибка в If-Then. Оператор New расположен вне секции описаний."));
  size_t index = ifBlocks_.size();
  for (size_t i = 0; i < ifBlocks_.size(); ++i)
    if (ifBlocks_[i].position == linePosition_) index = i;
  if (index < ifBlocks_.size()) {
    ifStack_.resize(ifBlocks_[index].depth);
    ifStack_.push_back(index);
  } else {
    if (ifBlocks_.size() >= kMaxBlocks || ifStack_.size() >= kMaxBlocks)
      Fail(Tesmar::mark("Ошибка - больше 100 блоков If!"), line);
    IfBlock b;
    b.position = linePosition_;
    b.depth = ifStack_.size();
    b.condition = ParseCondition(Trim(line.substr(3)),
                                 Tesmar::mark("Некорректная операция в операторе If - ошибка!"), line);
    ifBlocks_.push_back(b);
    ifStack_.push_back(index);
  }
  IfBlock& b = ifBlocks_[index];
  if (Evaluate(b.condition)) {
    if (b.thenPosition >= 0) Seek(b.thenPosition);
  } else if (b.elsePosition >= 0) {
    Seek(b.elsePosition);
  } else {
    searchTarget_ = "%Else";
  }
}

void ScriptRunner::Then() {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  if (ifStack_.empty()) Fail(Tesmar::mark("Ошибка - Then без открытого блока If!"));
  IfBlock& b = ifBlocks_[ifStack_.back()];
  if (b.thenPosition < 0) b.thenPosition = linePosition_;
  if (!b.condition.value) searchTarget_ = "%Else";
}

void ScriptRunner::Else() {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  if (ifStack_.empty()) Fail(Tesmar::mark("Ошибка - Else без открытого блока If!"));
  IfBlock& b = ifBlocks_[ifStack_.back()];
  if (b.elsePosition < 0) b.elsePosition = linePosition_;
  if (b.condition.value) searchTarget_ = "%EndIf";
}

void ScriptRunner::EndIf() {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  if (ifStack_.empty()) Fail(Tesmar::mark("Ошибка - EndIf без открытого блока If!"));
  ifStack_.pop_back();
}

void ScriptRunner::While(const std::string& line) {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  size_t index = whileBlocks_.size();
  for (size_t i = 0; i < whileBlocks_.size(); ++i)
    if (whileBlocks_[i].position == linePosition_) index = i;
  if (index < whileBlocks_.size()) {
    if (whileBlocks_[index].status == WhileStatus::kFinished) {
      if (whileStack_.size() >= kMaxBlocks) Fail(Tesmar::mark("Ошибка - вложенность While больше 100!"), line);
      whileStack_.push_back(index);
    }
  } else {
    if (whileBlocks_.size() >= kMaxBlocks || whileStack_.size() >= kMaxBlocks)
      Fail(Tesmar::mark("Ошибка - больше 100 блоков While!"), line);
    WhileBlock b;
    b.position = linePosition_;
    b.condition = ParseCondition(Trim(line.substr(6)),
                                 Tesmar::mark("Некорректная операция в операторе While - ошибка!"), line);
    whileBlocks_.push_back(b);
    whileStack_.push_back(index);
  }
  WhileBlock& b = whileBlocks_[index];
  if (Evaluate(b.condition)) return;
  // False: straight to its EndWhile, which closes the block.
  if (b.endPosition >= 0)
    Seek(b.endPosition);
  else
    skipToEndWhile_ = true;
}

void ScriptRunner::EndWhile() {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  if (whileStack_.empty()) Fail(Tesmar::mark("Ошибка - EndWhile без открытого блока While!"));
  WhileBlock& b = whileBlocks_[whileStack_.back()];
  if (b.endPosition < 0) b.endPosition = linePosition_;
  if (b.condition.value) {
    b.status = WhileStatus::kLooping;
    Seek(b.position);
  } else {
    b.status = WhileStatus::kFinished;
    whileStack_.pop_back();
  }
}

// --- RunCommand and Oper --------------------------------------------------------------

void ScriptRunner::RunCommand(const std::string& line) {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  const std::vector<std::string> fields = ParenthesisFields(Trim(line.substr(11)));
  const long long code = Number(fields[0]);
  std::string params;
  for (size_t i = 1; i < fields.size(); ++i) {
    Operand o;
    if (!Resolve(fields[i], true, o)) Fail(Tesmar::mark("Ошибка первого параметра!"), line);
    params += ValueOf(o) + ";";
  }
  const link::ReplyRecord& r = driver_.ExecuteCommand(static_cast<int>(code & 0xFF), params);
  lastCommand_ = r.outcome;
  if (!driver_.Message().empty()) Fail(driver_.Message());
  host_.ReplyReceived(r);
  // The script reads the reply's fields and code itself; only a reply that
  // is not this command's stops it.
  switch (link::OutcomeOf(r).kind) {
    case link::OutcomeKind::kOk:
    case link::OutcomeKind::kRefused: break;
    case link::OutcomeKind::kNoAnswer: Fail(kTimeout);
    case link::OutcomeKind::kChecksum: Fail(kChecksum);
    case link::OutcomeKind::kUnknown: Fail(link::kUnknownOutcomeText);
    default: Fail(kCommandFailed);
  }
}

void ScriptRunner::Oper(const std::string& line) {
  RequireState(declarationState_ == 2 || declarationState_ == 3, kWrongSection);
  std::vector<std::string> f = ParenthesisFields(Trim(line.substr(5)));
  f.resize(std::max<size_t>(f.size(), 4));
  Operand a, b;
  if (!Resolve(f[0], true, a)) Fail(Tesmar::mark("Ошибка первого параметра!"), line);
  if (!Resolve(f[1], true, b)) Fail(Tesmar::mark("Ошибка второго параметра!"), line);
  if (f[2].empty() || !AllDigits(f[2])) Fail(Tesmar::mark("Ошибка операции!"), line);
  const int result = FindVariable(f[3]);
  if (result < 0) Fail(Tesmar::mark("Ошибка результата операции!"), line);
  const long op = SmallNumber(f[2]);
  const bool arithmetic = op <= 4 || op == 6;
  if (arithmetic && (a.isText || b.isText)) Fail(Tesmar::mark("Ошибка операции!"), line);
  if (op > 12) return;  // no effect
  variables_[result].value = Compute(a, b, op, line);
}

std::string ScriptRunner::Compute(const Operand& a, const Operand& b, long op,
                                  const std::string& line) {
  const std::string av = ValueOf(a), bv = ValueOf(b);
  switch (op) {
    case 5:
      return av + bv;
    case 6:
      return Divide(av, bv, line);
    case 8: {
      const long long code = Number(av), times = Number(bv);
      const long long count = std::min(std::max(times, 0LL), 10000LL);
      return std::string(static_cast<size_t>(count), static_cast<char>(code & 0xFF));
    }
    case 9:
      return std::to_string(av.size());
    case 10:
      return av == bv ? "1" : "0";
    case 11: {
      const std::time_t now = std::time(nullptr);
      std::tm t{};
      localtime_r(&now, &t);
      return FormatDateTime(av, t);
    }
    case 12:  // DDMMYY <-> YYMMDD
      return Part(av, 4, 2) + Part(av, 2, 2) + Part(av, 0, 2);
    default: {  // 0 to 4 and 7
      const long long x = Number(av), y = Number(bv);
      return std::to_string(Arithmetic(op, x, y, line));
    }
  }
}

// The integer operations; a result beyond 64 bits ends the run instead of
// wrapping round.
long long ScriptRunner::Arithmetic(long op, long long x, long long y, const std::string& line) {
  long long r = 0;
  bool overflow = false;
  switch (op) {
    case 0:
      overflow = __builtin_add_overflow(x, y, &r);
      break;
    case 1:
      overflow = __builtin_sub_overflow(x, y, &r);
      break;
    case 2:
      overflow = __builtin_mul_overflow(x, y, &r);
      break;
    case 3:
    case 4:
      if (y == 0) Fail(kDivisionByZero, line);
      if (y == -1) {  // the one quotient that does not fit: LLONG_MIN / -1
        overflow = op == 3 && __builtin_sub_overflow(0LL, x, &r);
      } else {
        r = op == 3 ? x / y : x % y;
      }
      break;
    default: {  // 7: a + (r mod (b - a + 1)), a itself when b - a + 1 is 0
      long long span = 0;
      overflow = __builtin_sub_overflow(y, x, &span) || __builtin_add_overflow(span, 1LL, &span);
      if (overflow || span == 0) {
        r = x;
        break;
      }
      const long long random = static_cast<long long>(random_() & 0x7FFFFFFF);
      overflow = __builtin_add_overflow(x, random % span, &r);
      break;
    }
  }
  if (overflow) Fail(kOverflow, line);
  return r;
}

// Operation 6: both operands as floating-point numbers, the quotient in the
// general format with up to 15 significant digits, "." whatever the locale.
std::string ScriptRunner::Divide(const std::string& a, const std::string& b,
                                 const std::string& line) {
  const double x = FloatNumber(a), y = FloatNumber(b);
  if (y == 0) Fail(kDivisionByZero, line);
  const double q = x / y;
  if (!std::isfinite(q)) Fail(kOverflow, line);
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, q, std::chars_format::general, 15);
  return std::string(buf, r.ptr);
}

// --- values -----------------------------------------------------------------------------

int ScriptRunner::FindVariable(const std::string& name) const {
  for (size_t i = 0; i < variables_.size(); ++i)
    if (variables_[i].name == name) return static_cast<int>(i);
  return -1;
}

bool ScriptRunner::Resolve(const std::string& text, bool allowText, Operand& out) const {
  out = Operand();
  if (int v = FindVariable(text); v >= 0) {
    out.isVariable = true;
    out.variable = v;
    return true;
  }
  if (AllDigits(text)) {
    out.literal = text;
    return true;
  }
  if (allowText && Quoted(text)) {
    out.isText = true;
    out.literal = text.substr(1, text.size() - 2);
    return true;
  }
  return false;
}

std::string ScriptRunner::ValueOf(const Operand& o) const {
  return o.isVariable ? variables_[o.variable].value : o.literal;
}

long long ScriptRunner::Number(const std::string& text) {
  const std::string t = Trim(text);
  long long v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size())
    Fail(Tesmar::mark("Ошибка - значение \"") + link::Cp1251ToUtf8(t) + Tesmar::mark("\" не является целым числом!"));
  return v;
}

double ScriptRunner::FloatNumber(const std::string& text) {
  const std::string t = Trim(text);
  double v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
    Fail(Tesmar::mark("Ошибка - значение \"") + link::Cp1251ToUtf8(t) + Tesmar::mark("\" не является числом!"));
  return v;
}

bool ScriptRunner::RetField(const std::string& text, std::string& value) {
  if (text.size() <= 4 || text.compare(0, 4, "%Ret") != 0 || !AllDigits(text.substr(4)))
    return false;
  const long n = SmallNumber(text.substr(4));
  if (n > 19) Fail(Tesmar::mark("Ошибка - номер поля %Ret больше 19!"));
  // The driver's record is the reply of the program's latest exchange,
  // whoever sent it: this runner, the monitor's own boxes, another window.
  value = std::string(driver_.Record().Field(static_cast<int>(n)));
  return true;
}

ScriptRunner::Condition ScriptRunner::ParseCondition(const std::string& arg,
                                                     const char* noOperatorMessage,
                                                     const std::string& line) {
  const std::string inner = arg.size() >= 2 ? arg.substr(1, arg.size() - 2) : std::string();
  static const std::pair<const char*, Op> kOps[] = {{"<=", Op::kLessEqual},
                                                    {"==", Op::kEqual},
                                                    {">=", Op::kGreaterEqual},
                                                    {"<", Op::kLess},
                                                    {">", Op::kGreater}};
  Condition c;
  for (const auto& [text, op] : kOps) {
    const size_t at = inner.find(text);
    if (at == std::string::npos) continue;
    c.op = op;
    if (!Resolve(Trim(inner.substr(0, at)), false, c.left) ||
        !Resolve(Trim(inner.substr(at + std::strlen(text))), false, c.right))
      Fail(Tesmar::mark("Ошибка переменной!"), line);
    return c;
  }
  Fail(noOperatorMessage, line);
  return c;
}

bool ScriptRunner::Evaluate(Condition& c) {
  const long long l = Number(ValueOf(c.left)), r = Number(ValueOf(c.right));
  switch (c.op) {
    case Op::kLess:
      c.value = l < r;
      break;
    case Op::kLessEqual:
      c.value = l <= r;
      break;
    case Op::kEqual:
      c.value = l == r;
      break;
    case Op::kGreaterEqual:
      c.value = l >= r;
      break;
    case Op::kGreater:
      c.value = l > r;
      break;
  }
  return c.value;
}

}  // namespace tesmar::script
