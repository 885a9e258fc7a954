// Configuration: what the registrar prints around receipts, who may work
// with it, its payment forms and tax groups, its fiscal identity, its
// working parameters. The service counters (88h, 89h) are the maintenance
// domain's.
#include "emulator/configuration.h"

#include <cstdio>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "link/hex.h"
#include "emulator/printing.h"

namespace tesmar::emu {

namespace {

constexpr int kMinOperator = 1, kMaxOperator = 16;
constexpr int kAllOperators = -1;
constexpr size_t kNameBytes = 20;
constexpr size_t kFactoryNumberBytes = 11, kFiscalNumberBytes = 10;
constexpr size_t kTaxIdBytes = 12, kTaxNumberBytes = 13;
constexpr int kTaxTypes = 10;
constexpr long long kMaxRate = 9999;  // 99.99 %
// What a fiscalized registrar says to a second fiscalization or a new
// factory number: not in this mode.
constexpr int kSpeeds[] = {110, 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

ConfigurationState& Config(Registrar& r) {
  return r.state;
}

// Exactly `digits` hexadecimal digits; -1 when the text is not that.
int ReadHex(std::string_view text, size_t digits) {
  const auto v = link::ParseHex(text, link::HexCase::kAny);
  return text.size() == digits && v ? static_cast<int>(*v) : -1;
}

int HexField(ArgReader& args, int n, size_t digits, int max) {
  const int v = ReadHex(args.Raw(n), digits);
  if (v < 0) args.Refuse(link::err::FieldFormat(n));
  if (v > max) args.Refuse(link::err::FieldRange(n));
  return v < 0 ? 0 : v;
}

// A text that may be empty, of at most `maxBytes` bytes.
std::string OptionalText(ArgReader& args, int n, size_t maxBytes) {
  const std::string_view t = args.Raw(n);
  if (t.size() > maxBytes) args.Refuse(link::err::FieldRange(n));
  return std::string(t);
}

bool SixDigits(std::string_view t) {
  if (t.size() != 6) return false;
  for (char c : t)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string Hex2(int v) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", v & 0xFF);
  return text;
}

// --- header and advertising lines (22h, 23h) -------------------------------

// 22h: line; text; 0 single or 1 double width. A line wider than the tape
// (a double-width character takes two columns) is refused as out of range.
Answer ProgramTextLine(Registrar& r, ArgReader& args) {
  const long long line = args.Integer(1, 0, kTextLines - 1);
  const size_t fits = args.Raw(3) == "1" ? TapeWidth(r) / 2 : TapeWidth(r);
  std::string text = OptionalText(args, 2, fits);
  const long long width = args.Integer(3, 0, 1);
  if (!args) return args.Refusal();
  Config(r).textLines[static_cast<size_t>(line)] = {std::move(text), static_cast<int>(width)};
  return {};
}

Answer ReadTextLine(Registrar& r, ArgReader& args) {
  const long long line = args.Integer(1, 0, kTextLines - 1);
  if (!args) return args.Refusal();
  const TextLine& l = Config(r).textLines[static_cast<size_t>(line)];
  return {"0000", l.text + ";" + std::to_string(l.width) + ";"};
}

// --- operators (2Fh, 30h, 2Ch) ---------------------------------------------

Answer SetOperator(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, kMinOperator, kMaxOperator);
  std::string password = OptionalText(args, 2, 6);
  std::string name = args.Text(3, kNameBytes);
  if (!args) return args.Refusal();
  CashOperator& o = Config(r).operators[static_cast<int>(number)];
  o.password = std::move(password);
  o.name = std::move(name);
  return {};
}

Answer ReadOperator(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, kMinOperator, kMaxOperator);
  if (!args) return args.Refusal();
  const auto& ops = Config(r).operators;
  auto it = ops.find(static_cast<int>(number));
  if (it == ops.end()) return {"0000", "0;;"};
  return {"0000", std::string(it->second.hasSold ? "1" : "0") + ";" + it->second.name + ";"};
}

Answer DeleteOperator(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, kAllOperators, kMaxOperator);
  if (!args) return args.Refusal();
  if (number == 0) return Refused(link::err::FieldRange(1));
  if (r.state.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  if (number == kAllOperators)
    Config(r).operators.clear();
  else
    Config(r).operators.erase(static_cast<int>(number));
  return {};
}

// --- mode passwords (2Bh) --------------------------------------------------

Answer SetModePasswords(Registrar& r, ArgReader& args) {
  for (int n = 1; n <= 3; ++n)
    if (!SixDigits(args.Raw(n))) return Refused(link::err::FieldFormat(n));
  ConfigurationState& c = Config(r);
  c.programmingPassword = args.Raw(1);
  c.reportsPassword = args.Raw(2);
  c.adminPassword = args.Raw(3);
  return {};
}

// --- payment forms (2Dh, 2Eh) ----------------------------------------------

Answer SetPaymentForm(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, 0, r.options.paymentTypes - 1);
  const int mask = HexField(args, 2, 2, 0xFF);
  std::string name = args.Text(3, kNameBytes);
  if (!args) return args.Refusal();
  if (r.state.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  Config(r).paymentForms[static_cast<int>(number)] = {mask, std::move(name)};
  return {};
}

Answer ReadPaymentForm(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, 0, r.options.paymentTypes - 1);
  if (!args) return args.Refusal();
  const auto& forms = Config(r).paymentForms;
  auto it = forms.find(static_cast<int>(number));
  const PaymentForm f = it == forms.end() ? PaymentForm{} : it->second;
  return {"0000", Hex2(f.mask) + ";" + f.name + ";"};
}

