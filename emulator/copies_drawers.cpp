// Copies and drawers: the cash drawers, receipt copies and the electronic
// tape.
#include "emulator/copies_drawers.h"

#include <algorithm>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "emulator/printing.h"

namespace tesmar::emu {

namespace {

constexpr long long kMaxDocumentNumber = 999999999;
constexpr long long kMaxSolenoidMs = 9999;
// No document of the asked numbers or times is kept.

bool IsClosingRule(const std::string& line) {
  return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c == '='; });
}

// 83h opens the drawer; nothing is printed.
Answer OpenDrawer(Registrar& r, ArgReader&) {
  ++r.state.drawerOpenings;
  return {};
}

// 87h: solenoid switch-on time; delay after switching off (ms).
Answer OpenSecondDrawer(Registrar& r, ArgReader& args) {
  args.Integer(1, 1, kMaxSolenoidMs);
  args.Integer(2, 0, kMaxSolenoidMs);
  if (!args) return args.Refusal();
  ++r.state.secondDrawerOpenings;
  return {};
}

void PrintDocument(Registrar& r, const TapeDocument& doc) {
  PrintUtf8(r, "КОПІЯ ЧЕКА № " + std::to_string(doc.number));
  for (const std::string& line : doc.lines) r.Print(line);
}

// The documents numbered `first` to `last`, in the tape's order.
std::vector<const TapeDocument*> ByNumbers(const Registrar& r, long long first, long long last) {
  std::vector<const TapeDocument*> found;
  for (const TapeDocument& d : r.state.electronicTape)
    if (d.number >= first && d.number <= last) found.push_back(&d);
  return found;
}

// Reads fields n and n+1 as a range of document numbers, first to last.
bool ReadNumberRange(ArgReader& args, int n, long long& first, long long& last) {
  first = args.Integer(n, 1, kMaxDocumentNumber);
  last = args.Integer(n + 1, 1, kMaxDocumentNumber);
  if (args && last < first) args.Refuse(link::err::FieldRange(n + 1));
  return static_cast<bool>(args);
}

// A5h: first; last. Copies of closed receipts, printed inside the open
// non-fiscal document.
Answer PrintCopies(Registrar& r, ArgReader& args) {
  long long first = 0, last = 0;
  if (!ReadNumberRange(args, 1, first, last)) return args.Refusal();
  if (r.state.document != Document::kNonFiscal) return Refused(link::err::kWrongDocumentState);
  const auto found = ByNumbers(r, first, last);
  if (found.empty()) return Refused(link::err::kCopyUnavailable);
  for (const TapeDocument* d : found) PrintDocument(r, *d);
  return {};
}

// Prints tape documents as a service document of their own.
void PrintTapeDocuments(Registrar& r, const std::vector<const TapeDocument*>& docs) {
  PrintUtf8(r, "------ КОПІЯ З КСЕФ ------");
  for (const TapeDocument* d : docs) PrintDocument(r, *d);
  r.Print(Ruler(r, '-'));
}

