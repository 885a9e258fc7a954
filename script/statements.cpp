// The statements of a run other than the If and While blocks.
#include <algorithm>
#include <climits>

#include "link/encoding.h"
#include "script/operations.h"
#include "script/script_runner.h"

namespace tesmar::script {

namespace {
constexpr const char* kWrongSection =
    Tesmar::mark("Ошибка - ошибка в описаниях. Оператор New расположен вне секции описаний.");
constexpr int kSetSpeedFailureWaitMs = 500;
}  // namespace

// The statements that need the declaration section begun.
void ScriptRunner::RequireBlockState() {
  RequireState(run_.declarationState == 2 || run_.declarationState == 3, kWrongSection);
}

void ScriptRunner::DeclareBeg(const Statement& s) {
  RequireState(run_.declarationState == 0,
               Tesmar::mark("Ошибка - ошибка в описаниях. DeclareBeg уже был ранее."));
  run_.prefix = s.arg;
  run_.declarationState = 1;
}

void ScriptRunner::New(const Statement& s) {
  RequireState(run_.declarationState == 1 || run_.declarationState == 2, kWrongSection);
  const std::string name = run_.prefix + s.arg;
  host_.VariableDeclared(run_.variables.Declare(name), name);
  run_.declarationState = 2;
}

void ScriptRunner::DeclareEnd(const Statement&) {
  RequireState(run_.declarationState == 1 || run_.declarationState == 2,
               Tesmar::mark("Ошибка - ошибка в описаниях. Ошибочное расположение DeclareEnd."));
  run_.declarationGuard = true;
  run_.declarationState = 3;
}

// Sleeps without letting the window process its events.
void ScriptRunner::Delay(const Statement& s) {
  const long long ms = IntegerValue(s.AfterSeparator());
  sleeper_.SleepMs(static_cast<int>(std::max(0LL, std::min(ms, 0x7FFFFFFFLL))));
}

// The run goes on whether the port opened again or not.
void ScriptRunner::SetSpeed(const Statement& s) {
  const std::string text = Trim(s.AfterSeparator());
  const long long baud = IntegerValue(text);
  std::string port;
  // A rate beyond int stays out of range instead of wrapping round to
  // another rate (4294976896 to 9600).
  const int rate = static_cast<int>(std::clamp<long long>(baud, INT_MIN, INT_MAX));
  const bool ok = host_.ReopenSerial(rate, port);
  host_.Log("SetSpeed Port=" + port + "  Speed=" + text);
  if (ok) {
    host_.Log(link::Utf8ToCp1251(Tesmar::mark("Подключение порта - успешно!")));
  } else {
    host_.Log(link::Utf8ToCp1251(Tesmar::mark("Ошибка подключения порта!")));
    sleeper_.SleepMs(kSetSpeedFailureWaitMs);
  }
}

// name = "text" | %RetN | variable; any other value leaves the variable as
// it was, without a message.
void ScriptRunner::Set(const Statement& s) {
  RequireState(run_.declarationState == 3,
               Tesmar::mark("Ошибка - ошибка в описаниях. Секция определений неверна."));
  const std::string text = s.AfterSeparator();
  const size_t eq = text.find('=');
  if (eq == std::string::npos || text.find('=', eq + 1) != std::string::npos)
    Fail(Tesmar::mark("Ошибка - ошибка в операторе Set."));
  const int index = run_.variables.Find(Trim(text.substr(0, eq)));
  if (index < 0) Fail(Tesmar::mark("Ошибка - присвоение несуществующей переменной."));
  const std::string value = Trim(text.substr(eq + 1));
  std::string result;
  if (Quoted(value)) {
    result = value.substr(1, value.size() - 2);
  } else if (ReplyField(value, result)) {
  } else if (int other = run_.variables.Find(value); other >= 0) {
    result = run_.variables.Value(other);
  } else {
    return;
  }
  run_.variables.Assign(index, result);
  host_.VariableSet(index + 1, result);
}

void ScriptRunner::Print(const Statement& s) {
  RequireState(run_.declarationState == 2 || run_.declarationState == 3,
               Tesmar::mark("Ошибка - ошибка в описаниях."));
  std::string value;
  if (ReplyField(s.arg, value)) host_.Log(";" + s.arg + "=" + value);
  for (const ScriptVariable& v : run_.variables.All())
    if (v.name == s.arg) host_.Log(";" + v.name + "=" + v.value);
  run_.declarationState = 3;
}

// The field a "%Ret" text names, of the driver's record: the reply of the
// program's latest exchange, whoever sent it (this runner, the monitor's own
// boxes, another window).
bool ScriptRunner::ReplyField(const std::string& text, std::string& value) const {
  const std::optional<int> n = RetField(text);
  if (!n) return false;
  value = std::string(driver_.Record().Field(*n));
  return true;
}

// (code, p1, p2, ...): the code in decimal, every field resolved and
// followed by ";". The reply's code is the script's to read.
void ScriptRunner::RunCommand(const Statement& s) {
  RequireBlockState();
  const std::vector<std::string> fields = ParenthesisFields(s.arg);
  const long long code = IntegerValue(fields[0]);
  std::string params;
  for (size_t i = 1; i < fields.size(); ++i) {
    Operand o;
    if (!run_.variables.Resolve(fields[i], true, o)) Fail(Tesmar::mark("Ошибка первого параметра!"), s.line);
    params += run_.variables.ValueOf(o) + ";";
  }
  // A code beyond one byte goes to the driver as it is, to be refused there:
  // cut to its low byte it would send another command.
  Exchange(static_cast<int>(std::clamp(code, -1LL, 256LL)), params, false);
}

void ScriptRunner::Oper(const Statement& s) {
  RequireBlockState();
  script::Oper(s.arg, run_.variables, random_);
}

}  // namespace tesmar::script