// --- factory, fiscal, identification and tax numbers (41h, 43h-46h) --------

Answer ProgramFactoryNumber(Registrar& r, ArgReader& args) {
  std::string number = args.Text(1, kFactoryNumberBytes);
  if (!args) return args.Refusal();
  if (r.state.fiscalized) return Refused(link::err::kWrongMode);
  r.state.serialNumber = std::move(number);
  return {};
}

Answer ProgramFiscalNumber(Registrar& r, ArgReader& args) {
  std::string number = OptionalText(args, 1, kFiscalNumberBytes);
  if (!args) return args.Refusal();
  Config(r).fiscalNumber = std::move(number);
  return {};
}

Answer ReadFiscalNumber(Registrar& r, ArgReader&) {
  return {"0000", Config(r).fiscalNumber + ";"};
}

Answer ProgramTaxIdNumbers(Registrar& r, ArgReader& args) {
  std::string id = OptionalText(args, 1, kTaxIdBytes);
  std::string tax = OptionalText(args, 2, kTaxNumberBytes);
  if (!args) return args.Refusal();
  Config(r).taxIdNumber = std::move(id);
  Config(r).taxNumber = std::move(tax);
  return {};
}

Answer ReadTaxIdNumbers(Registrar& r, ArgReader&) {
  return {"0000", Config(r).taxIdNumber + ";" + Config(r).taxNumber + ";"};
}

// --- tax groups (47h, 48h) -------------------------------------------------

Answer SetTaxGroup(Registrar& r, ArgReader& args) {
  const int groups = r.options.taxGroups;
  const long long n = args.Integer(1, 0, groups - 1);
  const int type = HexField(args, 2, 2, kTaxTypes - 1);
  const long long rate = args.Hundredths(3, 0, kMaxRate);
  std::string name = OptionalText(args, 4, kNameBytes);
  const long long linked = args.Integer(5, kNoLinkedGroup, groups - 1);
  if (!args) return args.Refusal();
  if (linked == n) return Refused(link::err::FieldRange(5));
  if (r.state.shiftOpen) return Refused(link::err::kWrongShiftState);
  Config(r).taxGroups[static_cast<size_t>(n)] = {type, rate, std::move(name),
                                                 static_cast<int>(linked)};
  return {};
}

Answer ReadTaxGroup(Registrar& r, ArgReader& args) {
  const long long n = args.Integer(1, 0, r.options.taxGroups - 1);
  if (!args) return args.Refusal();
  const TaxGroup& g = Config(r).taxGroups[static_cast<size_t>(n)];
  return {"0000", std::to_string(g.type) + ";" + FormatHundredths(g.rate) + ";" + g.name + ";" +
                      std::to_string(g.linked) + ";"};
}

// --- fiscalization (40h) ---------------------------------------------------

Answer Fiscalize(Registrar& r, ArgReader& args) {
  const std::string number = args.Text(1, kFactoryNumberBytes);
  if (!args) return args.Refusal();
  if (!SixDigits(args.Raw(2))) return Refused(link::err::FieldFormat(2));
  RegistrarState& s = r.state;
  if (s.fiscalized) return Refused(link::err::kWrongMode);
  if (s.serialNumber.empty()) return Refused(link::err::kSerialNumberNotSet);
  if (number != s.serialNumber) return Refused(link::err::FieldRange(1));
  if (s.document != Document::kClosed || s.shiftOpen) return Refused(link::err::kWrongShiftState);
  s.fiscalized = true;
  return {};
}

// --- registrar parameters (27h, 28h), decimal point (49h, 4Ah), restart ----