// EBh: first; last. Prints the tape's documents by their numbers.
Answer PrintTapeByNumbers(Registrar& r, ArgReader& args) {
  long long first = 0, last = 0;
  if (!ReadNumberRange(args, 1, first, last)) return args.Refusal();
  if (r.state.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  const auto found = ByNumbers(r, first, last);
  if (found.empty()) return Refused(link::err::kCopyUnavailable);
  PrintTapeDocuments(r, found);
  return {};
}

// A time HHMM; a time that is no time of day is the registrar's time format
// error.
int ReadTime(ArgReader& args, int n) {
  const long long hhmm = args.Integer(n, 0, 2359);
  if (args && hhmm % 100 > 59) args.Refuse(link::err::kTimeFormat);
  return static_cast<int>(hhmm);
}

long long Moment(int yyyymmdd, int hhmm) {
  return static_cast<long long>(yyyymmdd) * 10000 + hhmm;
}

// EEh: start date; start time; end date; end time; print flag. Answers the
// first and the last document number closed in that span; prints them when
// the flag is 1.
Answer PrintTapeByDates(Registrar& r, ArgReader& args) {
  const int startDate = args.Date(1);
  const int startTime = ReadTime(args, 2);
  const int endDate = args.Date(3);
  const int endTime = ReadTime(args, 4);
  const bool print = args.Integer(5, 0, 1) == 1;
  if (!args) return args.Refusal();
  const long long from = Moment(startDate, startTime), to = Moment(endDate, endTime);
  if (to < from) return Refused(link::err::FieldRange(3));
  if (print && r.state.document != Document::kClosed)
    return Refused(link::err::kWrongDocumentState);
  std::vector<const TapeDocument*> found;
  for (const TapeDocument& d : r.state.electronicTape) {
    const long long at = Moment(LocalDate(d.time), LocalTime(d.time));
    if (at >= from && at <= to) found.push_back(&d);
  }
  if (found.empty()) return Refused(link::err::kCopyUnavailable);
  if (print) PrintTapeDocuments(r, found);
  return {"0000",
          std::to_string(found.front()->number) + ";" + std::to_string(found.back()->number) + ";"};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kOpenCashDrawer, OpenDrawer},
    {link::cmd::kOpenSecondCashDrawer, OpenSecondDrawer},
    {link::cmd::kPrintReceiptCopies, PrintCopies},
    {link::cmd::kPrintTapeByNumbers, PrintTapeByNumbers},
    {link::cmd::kPrintTapeByDates, PrintTapeByDates},
};

// State file: one key per tape document, "tape.N=number,time,hex lines"
// with the lines joined by a line feed; the drawer counters.

constexpr std::string_view kTapeKey = "tape.";

KeyLoad LoadDrawerOpenings(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> n;
  if (!ReadNumbers(value, n, 2) || n[0] < 0 || n[1] < 0) return KeyLoad::kBad;
  s.drawerOpenings = n[0];
  s.secondDrawerOpenings = n[1];
  return KeyLoad::kTaken;
}

constexpr StateKey kKeys[] = {
    {"drawer_openings",
     [](const RegistrarState& s) {
       return JoinNumbers({s.drawerOpenings, s.secondDrawerOpenings});
     },
     LoadDrawerOpenings},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveKeys(kKeys, s, w);
  for (size_t i = 0; i < s.electronicTape.size(); ++i) {
    const TapeDocument& d = s.electronicTape[i];
    std::string text;
    for (const std::string& line : d.lines) text += line + '\n';
    w.Put(std::string(kTapeKey) + std::to_string(i),
          JoinNumbers({d.number, d.time}) + "," + link::HexBytes(text));
  }
}

KeyLoad LoadTapeDocument(RegistrarState& s, const std::string& key, const std::string& value) {
  long long index = 0;
  std::vector<long long> n;
  std::string text;
  const size_t comma = value.rfind(',');
  if (!KeyNumber(key, kTapeKey, index) ||
      index != static_cast<long long>(s.electronicTape.size()) || comma == std::string::npos ||
      !ReadNumbers(value.substr(0, comma), n, 2) || n[0] < 1 || n[0] > kMaxDocumentNumber ||
      !ReadHexText(value.substr(comma + 1), text))
    return KeyLoad::kBad;
  TapeDocument d{static_cast<int>(n[0]), n[1], {}};
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) return KeyLoad::kBad;
    d.lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  s.electronicTape.push_back(std::move(d));
  return KeyLoad::kTaken;
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  if (key.starts_with(kTapeKey)) return LoadTapeDocument(s, key, value);
  return LoadKey(kKeys, s, key, value, why);
}

}  // namespace

void KeepOnElectronicTape(Registrar& r, int number) {
  const std::vector<std::string>& control = r.state.controlTape;
  auto end = control.end();
  // The rule that closes this receipt belongs to it; the one before ends
  // the document before.
  auto begin = end;
  if (begin != control.begin() && IsClosingRule(*(begin - 1))) --begin;
  while (begin != control.begin() && !IsClosingRule(*(begin - 1))) --begin;
  r.state.electronicTape.push_back({number, r.Now(), {begin, end}});
}

const Domain& CopiesDrawersDomain() {
  static const Domain kDomain{"copies_drawers", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
