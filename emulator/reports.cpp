// Reports: the shift, X and Z reports, the fiscal memory records and the
// reports printed over them, the control tape and the goods base zeroing.
#include "emulator/reports.h"

#include <algorithm>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "emulator/printing.h"
#include "emulator/taxes.h"

namespace tesmar::emu {

namespace {

constexpr long long kMaxReportNumber = 99999;

Turnover Sum(const std::map<int, Turnover>& byKey) {
  Turnover t;
  for (const auto& [key, v] : byKey) {
    t.sales += v.sales;
    t.refunds += v.refunds;
  }
  return t;
}

void Row(Registrar& r, std::string_view label, std::string_view value) {
  r.Print(ReportRow(r, label, value));
}

void Heading(Registrar& r, std::string_view title) {
  PrintUtf8(r, title);
  PrintUtf8(r, FormatDate(LocalDate(r.Now())) + " " + FormatTime(LocalTime(r.Now())));
}

void PrintTurnovers(Registrar& r, const std::map<int, Turnover>& byKey, std::string_view what) {
  for (const auto& [key, t] : byKey) {
    const std::string name = std::string(what) + " " + std::to_string(key);
    Row(r, name + " ПРОДАЖ", FormatMoney(r, t.sales));
    Row(r, name + " ПОВЕРНЕННЯ", FormatMoney(r, t.refunds));
  }
}

// Sales and refunds of each tax group; the shift's reports give under each
// the tax it includes at the group's rate (the rates stay as they are while
// a shift is open).
void PrintTaxGroups(Registrar& r, const std::map<int, Turnover>& byTaxGroup, bool withTax) {
  for (const auto& [group, t] : byTaxGroup) {
    const std::string letter = TaxLetter(group);
    const bool taxed = withTax && group >= 0 && group < kMaxTaxGroups;
    Row(r, "ПРОДАЖ " + letter, FormatMoney(r, t.sales));
    if (taxed) r.Print(TaxRow(r, group, t.sales));
    Row(r, "ПОВЕРНЕННЯ " + letter, FormatMoney(r, t.refunds));
    if (taxed) r.Print(TaxRow(r, group, t.refunds));
  }
}

void PrintShift(Registrar& r) {
  const Shift& sh = r.state.shift;
  Row(r, "ЧЕКІВ ПРОДАЖУ", std::to_string(sh.saleReceipts));
  Row(r, "ЧЕКІВ ПОВЕРНЕННЯ", std::to_string(sh.refundReceipts));
  PrintTaxGroups(r, sh.byTaxGroup, true);
  PrintTurnovers(r, sh.byPayment, "ОПЛАТА");
  const Turnover total = sh.Total();
  Row(r, "ПРОДАЖ ВСЬОГО", FormatMoney(r, total.sales));
  Row(r, "ПОВЕРНЕННЯ ВСЬОГО", FormatMoney(r, total.refunds));
}

void PrintXReport(Registrar& r) {
  Heading(r, "X-ЗВІТ");
  PrintShift(r);
  r.Print(Ruler(r, '-'));
}

Answer PrintZReport(Registrar& r) {
  RegistrarState& s = r.state;
  if (static_cast<int>(s.fiscalRecords.size()) >= kFiscalMemoryReports)
    return Refused(link::err::kFiscalMemoryFull);
  FiscalRecord rec;
  rec.date = LocalDate(r.Now());
  rec.time = LocalTime(r.Now());
  if (!s.fiscalRecords.empty()) {
    const FiscalRecord& last = s.fiscalRecords.back();
    if (rec.date * 10000LL + rec.time < last.date * 10000LL + last.time)
      return Refused(link::err::kDateBeforePreviousRecord);
  }
  rec.number = s.fiscalRecords.empty() ? 1 : s.fiscalRecords.back().number + 1;
  rec.receipts = s.shift.saleReceipts + s.shift.refundReceipts;
  rec.byTaxGroup = s.shift.byTaxGroup;
  Heading(r, "Z-ЗВІТ № " + std::to_string(rec.number));
  PrintShift(r);
  PrintUtf8(r, "ЗАПИС У ФІСКАЛЬНІЙ ПАМ'ЯТІ № " + std::to_string(rec.number));
  r.Print(Ruler(r, '-'));
  s.fiscalRecords.push_back(rec);
  s.shift = {};
  s.shiftOpen = false;
  s.shiftOpenedAt = 0;
  return {};
}

void ZeroControlTape(Registrar& r) {
  RegistrarState& s = r.state;
  PrintUtf8(r, "КОНТРОЛЬНУ СТРІЧКУ ОБНУЛЕНО");
  Row(r, "ЧЕКІВ", std::to_string(s.controlTapeReceipts));
  s.controlTape.clear();
  s.controlTapeReceipts = 0;
}

void UnloadControlTape(Registrar& r) {
  const RegistrarState& s = r.state;
  PrintUtf8(r, "ВИВАНТАЖЕННЯ КОНТРОЛЬНОЇ СТРІЧКИ");
  Row(r, "ЧЕКІВ", std::to_string(s.controlTapeReceipts));
  Row(r, "РЯДКІВ", std::to_string(s.controlTape.size()));
}

// A1h: 0 Z report, 1 X report, 2 control tape zeroing, 5 control tape
// unload; none of them while a document is open.
Answer DailyReport(Registrar& r, ArgReader& args) {
  const long long kind = args.Integer(1, 0, 5);
  if (!args) return args.Refusal();
  if (kind == 3 || kind == 4) return Refused(link::err::kNotSupported);
  if (r.state.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  switch (kind) {
    case 0:
      return PrintZReport(r);
    case 1:
      PrintXReport(r);
      break;
    case 2:
      ZeroControlTape(r);
      break;
    default:
      UnloadControlTape(r);
      break;
  }
  return {};
}

void PrintPeriodic(Registrar& r, std::string_view range, const std::vector<FiscalRecord>& records,
                   bool full) {
  Heading(r, full ? "ПЕРІОДИЧНИЙ ЗВІТ ПОВНИЙ" : "ПЕРІОДИЧНИЙ ЗВІТ СКОРОЧЕНИЙ");
  PrintUtf8(r, range);
  std::map<int, Turnover> all;
  int receipts = 0;
  for (const FiscalRecord& rec : records) {
    Row(r, "Z-ЗВІТ № " + std::to_string(rec.number) + " " + FormatDate(rec.date),
        FormatMoney(r, rec.Total().sales));
    if (full) {
      Row(r, "ЧЕКІВ", std::to_string(rec.receipts));
      PrintTaxGroups(r, rec.byTaxGroup, false);
    }
    for (const auto& [group, t] : rec.byTaxGroup) {
      all[group].sales += t.sales;
      all[group].refunds += t.refunds;
    }
    receipts += rec.receipts;
  }
  Row(r, "ЗВІТІВ", std::to_string(records.size()));
  Row(r, "ЧЕКІВ", std::to_string(receipts));
  PrintTaxGroups(r, all, false);
  const Turnover total = Sum(all);
  Row(r, "ПРОДАЖ ВСЬОГО", FormatMoney(r, total.sales));
  Row(r, "ПОВЕРНЕННЯ ВСЬОГО", FormatMoney(r, total.refunds));
  r.Print(Ruler(r, '-'));
}

// Reports over the fiscal memory, the goods report and the additional
// reports are printed with no document open or inside a service document.
bool ReceiptOpen(const Registrar& r) {
  return r.state.FiscalReceiptOpen();
}

// The periodic report over the records whose `key` (date or number) lies
// from `first` to `last`; refused inside a receipt, for a reversed range and
// for a range without a record.
template <class Key>
Answer PeriodicOver(Registrar& r, long long first, long long last, bool full,
                    Key FiscalRecord::*key, const std::string& heading) {
  if (ReceiptOpen(r)) return Refused(link::err::kWrongDocumentState);
  if (first > last) return Refused(link::err::FieldRange(2));
  std::vector<FiscalRecord> found;
  for (const FiscalRecord& rec : r.state.fiscalRecords)
    if (rec.*key >= first && rec.*key <= last) found.push_back(rec);
  if (found.empty()) return Refused(link::err::FieldRange(1));
  PrintPeriodic(r, heading, found, full);
  return {};
}

// A2h: first date; last date (DDMMYY); 0 short or 1 full.
Answer PeriodicByDate(Registrar& r, ArgReader& args) {
  const int first = args.Date(1);
  const int last = args.Date(2);
  const bool full = args.Integer(3, 0, 1) == 1;
  if (!args) return args.Refusal();
  return PeriodicOver(r, first, last, full, &FiscalRecord::date,
                      "З " + FormatDate(first) + " ПО " + FormatDate(last));
}

// A3h: first number; last number; 0 short or 1 full. A range reaching past
// the last report prints the reports there are.
Answer PeriodicByNumber(Registrar& r, ArgReader& args) {
  const long long first = args.Integer(1, 1, kMaxReportNumber);
  const long long last = args.Integer(2, 1, kMaxReportNumber);
  const bool full = args.Integer(3, 0, 1) == 1;
  if (!args) return args.Refusal();
  return PeriodicOver(r, first, last, full, &FiscalRecord::number,
                      "З № " + std::to_string(first) + " ПО № " + std::to_string(last));
}

// A4h: the goods sold in the shift with codes from first to last.
Answer GoodsReport(Registrar& r, ArgReader& args) {
  const long long first = args.Integer(1, 0, kMaxArticleCode);
  const long long last = args.Integer(2, 0, kMaxArticleCode);
  if (!args) return args.Refusal();
  if (ReceiptOpen(r)) return Refused(link::err::kWrongDocumentState);
  if (first > last) return Refused(link::err::FieldRange(2));
  Heading(r, "ЗВІТ ПО ТОВАРАХ");
  PrintUtf8(r, "КОДИ " + std::to_string(first) + " - " + std::to_string(last));
  Turnover total;
  const auto& sold = r.state.shift.byArticle;
  for (auto it = sold.lower_bound(first); it != sold.end() && it->first <= last; ++it) {
    const auto article = r.state.articles.find(it->first);
    r.Print(article != r.state.articles.end() ? article->second.name : link::Utf8ToCp1251("ТОВАР"));
    Row(r, "  " + std::to_string(it->first) + " x" + FormatQuantity(it->second.quantity.sales),
        FormatMoney(r, it->second.sum.sales));
    if (it->second.quantity.refunds)
      Row(r, "  ПОВЕРНЕННЯ x" + FormatQuantity(it->second.quantity.refunds),
          FormatMoney(r, it->second.sum.refunds));
    total.sales += it->second.sum.sales;
    total.refunds += it->second.sum.refunds;
  }
  Row(r, "ПРОДАЖ ВСЬОГО", FormatMoney(r, total.sales));
  Row(r, "ПОВЕРНЕННЯ ВСЬОГО", FormatMoney(r, total.refunds));
  r.Print(Ruler(r, '-'));
  return {};
}

void PrintControlTape(Registrar& r) {
  PrintUtf8(r, "КОНТРОЛЬНА СТРІЧКА");
  for (const std::string& line : r.state.controlTape) r.Print(line);
  PrintUtf8(r, "КІНЕЦЬ КОНТРОЛЬНОЇ СТРІЧКИ");
}

// A6h: type (0 by departments, 1 by operators, 2 the control tape), then two
// fields the program leaves empty.
Answer AdditionalReport(Registrar& r, ArgReader& args) {
  const long long type = args.Integer(1, 0, 3);
  if (!args) return args.Refusal();
  if (ReceiptOpen(r)) return Refused(link::err::kWrongDocumentState);
  if (type == 3) return PrintNetworkSettings(r);
  if (type == 2) {
    PrintControlTape(r);
    return {};
  }
  const bool departments = type == 0;
  Heading(r, departments ? "ЗВІТ ПО ВІДДІЛАХ" : "ЗВІТ ПО КАСИРАХ");
  PrintTurnovers(r, departments ? r.state.shift.byDepartment : r.state.shift.byOperator,
                 departments ? "ВІДДІЛ" : "КАСИР");
  r.Print(Ruler(r, '-'));
  return {};
}

// 3Bh: empties the goods base, unless a receipt is open or the shift has
// sold goods the goods report has yet to show (a Z report first).
Answer ZeroGoodsBase(Registrar& r, ArgReader&) {
  if (ReceiptOpen(r)) return Refused(link::err::kWrongDocumentState);
  if (!r.state.shift.byArticle.empty()) return Refused(link::err::kWrongShiftState);
  r.state.articles.clear();
  PrintUtf8(r, "БАЗУ ТОВАРІВ ОБНУЛЕНО");
  return {};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kPrintReport, DailyReport},
    {link::cmd::kFindReportByDate, PeriodicByDate},
    {link::cmd::kPrintPeriodicReport, PeriodicByNumber},
    {link::cmd::kPrintGoodsReport, GoodsReport},
    {link::cmd::kPrintAdditionalReport, AdditionalReport},
    {link::cmd::kClearGoodsBase, ZeroGoodsBase},
};

// State file: the shift's totals, the fiscal memory records and the control
// tape (its lines as hexadecimal).

constexpr std::string_view kShiftReceipts = "shift.receipts";  // sale and refund receipts
constexpr std::string_view kShiftTax = "shift.tax.";
constexpr std::string_view kShiftDepartment = "shift.department.";
constexpr std::string_view kShiftOperator = "shift.operator.";
constexpr std::string_view kShiftPayment = "shift.payment.";
constexpr std::string_view kShiftArticle = "shift.article.";
constexpr std::string_view kRecord = "fm.";
constexpr std::string_view kTapeLine = "control_tape.";

void PutTurnovers(StateWriter& w, std::string_view prefix, const std::map<int, Turnover>& m) {
  for (const auto& [key, t] : m)
    w.Put(std::string(prefix) + std::to_string(key), JoinNumbers({t.sales, t.refunds}));
}

void SaveShift(const Shift& sh, StateWriter& w) {
  w.Put(kShiftReceipts, JoinNumbers({sh.saleReceipts, sh.refundReceipts}));
  PutTurnovers(w, kShiftTax, sh.byTaxGroup);
  PutTurnovers(w, kShiftDepartment, sh.byDepartment);
  PutTurnovers(w, kShiftOperator, sh.byOperator);
  PutTurnovers(w, kShiftPayment, sh.byPayment);
  for (const auto& [code, a] : sh.byArticle)
    w.Put(std::string(kShiftArticle) + std::to_string(code),
          JoinNumbers({a.sum.sales, a.sum.refunds, a.quantity.sales, a.quantity.refunds}));
}

KeyLoad LoadShiftOpen(RegistrarState& s, const std::string& value, std::string&) {
  if (value != "0" && value != "1") return KeyLoad::kBad;
  s.shiftOpen = value == "1";
  return KeyLoad::kTaken;
}

KeyLoad LoadShiftOpenedAt(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> n;
  if (!ReadNumbers(value, n, 1) || n[0] < 0) return KeyLoad::kBad;
  s.shiftOpenedAt = n[0];
  return KeyLoad::kTaken;
}

KeyLoad LoadControlTapeReceipts(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> n;
  if (!ReadNumbers(value, n, 1) || n[0] < 0 || n[0] > kControlTapeReceipts) return KeyLoad::kBad;
  s.controlTapeReceipts = static_cast<int>(n[0]);
  return KeyLoad::kTaken;
}

constexpr StateKey kKeys[] = {
    {"shift_open", [](const RegistrarState& s) { return std::string(s.shiftOpen ? "1" : "0"); },
     LoadShiftOpen},
    {"shift_opened_at", [](const RegistrarState& s) { return std::to_string(s.shiftOpenedAt); },
     LoadShiftOpenedAt},
    {"control_tape_receipts",
     [](const RegistrarState& s) { return std::to_string(s.controlTapeReceipts); },
     LoadControlTapeReceipts},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveKeys(kKeys, s, w);
  SaveShift(s.shift, w);
  for (const FiscalRecord& rec : s.fiscalRecords) {
    std::vector<long long> n = {rec.date, rec.time, rec.receipts};
    for (const auto& [group, t] : rec.byTaxGroup) n.insert(n.end(), {group, t.sales, t.refunds});
    w.Put(std::string(kRecord) + std::to_string(rec.number), JoinNumbers(n));
  }
  for (size_t i = 0; i < s.controlTape.size(); ++i)
    w.Put(std::string(kTapeLine) + std::to_string(i), link::HexBytes(s.controlTape[i]));
}

constexpr long long kMaxTotal = 999999999999999;  // far above any shift

bool InRange(long long v, long long lo, long long hi) {
  return v >= lo && v <= hi;
}

KeyLoad LoadTurnover(std::map<int, Turnover>& m, std::string_view prefix, const std::string& key,
                     const std::string& value) {
  long long index = 0;
  std::vector<long long> n;
  if (!KeyNumber(key, prefix, index) || !InRange(index, 0, 999) || !ReadNumbers(value, n, 2) ||
      !InRange(n[0], 0, kMaxTotal) || !InRange(n[1], 0, kMaxTotal))
    return KeyLoad::kBad;
  m[static_cast<int>(index)] = {n[0], n[1]};
  return KeyLoad::kTaken;
}

KeyLoad LoadShift(Shift& sh, const std::string& key, const std::string& value) {
  std::vector<long long> n;
  long long code = 0;
  if (key == kShiftReceipts) {
    if (!ReadNumbers(value, n, 2) || !InRange(n[0], 0, 999999) || !InRange(n[1], 0, 999999))
      return KeyLoad::kBad;
    sh.saleReceipts = static_cast<int>(n[0]);
    sh.refundReceipts = static_cast<int>(n[1]);
    return KeyLoad::kTaken;
  }
  if (key.starts_with(kShiftTax)) return LoadTurnover(sh.byTaxGroup, kShiftTax, key, value);
  if (key.starts_with(kShiftDepartment))
    return LoadTurnover(sh.byDepartment, kShiftDepartment, key, value);
  if (key.starts_with(kShiftOperator))
    return LoadTurnover(sh.byOperator, kShiftOperator, key, value);
  if (key.starts_with(kShiftPayment)) return LoadTurnover(sh.byPayment, kShiftPayment, key, value);
  if (!key.starts_with(kShiftArticle)) return KeyLoad::kNotMine;
  if (!KeyNumber(key, kShiftArticle, code) || !InRange(code, 0, kMaxArticleCode) ||
      !ReadNumbers(value, n, 4) ||
      !std::all_of(n.begin(), n.end(), [](long long v) { return InRange(v, 0, kMaxTotal); }))
    return KeyLoad::kBad;
  sh.byArticle[code] = {{n[0], n[1]}, {n[2], n[3]}};
  return KeyLoad::kTaken;
}

// fm.N=date,time,receipts[,group,sales,refunds]..., numbered in order.
KeyLoad LoadRecord(RegistrarState& s, const std::string& key, const std::string& value) {
  FiscalRecord rec;
  long long number = 0;
  std::vector<long long> n;
  const int expected = s.fiscalRecords.empty() ? 1 : s.fiscalRecords.back().number + 1;
  if (!KeyNumber(key, kRecord, number) || number != expected || !ReadNumberList(value, n) ||
      n.size() < 3 || (n.size() - 3) % 3 != 0 || !InRange(n[0], 20000101, 20991231) ||
      !InRange(n[1], 0, 2359) || !InRange(n[2], 0, 999999) ||
      static_cast<int>(s.fiscalRecords.size()) >= kFiscalMemoryReports)
    return KeyLoad::kBad;
  rec.number = static_cast<int>(number);
  rec.date = static_cast<int>(n[0]);
  rec.time = static_cast<int>(n[1]);
  rec.receipts = static_cast<int>(n[2]);
  for (size_t i = 3; i < n.size(); i += 3) {
    if (!InRange(n[i], 0, 8) || !InRange(n[i + 1], 0, kMaxTotal) ||
        !InRange(n[i + 2], 0, kMaxTotal))
      return KeyLoad::kBad;
    rec.byTaxGroup[static_cast<int>(n[i])] = {n[i + 1], n[i + 2]};
  }
  s.fiscalRecords.push_back(rec);
  return KeyLoad::kTaken;
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  long long index = 0;
  if (const KeyLoad scalar = LoadKey(kKeys, s, key, value, why); scalar != KeyLoad::kNotMine)
    return scalar;
  if (key.starts_with("shift.")) return LoadShift(s.shift, key, value);
  if (key.starts_with(kRecord)) return LoadRecord(s, key, value);
  if (!key.starts_with(kTapeLine)) return KeyLoad::kNotMine;
  std::string line;
  if (!KeyNumber(key, kTapeLine, index) || index != static_cast<long long>(s.controlTape.size()) ||
      !ReadHexText(value, line))
    return KeyLoad::kBad;
  s.controlTape.push_back(line);
  return KeyLoad::kTaken;
}

}  // namespace

const Domain& ReportsDomain() {
  static const Domain kDomain{"reports", kRows, Save, Load};
  return kDomain;
}

Turnover Shift::Total() const {
  return Sum(byTaxGroup);
}

Turnover FiscalRecord::Total() const {
  return Sum(byTaxGroup);
}

void OpenShiftIfClosed(Registrar& r) {
  if (r.state.shiftOpen) return;
  r.state.shiftOpen = true;
  r.state.shiftOpenedAt = r.Now();
}

void AddReceiptToShift(Registrar& r, const OpenReceipt& receipt) {
  Shift& sh = r.state.shift;
  const bool refund = receipt.refund;
  ++(refund ? sh.refundReceipts : sh.saleReceipts);
  for (const ReceiptItem& item : receipt.items) {
    sh.byTaxGroup[item.taxGroup].Add(item.sum, refund);
    sh.byDepartment[item.department].Add(item.sum, refund);
    sh.byOperator[receipt.operatorNumber].Add(item.sum, refund);
    ArticleTurnover& a = sh.byArticle[item.code];
    a.sum.Add(item.sum, refund);
    a.quantity.Add(item.quantity, refund);
  }
  // Each type counts what it paid; the one that gave change, net of it.
  const long long change = receipt.Change();
  for (const auto& [type, amount] : receipt.payments)
    sh.byPayment[type].Add(type == receipt.changeFrom ? amount - change : amount, refund);
  ++r.state.controlTapeReceipts;
  KeepOnElectronicTape(r, receipt.number);
}

void PrintReceiptLine(Registrar& r, const std::string& cp1251) {
  r.Print(cp1251);
  r.state.controlTape.push_back(cp1251);
}

}  // namespace tesmar::emu