Answer ProgramParameters(Registrar& r, ArgReader& args) {
  const long long speed = args.Integer(1, 0, 115200);
  RegistrarParameters p;
  p.contrast = static_cast<int>(args.Integer(2, 0, 4));
  p.documentFlags = HexField(args, 3, 4, 0xFFFF);
  p.printFlags = HexField(args, 4, 2, 0xFF);
  p.openPulse = HexField(args, 5, 2, 0xFF);
  p.closePulse = HexField(args, 6, 2, 0xFF);
  p.nameLineLength = static_cast<int>(args.Integer(7, 1, 99));
  if (!args) return args.Refusal();
  if (speed != 0 && !IsLineSpeed(static_cast<int>(speed))) return Refused(link::err::FieldRange(1));
  if (r.state.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  Config(r).parameters = p;
  if (speed != 0) Config(r).lineSpeed = static_cast<int>(speed);
  return {};
}

Answer ReadParameters(Registrar& r, ArgReader&) {
  const ConfigurationState& c = Config(r);
  const RegistrarParameters& p = c.parameters;
  char data[96];
  std::snprintf(data, sizeof data, "%d;%d;%04X;%02X;%02X;%02X;%02d;", c.lineSpeed, p.contrast,
                p.documentFlags, p.printFlags, p.openPulse, p.closePulse, p.nameLineLength);
  return {"0000", data};
}

Answer SetDecimalPoint(Registrar& r, ArgReader& args) {
  const long long position = args.Integer(1, 0, 3);
  if (!args) return args.Refusal();
  if (r.state.shiftOpen || r.state.document != Document::kClosed)
    return Refused(link::err::kWrongShiftState);
  Config(r).decimalPoint = static_cast<int>(position);
  return {};
}

Answer ReadDecimalPoint(Registrar& r, ArgReader&) {
  return {"0000", std::to_string(Config(r).decimalPoint) + ";"};
}

Answer Restart(Registrar& r, ArgReader&) {
  Config(r).restartRequested = true;
  return {};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kProgramHeaderLine, ProgramTextLine},
    {link::cmd::kReadHeaderLine, ReadTextLine},
    {link::cmd::kSetOperator, SetOperator},
    {link::cmd::kReadOperator, ReadOperator},
    {link::cmd::kResetOperatorPassword, DeleteOperator},
    {link::cmd::kSetModePasswords, SetModePasswords},
    {link::cmd::kSetPaymentType, SetPaymentForm},
    {link::cmd::kReadPaymentType, ReadPaymentForm},
    {link::cmd::kProgramSerialNumber, ProgramFactoryNumber},
    {link::cmd::kProgramFiscalNumber, ProgramFiscalNumber},
    {link::cmd::kReadFiscalNumber, ReadFiscalNumber},
    {link::cmd::kProgramTaxNumber, ProgramTaxIdNumbers},
    {link::cmd::kReadTaxNumber, ReadTaxIdNumbers},
    {link::cmd::kSetTaxRate, SetTaxGroup},
    {link::cmd::kReadTaxRate, ReadTaxGroup},
    {link::cmd::kFiscalize, Fiscalize},
    {link::cmd::kProgramRegistrarParameters, ProgramParameters},
    {link::cmd::kReadRegistrarParameters, ReadParameters},
    {link::cmd::kSetDecimalPoint, SetDecimalPoint},
    {link::cmd::kReadDecimalPoint, ReadDecimalPoint},
    {link::cmd::kRestartRegistrar, Restart},
};

// --- the state file --------------------------------------------------------
// Texts go as hexadecimal so that any byte survives; numbers in decimal.

constexpr std::string_view kLinePrefix = "text_line.";
constexpr std::string_view kOperatorPrefix = "operator.";
constexpr std::string_view kPaymentPrefix = "payment_form.";
constexpr std::string_view kTaxPrefix = "tax_group.";

std::string Key(std::string_view prefix, long long n) {
  return std::string(prefix) + std::to_string(n);
}

void SaveTexts(const ConfigurationState& c, StateWriter& w) {
  for (size_t i = 0; i < c.textLines.size(); ++i)
    if (!c.textLines[i].text.empty() || c.textLines[i].width)
      w.Put(Key(kLinePrefix, static_cast<long long>(i)),
            std::to_string(c.textLines[i].width) + "," + link::HexBytes(c.textLines[i].text));
  for (const auto& [n, o] : c.operators)
    w.Put(Key(kOperatorPrefix, n), std::string(o.hasSold ? "1" : "0") + "," +
                                       link::HexBytes(o.password) + "," + link::HexBytes(o.name));
  for (const auto& [n, f] : c.paymentForms)
    w.Put(Key(kPaymentPrefix, n), std::to_string(f.mask) + "," + link::HexBytes(f.name));
  const auto factory = FactoryTaxGroups();
  for (size_t i = 0; i < c.taxGroups.size(); ++i) {
    const TaxGroup& g = c.taxGroups[i];
    if (g == factory[i]) continue;
    w.Put(Key(kTaxPrefix, static_cast<long long>(i)),
          std::to_string(g.type) + "," + std::to_string(g.linked) + "," +
              link::HexBytes(FormatHundredths(g.rate)) + "," + link::HexBytes(g.name));
  }
}


