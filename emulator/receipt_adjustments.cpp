// Discounts and surcharges: on the item just sold (68h percent, 69h
// absolute), on the subtotal (73h, 74h) and on the items of one tax group
// (75h, 76h). Negative values are discounts, positive ones surcharges; the
// adjustment goes into the items' sums, so the total, the shift and the
// reports all see it. None may take an item below zero.
#include <algorithm>
#include <vector>

#include "emulator/document_ops.h"
#include "emulator/printing.h"

namespace tesmar::emu::docs {

namespace {

constexpr long long kMaxPercent = 9999;  // 99.99 %, in hundredths

// value * percent / 100.00, rounded half away from zero.
long long PercentOf(long long value, long long hundredths) {
  const long long p = value * hundredths;  // both bounded: no overflow
  return (p >= 0 ? p + 5000 : p - 5000) / 10000;
}

std::string PercentText(long long hundredths) {
  return FormatHundredths(hundredths) + "%";
}

void PrintAdjustment(Registrar& r, long long adjust, const std::string& what) {
  const std::string label = adjust < 0 ? "ЗНИЖКА" : "НАДБАВКА";
  PrintReceiptLine(r,
                   ReportRow(r, label + (what.empty() ? "" : " " + what), FormatMoney(r, adjust)));
}

// An adjustment may follow a sale, before any payment.
bool Adjustable(const RegistrarState& s) {
  return !s.receipt.service && !s.voiding && s.document == Document::kSaleDone &&
         !s.receipt.items.empty();
}

// Spreads `adjust` over the chosen items in proportion to their sums; the
// rounding remainder goes to the largest. False when an item would go
// below zero or the receipt over its limit.
bool Spread(OpenReceipt& rc, const std::vector<size_t>& chosen, long long adjust) {
  long long base = 0;
  for (size_t i : chosen) base += rc.items[i].sum;
  if (base + adjust < 0 || rc.Total() + adjust > kMaxAmount || base == 0) return false;
  std::vector<long long> share(chosen.size());
  long long given = 0;
  size_t largest = 0;
  for (size_t k = 0; k < chosen.size(); ++k) {
    // Both up to ten digits: the product needs more than 64 bits.
    share[k] =
        static_cast<long long>(static_cast<__int128>(adjust) * rc.items[chosen[k]].sum / base);
    given += share[k];
    if (rc.items[chosen[k]].sum > rc.items[chosen[largest]].sum) largest = k;
  }
  share[largest] += adjust - given;
  for (size_t k = 0; k < chosen.size(); ++k)
    if (rc.items[chosen[k]].sum + share[k] < 0) return false;
  for (size_t k = 0; k < chosen.size(); ++k) rc.items[chosen[k]].sum += share[k];
  return true;
}

std::vector<size_t> AllItems(const OpenReceipt& rc) {
  std::vector<size_t> all(rc.items.size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  return all;
}

std::vector<size_t> GroupItems(const OpenReceipt& rc, int group) {
  std::vector<size_t> chosen;
  for (size_t i = 0; i < rc.items.size(); ++i)
    if (rc.items[i].taxGroup == group) chosen.push_back(i);
  return chosen;
}

Answer OnItem(Registrar& r, long long adjust, const std::string& what) {
  RegistrarState& s = r.state;
  if (!Adjustable(s)) return Refused(link::err::kWrongDocumentState);
  if (!Spread(s.receipt, {s.receipt.items.size() - 1}, adjust))
    return Refused(link::err::kDiscountOutOfRange);
  PrintAdjustment(r, adjust, what);
  return {};
}

// An adjustment of `chosen` items; a subtotal one prints the subtotal
// first. Nothing is printed or changed when it is refused.
Answer OnItems(Registrar& r, const std::vector<size_t>& chosen, long long adjust,
               const std::string& what, bool subtotal = false) {
  RegistrarState& s = r.state;
  OpenReceipt adjusted = s.receipt;
  if (chosen.empty() || !Spread(adjusted, chosen, adjust))
    return Refused(link::err::kDiscountOutOfRange);
  if (subtotal) PrintReceiptLine(r, ReportRow(r, "ПІДСУМОК", FormatMoney(r, s.receipt.Total())));
  s.receipt = std::move(adjusted);
  PrintAdjustment(r, adjust, what);
  return {};
}

long long ItemSum(const RegistrarState& s) {
  return s.receipt.items.empty() ? 0 : s.receipt.items.back().sum;
}

int TaxGroupArg(const Registrar& r, ArgReader& args) {
  return static_cast<int>(args.Integer(2, 0, std::clamp(r.options.taxGroups, 1, 9) - 1));
}

}  // namespace

Answer ItemPercent(Registrar& r, ArgReader& args) {
  const long long pct = args.Hundredths(1, -kMaxPercent, kMaxPercent);
  if (!args) return args.Refusal();
  return OnItem(r, PercentOf(ItemSum(r.state), pct), PercentText(pct));
}

Answer ItemAbsolute(Registrar& r, ArgReader& args) {
  const long long value = args.Amount(1, -kMaxAmount, kMaxAmount);
  if (!args) return args.Refusal();
  return OnItem(r, value, "");
}

Answer SubtotalPercent(Registrar& r, ArgReader& args) {
  const long long pct = args.Hundredths(1, -kMaxPercent, kMaxPercent);
  if (!args) return args.Refusal();
  if (!Adjustable(r.state)) return Refused(link::err::kWrongDocumentState);
  return OnItems(r, AllItems(r.state.receipt), PercentOf(r.state.receipt.Total(), pct),
                 PercentText(pct), true);
}

Answer SubtotalAbsolute(Registrar& r, ArgReader& args) {
  const long long value = args.Amount(1, -kMaxAmount, kMaxAmount);
  if (!args) return args.Refusal();
  if (!Adjustable(r.state)) return Refused(link::err::kWrongDocumentState);
  return OnItems(r, AllItems(r.state.receipt), value, "", true);
}

Answer TaxGroupPercent(Registrar& r, ArgReader& args) {
  const long long pct = args.Hundredths(1, -kMaxPercent, kMaxPercent);
  const int group = TaxGroupArg(r, args);
  if (!args) return args.Refusal();
  if (!Adjustable(r.state)) return Refused(link::err::kWrongDocumentState);
  const auto chosen = GroupItems(r.state.receipt, group);
  long long base = 0;
  for (size_t i : chosen) base += r.state.receipt.items[i].sum;
  return OnItems(r, chosen, PercentOf(base, pct),
                 PercentText(pct) + " ГР." + std::to_string(group));
}

Answer TaxGroupAbsolute(Registrar& r, ArgReader& args) {
  const long long value = args.Amount(1, -kMaxAmount, kMaxAmount);
  const int group = TaxGroupArg(r, args);
  if (!args) return args.Refusal();
  if (!Adjustable(r.state)) return Refused(link::err::kWrongDocumentState);
  return OnItems(r, GroupItems(r.state.receipt, group), value, "ГР." + std::to_string(group));
}

}  // namespace tesmar::emu::docs
