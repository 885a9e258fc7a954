// Reports: the shift's totals, X and Z reports (A1h), the fiscal memory
// records and the periodic reports over them (A2h, A3h), the goods report
// (A4h), the additional reports (A6h), the control tape and the goods base
// zeroing (3Bh).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tesmar::emu {

struct Domain;
class Registrar;
struct OpenReceipt;

// Kopecks (or thousandths, for quantities) of sales and of refunds.
struct Turnover {
  long long sales = 0;
  long long refunds = 0;
  void Add(long long value, bool refund) { (refund ? refunds : sales) += value; }
  bool Empty() const { return sales == 0 && refunds == 0; }
  bool operator==(const Turnover&) const = default;
};

struct ArticleTurnover {
  Turnover sum;
  Turnover quantity;
};

// What the shift has taken since the last Z report.
struct Shift {
  int saleReceipts = 0;
  int refundReceipts = 0;
  std::map<int, Turnover> byTaxGroup;
  std::map<int, Turnover> byDepartment;
  std::map<int, Turnover> byOperator;
  std::map<int, Turnover> byPayment;  // cash net of change
  std::map<long long, ArticleTurnover> byArticle;

  Turnover Total() const;
};

// One Z report as the fiscal memory keeps it.
struct FiscalRecord {
  int number = 0;
  int date = 0;  // YYYYMMDD
  int time = 0;  // HHMM
  int receipts = 0;
  std::map<int, Turnover> byTaxGroup;

  Turnover Total() const;
};

struct ReportState {
  bool shiftOpen = false;
  long long shiftOpenedAt = 0;  // the registrar's time
  Shift shift;
  std::vector<FiscalRecord> fiscalRecords;
  std::vector<std::string> controlTape;  // receipt lines since the last zeroing
  int controlTapeReceipts = 0;
};

// The documents domain opens the shift with its first receipt, adds each
// closed receipt to it, and copies receipt lines to the control tape.
void OpenShiftIfClosed(Registrar& r);
void AddReceiptToShift(Registrar& r, const OpenReceipt& receipt);
void PrintReceiptLine(Registrar& r, const std::string& cp1251);

const Domain& ReportsDomain();

}  // namespace tesmar::emu