// "a,b,..." split at commas into exactly `count` parts.
bool SplitParts(std::string_view value, std::vector<std::string>& parts, size_t count) {
  parts.clear();
  size_t start = 0;
  while (true) {
    const size_t comma = value.find(',', start);
    parts.emplace_back(value.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return parts.size() == count;
}

bool Number(const std::string& text, long long lo, long long hi, long long& v) {
  return ParseScaled(text, 0, v) == NumberParse::kOk && v >= lo && v <= hi;
}

KeyLoad LoadTextLine(ConfigurationState& c, long long n, const std::string& value) {
  std::vector<std::string> p;
  long long width = 0;
  TextLine line;
  if (n < 0 || n >= kTextLines || !SplitParts(value, p, 2) || !Number(p[0], 0, 1, width) ||
      !ReadHexText(p[1], line.text) || line.text.size() > kMaxTapeWidth)
    return KeyLoad::kBad;
  line.width = static_cast<int>(width);
  c.textLines[static_cast<size_t>(n)] = line;
  return KeyLoad::kTaken;
}

KeyLoad LoadOperator(ConfigurationState& c, long long n, const std::string& value) {
  std::vector<std::string> p;
  long long sold = 0;
  CashOperator o;
  if (n < kMinOperator || n > kMaxOperator || !SplitParts(value, p, 3) ||
      !Number(p[0], 0, 1, sold) || !ReadHexText(p[1], o.password) || !ReadHexText(p[2], o.name))
    return KeyLoad::kBad;
  o.hasSold = sold == 1;
  c.operators[static_cast<int>(n)] = o;
  return KeyLoad::kTaken;
}

KeyLoad LoadPaymentForm(ConfigurationState& c, long long n, const std::string& value) {
  std::vector<std::string> p;
  long long mask = 0;
  PaymentForm f;
  if (n < 0 || n > 9 || !SplitParts(value, p, 2) || !Number(p[0], 0, 255, mask) ||
      !ReadHexText(p[1], f.name))
    return KeyLoad::kBad;
  f.mask = static_cast<int>(mask);
  c.paymentForms[static_cast<int>(n)] = f;
  return KeyLoad::kTaken;
}

KeyLoad LoadTaxGroup(ConfigurationState& c, long long n, const std::string& value) {
  std::vector<std::string> p;
  long long type = 0, linked = 0;
  std::string rate;
  TaxGroup g;
  if (n < 0 || n >= kMaxTaxGroups || !SplitParts(value, p, 4) ||
      !Number(p[0], 0, kTaxTypes - 1, type) ||
      !Number(p[1], kNoLinkedGroup, kMaxTaxGroups - 1, linked) || !ReadHexText(p[2], rate) ||
      ParseScaled(rate, 2, g.rate) != NumberParse::kOk || g.rate < 0 || g.rate > kMaxRate ||
      !ReadHexText(p[3], g.name))
    return KeyLoad::kBad;
  g.type = static_cast<int>(type);
  g.linked = static_cast<int>(linked);
  c.taxGroups[static_cast<size_t>(n)] = g;
  return KeyLoad::kTaken;
}

KeyLoad LoadParameters(ConfigurationState& c, const std::string& value) {
  std::vector<long long> v;
  if (!ReadNumbers(value, v, 6) || v[0] < 0 || v[0] > 4 || v[1] < 0 || v[1] > 0xFFFF)
    return KeyLoad::kBad;
  for (size_t i = 2; i < 5; ++i)
    if (v[i] < 0 || v[i] > 0xFF) return KeyLoad::kBad;
  if (v[5] < 1 || v[5] > 99) return KeyLoad::kBad;
  c.parameters = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                  static_cast<int>(v[3]), static_cast<int>(v[4]), static_cast<int>(v[5])};
  return KeyLoad::kTaken;
}


KeyLoad LoadNumbered(RegistrarState& s, const std::string& key, const std::string& value) {
  long long n = 0;
  if (KeyNumber(key, kLinePrefix, n)) return LoadTextLine(s, n, value);
  if (KeyNumber(key, kOperatorPrefix, n)) return LoadOperator(s, n, value);
  if (KeyNumber(key, kPaymentPrefix, n)) return LoadPaymentForm(s, n, value);
  if (KeyNumber(key, kTaxPrefix, n)) return LoadTaxGroup(s, n, value);
  for (std::string_view prefix : {kLinePrefix, kOperatorPrefix, kPaymentPrefix, kTaxPrefix})
    if (key.starts_with(prefix)) return KeyLoad::kBad;
  return KeyLoad::kNotMine;
}

KeyLoad LoadLineSpeed(RegistrarState& s, const std::string& value, std::string&) {
  long long v = 0;
  if (!Number(value, 0, 115200, v) || (v != 0 && !IsLineSpeed(static_cast<int>(v))))
    return KeyLoad::kBad;
  s.lineSpeed = static_cast<int>(v);
  return KeyLoad::kTaken;
}

KeyLoad LoadDecimalPoint(RegistrarState& s, const std::string& value, std::string&) {
  long long v = 0;
  if (!Number(value, 0, 3, v)) return KeyLoad::kBad;
  s.decimalPoint = static_cast<int>(v);
  return KeyLoad::kTaken;
}

// A text of the configuration kept as hexadecimal.
template <std::string ConfigurationState::*text>
constexpr StateKey HexTextKey(const char* name) {
  return {name, [](const RegistrarState& s) { return link::HexBytes(s.*text); },
          [](RegistrarState& s, const std::string& v, std::string&) {
            return LoadHexText(v, s.*text);
          }};
}

constexpr StateKey kKeys[] = {
    HexTextKey<&ConfigurationState::programmingPassword>("programming_password"),
    HexTextKey<&ConfigurationState::reportsPassword>("reports_password"),
    HexTextKey<&ConfigurationState::adminPassword>("admin_password"),
    HexTextKey<&ConfigurationState::fiscalNumber>("fiscal_number"),
    HexTextKey<&ConfigurationState::taxIdNumber>("tax_id_number"),
    HexTextKey<&ConfigurationState::taxNumber>("tax_number"),
    {"parameters",
     [](const RegistrarState& s) {
       const RegistrarParameters& p = s.parameters;
       return JoinNumbers({p.contrast, p.documentFlags, p.printFlags, p.openPulse, p.closePulse,
                           p.nameLineLength});
     },
     [](RegistrarState& s, const std::string& v, std::string&) { return LoadParameters(s, v); }},
    {"line_speed", [](const RegistrarState& s) { return std::to_string(s.lineSpeed); },
     LoadLineSpeed},
    {"decimal_point", [](const RegistrarState& s) { return std::to_string(s.decimalPoint); },
     LoadDecimalPoint},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveTexts(s, w);
  SaveKeys(kKeys, s, w);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  const KeyLoad scalar = LoadKey(kKeys, s, key, value, why);
  return scalar != KeyLoad::kNotMine ? scalar : LoadNumbered(s, key, value);
}

}  // namespace

