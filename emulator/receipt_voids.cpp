// Voids (6Bh): kind 0 voids the whole receipt; kinds 1 to 3 run a void
// sequence inside it. After "begin" (1) each sale names an item to void
// (code, quantity and price as it was sold); "end" (2) keeps the voids,
// "cancel" (3) restores the receipt as it was at "begin". A sequence may
// start once something is sold and nothing is paid yet.
#include <algorithm>

#include "emulator/document_ops.h"
#include "emulator/printing.h"

namespace tesmar::emu::docs {

namespace {

enum Kind { kWhole = 0, kBegin = 1, kEnd = 2, kCancel = 3 };

Answer VoidWhole(Registrar& r) {
  RegistrarState& s = r.state;
  if (!s.FiscalReceiptOpen()) return Refused(link::err::kNothingToVoid);
  ReceiptLineUtf8(r, "ЧЕК АНУЛЬОВАНО");
  PrintReceiptLine(r, Ruler(r, '='));
  s.receipt = {};
  s.voiding = false;
  s.beforeVoid = {};
  s.document = Document::kClosed;
  return {};
}

Answer Begin(Registrar& r) {
  RegistrarState& s = r.state;
  if (!s.FiscalReceiptOpen() || s.receipt.items.empty()) return Refused(link::err::kNothingToVoid);
  if (s.voiding) return Refused(link::err::kVoidSequenceLocked);
  if (s.receipt.service || s.document != Document::kSaleDone)
    return Refused(link::err::kVoidCannotStartHere);
  s.voiding = true;
  s.beforeVoid = s.receipt;
  ReceiptLineUtf8(r, "АНУЛЮВАННЯ");
  return {};
}

Answer Finish(Registrar& r, bool keep) {
  RegistrarState& s = r.state;
  if (!s.voiding) return Refused(link::err::kVoidSequenceIncomplete);
  if (!keep) s.receipt = s.beforeVoid;
  s.voiding = false;
  s.beforeVoid = {};
  SettleSaleState(s);
  ReceiptLineUtf8(r, keep ? "КІНЕЦЬ АНУЛЮВАННЯ" : "АНУЛЮВАННЯ СКАСОВАНО");
  return {};
}

}  // namespace

void SettleSaleState(RegistrarState& s) {
  s.document = s.receipt.items.empty() ? Document::kReceiptOpened : Document::kSaleDone;
}

Answer Void(Registrar& r, ArgReader& args) {
  const long long kind = args.Integer(1, 0, 3);
  if (!args) return args.Refusal();
  switch (kind) {
    case kWhole:
      return VoidWhole(r);
    case kBegin:
      return Begin(r);
    case kEnd:
      return Finish(r, true);
    default:
      return Finish(r, false);
  }
}

// `price` below 0: the sale named no price, any price of that code matches.
Answer VoidItem(Registrar& r, long long code, long long quantity, long long price) {
  auto& items = r.state.receipt.items;
  auto it = std::find_if(items.rbegin(), items.rend(), [&](const ReceiptItem& i) {
    return i.code == code && i.quantity == quantity && (price < 0 || i.price == price);
  });
  if (it == items.rend()) return Refused(link::err::kVoidOperationNotFound);
  PrintReceiptLine(r, ReportRow(r, "АНУЛЬОВАНО " + std::to_string(code), FormatMoney(r, -it->sum)));
  items.erase(std::next(it).base());
  return {};
}

}  // namespace tesmar::emu::docs