const Domain& ConfigurationDomain() {
  static const Domain kDomain{"configuration", kRows, Save, Load};
  return kDomain;
}

std::map<int, PaymentForm> FactoryPaymentForms() {
  return {{0, {kPayInSale | kPayInRefund | kPayChangeInCash, link::Utf8ToCp1251("ГОТІВКА")}},
          {1, {kPayInSale | kPayInRefund | kPayWithTerminal, link::Utf8ToCp1251("КАРТКА")}}};
}

std::array<TaxGroup, kMaxTaxGroups> FactoryTaxGroups() {
  constexpr int kIncluded = 1;
  const std::string vat = link::Utf8ToCp1251("ПДВ"), noVat = link::Utf8ToCp1251("БЕЗ ПДВ");
  std::array<TaxGroup, kMaxTaxGroups> groups{};
  groups[0] = {kIncluded, 2000, vat, kNoLinkedGroup};
  groups[1] = {kIncluded, 700, vat, kNoLinkedGroup};
  groups[2] = {kTaxExempt, 0, noVat, kNoLinkedGroup};
  groups[3] = {kIncluded, 0, vat, kNoLinkedGroup};
  groups[4] = {kTaxExempt, 0, noVat, kNoLinkedGroup};
  return groups;
}

bool TaxAddedOnTop(int type) {
  return type == 2 || type == 5 || type == 7 || type == 9;
}

bool IsLineSpeed(int baud) {
  for (int s : kSpeeds)
    if (s == baud) return true;
  return false;
}

}  // namespace tesmar::emu
