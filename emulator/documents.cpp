// Documents: the goods base, fiscal receipts and non-fiscal documents.
#include "emulator/documents.h"

#include <algorithm>
#include <numeric>

#include "link/command_codes.h"
#include "emulator/document_ops.h"
#include "emulator/domain.h"
#include "link/encoding.h"
#include "emulator/formatted_line.h"
#include "emulator/printing.h"
#include "emulator/receipt_frame.h"
#include "emulator/taxes.h"

namespace tesmar::emu {

namespace {

constexpr size_t kMaxArticleName = 48;
constexpr long long kMaxDepartment = 99;
constexpr long long kMaxOperator = 99;
constexpr long long kMaxTill = 99;
constexpr int kMaxPaymentTypes = 10;

using docs::PaymentTypes;
using docs::ReceiptLineUtf8;

int TaxGroups(const Registrar& r) {
  return std::clamp(r.options.taxGroups, 1, kMaxTaxGroups);
}

bool HasSales(const Registrar& r, long long code) {
  const auto& items = r.state.receipt.items;
  return r.state.shift.byArticle.count(code) ||
         std::any_of(items.begin(), items.end(),
                     [&](const ReceiptItem& i) { return i.code == code; });
}

// 24h: code; name; price; tax group; department. Programming an article
// again with the same fields is accepted (the receipt window does so before
// every sale); changing one that has sales in the shift is refused, and so
// is an article of a group that takes no goods.
Answer AddArticle(Registrar& r, ArgReader& args) {
  Article a;
  const long long code = args.Integer(1, 1, kMaxArticleCode);
  a.name = args.Text(2, kMaxArticleName);
  a.price = args.Amount(3, 0, kMaxAmount);
  a.taxGroup = static_cast<int>(args.Integer(4, 0, TaxGroups(r) - 1));
  a.department = static_cast<int>(args.Integer(5, 0, kMaxDepartment));
  if (!args) return args.Refusal();
  if (const auto refusal = GroupRefusal(r, a.taxGroup)) return Refused(*refusal);
  auto& base = r.state.articles;
  auto it = base.find(code);
  if (it != base.end()) {
    if (it->second == a) return {};
    if (HasSales(r, code)) return Refused(link::err::kArticleExists);
    it->second = a;
    return {};
  }
  if (static_cast<int>(base.size()) >= kGoodsBaseArticles)
    return Refused(link::err::kGoodsBaseFull);
  base.emplace(code, a);
  return {};
}

Answer OpenNonFiscal(Registrar& r, ArgReader&) {
  if (r.state.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  r.state.document = Document::kNonFiscal;
  PrintUtf8(r, "------ СЛУЖБОВИЙ ДОКУМЕНТ ------");
  return {};
}

// 61h prints in a non-fiscal document, and a comment in a fiscal receipt;
// what the tape cannot hold of a long line is cut off; a formatted line is
// laid out first, and refused whole when it is wrong.
Answer PrintText(Registrar& r, ArgReader& args) {
  const std::string_view sent = args.Raw(1);
  std::string text;
  if (!sent.empty() && sent[0] == kFormattedLineMark) {
    LaidOutLine laid = LayOutFormattedLine(sent, TapeWidth(r));
    if (laid.refusal) return Refused(*laid.refusal);
    text = std::move(laid.text);
  } else {
    text = FitToTape(r, sent);
  }
  if (r.state.document == Document::kNonFiscal) {
    r.Print(text);
    return {};
  }
  if (!r.state.FiscalReceiptOpen()) return Refused(link::err::kWrongDocumentState);
  PrintReceiptLine(r, text);
  return {};
}

void CloseNonFiscalDocument(Registrar& r) {
  r.state.document = Document::kClosed;
  r.Print(Ruler(r, '-'));
}

Answer CloseNonFiscal(Registrar& r, ArgReader&) {
  if (r.state.document != Document::kNonFiscal) return Refused(link::err::kWrongDocumentState);
  CloseNonFiscalDocument(r);
  return {};
}

// 63h: operator; till; 0 sale, 1 refund, 2 a service receipt (cash in or
// out with 77h).
Answer OpenFiscal(Registrar& r, ArgReader& args) {
  OpenReceipt receipt;
  receipt.operatorNumber = static_cast<int>(args.Integer(1, 0, kMaxOperator));
  receipt.till = static_cast<int>(args.Integer(2, 0, kMaxTill));
  const long long kind = args.Integer(3, 0, 2);
  if (!args) return args.Refusal();
  RegistrarState& s = r.state;
  if (s.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  if (kind == 2) return docs::OpenServiceReceipt(r, receipt.operatorNumber, receipt.till);
  if (s.controlTapeReceipts >= kControlTapeReceipts)
    return Refused(link::err::kControlTapeMustBeUnloaded);
  OpenShiftIfClosed(r);
  receipt.refund = kind == 1;
  receipt.number = ++s.lastReceiptNumber;
  s.receipt = receipt;
  s.document = Document::kReceiptOpened;
  PrintReceiptHead(r);
  ReceiptLineUtf8(r, std::string(receipt.refund ? "ЧЕК ПОВЕРНЕННЯ № " : "ФІСКАЛЬНИЙ ЧЕК № ") +
                         std::to_string(receipt.number));
  ReceiptLineUtf8(r, "КАСИР " + std::to_string(receipt.operatorNumber) + "   КАСА " +
                         std::to_string(receipt.till));
  return {};
}

// 64h: code; quantity; and the price the program sends (the article's own
// when it is left out).
Answer Sell(Registrar& r, ArgReader& args) {
  const long long code = args.Integer(1, 0, kMaxArticleCode);
  const long long quantity = args.Quantity(2, -kMaxQuantity, kMaxQuantity);
  const bool pricedHere = args.Present(3);
  const long long price = pricedHere ? args.Amount(3, -kMaxAmount, kMaxAmount) : 0;
  if (!args) return args.Refusal();
  RegistrarState& s = r.state;
  if (s.receipt.service ||
      (s.document != Document::kReceiptOpened && s.document != Document::kSaleDone))
    return Refused(link::err::kWrongDocumentState);
  if (quantity <= 0) return Refused(link::err::kQuantityError);
  if (price < 0) return Refused(link::err::kPriceError);
  if (s.voiding) return docs::VoidItem(r, code, quantity, pricedHere ? price : -1);
  auto it = s.articles.find(code);
  if (it == s.articles.end()) return Refused(link::err::kArticleNotFound);
  const Article& a = it->second;
  if (const auto refusal = GroupRefusal(r, a.taxGroup)) return Refused(*refusal);
  ReceiptItem item{code, quantity, pricedHere ? price : a.price, 0, a.taxGroup, a.department};
  item.sum = (item.quantity * item.price + 500) / 1000;  // both bounded: no overflow
  if (s.receipt.Total() + item.sum > kMaxAmount) return Refused(link::err::kReceiptTotalOverflow);
  s.receipt.items.push_back(item);
  s.document = Document::kSaleDone;
  PrintReceiptLine(r, a.name);
  ReceiptLineUtf8(r, "  " + FormatQuantity(item.quantity) + " x " + FormatMoney(r, item.price) +
                         " = " + FormatMoney(r, item.sum) + " " + TaxLetter(item.taxGroup));
  return {};
}

// 67h: payment type; amount. The form's mask says in which receipts it
// pays and whether it gives change.
Answer Pay(Registrar& r, ArgReader& args) {
  const int type = static_cast<int>(args.Integer(1, 0, PaymentTypes(r) - 1));
  const long long amount = args.Amount(2, 1, kMaxAmount);
  if (!args) return args.Refusal();
  return docs::TakePayment(r, type, amount, "ОПЛАТА " + std::to_string(type));
}

// 6Dh: prints the total and answers it in field 1.
Answer PrintTotal(Registrar& r, ArgReader& args) {
  const bool shown = args.Integer(1, 0, 1, 0) == 1;
  if (!args) return args.Refusal();
  const Document d = r.state.document;
  if (r.state.receipt.service ||
      (d != Document::kSaleDone && d != Document::kPaying && d != Document::kCompleted))
    return Refused(link::err::kWrongDocumentState);
  if (r.state.voiding) return Refused(link::err::kVoidSequenceIncomplete);
  const std::string total = FormatMoney(r, r.state.receipt.Total());
  PrintReceiptLine(r, ReportRow(r, "СУМА", total));
  if (shown) r.state.display[1] = link::Utf8ToCp1251("СУМА ") + total;
  return {"0000", total + ";"};
}

// 65h closes a non-fiscal document, or a fiscal receipt once it is paid.
Answer Close(Registrar& r, ArgReader& args) {
  args.Integer(1, 0, 1, 0);
  if (!args) return args.Refusal();
  RegistrarState& s = r.state;
  if (s.document == Document::kNonFiscal) {
    CloseNonFiscalDocument(r);
    return {};
  }
  if (!s.FiscalReceiptOpen()) return Refused(link::err::kWrongDocumentState);
  if (s.voiding) return Refused(link::err::kVoidSequenceIncomplete);
  if (s.receipt.service) {
    if (!s.receipt.serviceAmountSet) return Refused(link::err::kWrongDocumentState);
    docs::CloseServiceReceipt(r);
    return {};
  }
  if (s.receipt.items.empty() || s.receipt.Paid() < s.receipt.Total())
    return Refused(link::err::kWrongDocumentState);
  if (!docs::TillTakesReceipt(s, s.receipt)) return Refused(link::err::kNotEnoughCash);
  PrintReceiptLine(r, ReportRow(r, "СУМА", FormatMoney(r, s.receipt.Total())));
  PrintReceiptTaxes(r, s.receipt.ByTaxGroup());
  PrintReceiptFoot(r);
  PrintReceiptLine(r, Ruler(r, '='));
  if (!s.receipt.items.empty()) AddReceiptToShift(r, s.receipt);
  s.receipt = {};
  s.document = Document::kClosed;
  return {};
}

constexpr HandlerRow kRows[] = {
    {link::cmd::kAddArticle, AddArticle},
    {link::cmd::kOpenNonFiscalReceipt, OpenNonFiscal},
    {link::cmd::kPrintText, PrintText},
    {link::cmd::kCloseNonFiscalReceipt, CloseNonFiscal},
    {link::cmd::kOpenFiscalReceipt, OpenFiscal},
    {link::cmd::kSellArticle, Sell},
    {link::cmd::kPayment, Pay},
    {link::cmd::kPrintTotal, PrintTotal},
    {link::cmd::kCloseFiscalReceipt, Close},
    {link::cmd::kVoidOperation, docs::Void},
    {link::cmd::kPercentDiscount, docs::ItemPercent},
    {link::cmd::kAbsoluteDiscount, docs::ItemAbsolute},
    {link::cmd::kSubtotalPercentDiscount, docs::SubtotalPercent},
    {link::cmd::kSubtotalAbsoluteDiscount, docs::SubtotalAbsolute},
    {link::cmd::kTaxGroupPercentDiscount, docs::TaxGroupPercent},
    {link::cmd::kTaxGroupAbsoluteDiscount, docs::TaxGroupAbsolute},
    {link::cmd::kPrintBarcode, docs::PrintBarcode},
    {link::cmd::kCardPayment, docs::CardPayment},
    {link::cmd::kShowOnDisplay, docs::ShowOnDisplay},
    {link::cmd::kCashInOut, docs::CashInOut},
    {link::cmd::kServiceCashIn, docs::ServiceAmount},
};

// State file: the document in progress, the receipt counter and the goods
// base. Article names travel as hexadecimal.

constexpr std::string_view kArticle = "article.";
constexpr std::string_view kItem = "receipt.item.";
constexpr std::string_view kPayment = "receipt.payment.";

bool InRange(long long v, long long lo, long long hi) {
  return v >= lo && v <= hi;
}

KeyLoad LoadArticle(RegistrarState& s, const std::string& key, const std::string& value) {
  long long code = 0;
  std::vector<long long> n;
  const size_t comma = value.rfind(',');
  Article a;
  if (!KeyNumber(key, kArticle, code) || !InRange(code, 1, kMaxArticleCode) ||
      comma == std::string::npos || !ReadNumbers(value.substr(0, comma), n, 3) ||
      !ReadHexText(value.substr(comma + 1), a.name) || !InRange(n[0], 0, kMaxAmount) ||
      !InRange(n[1], 0, kMaxTaxGroups - 1) || !InRange(n[2], 0, kMaxDepartment))
    return KeyLoad::kBad;
  a.price = n[0];
  a.taxGroup = static_cast<int>(n[1]);
  a.department = static_cast<int>(n[2]);
  s.articles[code] = a;
  return KeyLoad::kTaken;
}

KeyLoad LoadReceiptPart(RegistrarState& s, const std::string& key, const std::string& value) {
  OpenReceipt& rc = s.receipt;
  std::vector<long long> n;
  long long index = 0;
  if (key.starts_with(kItem)) {
    if (!KeyNumber(key, kItem, index) || index != static_cast<long long>(rc.items.size()) ||
        !ReadNumbers(value, n, 6) || !InRange(n[1], 1, kMaxQuantity) ||
        !InRange(n[2], 0, kMaxAmount) || !InRange(n[3], 0, kMaxAmount) ||
        !InRange(n[4], 0, kMaxTaxGroups - 1) || !InRange(n[5], 0, kMaxDepartment))
      return KeyLoad::kBad;
    rc.items.push_back({n[0], n[1], n[2], n[3], static_cast<int>(n[4]), static_cast<int>(n[5])});
    return KeyLoad::kTaken;
  }
  if (!KeyNumber(key, kPayment, index) || !InRange(index, 0, kMaxPaymentTypes - 1) ||
      !ReadNumbers(value, n, 1) || !InRange(n[0], 1, kMaxAmount))
    return KeyLoad::kBad;
  rc.payments[static_cast<int>(index)] = n[0];
  return KeyLoad::kTaken;
}

// A fiscal receipt open at the save. A void sequence in progress does not
// survive a restart: the receipt is kept as it was when the sequence began.
const OpenReceipt& SavedReceipt(const RegistrarState& s) {
  return s.voiding ? s.beforeVoid : s.receipt;
}

bool ReceiptKept(const RegistrarState& s) {
  return s.FiscalReceiptOpen();
}

// One number from `lo` to `hi` into `out`.
template <class T>
KeyLoad LoadOne(const std::string& value, long long lo, long long hi, T& out) {
  std::vector<long long> n;
  if (!ReadNumbers(value, n, 1) || !InRange(n[0], lo, hi)) return KeyLoad::kBad;
  out = static_cast<T>(n[0]);
  return KeyLoad::kTaken;
}

KeyLoad LoadReceiptHead(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> n;
  OpenReceipt& rc = s.receipt;
  if (!ReadNumbers(value, n, 4) || !InRange(n[1], 0, kMaxOperator) || !InRange(n[2], 0, kMaxTill) ||
      !InRange(n[3], 0, 1))
    return KeyLoad::kBad;
  rc.number = static_cast<int>(n[0]);
  rc.operatorNumber = static_cast<int>(n[1]);
  rc.till = static_cast<int>(n[2]);
  rc.refund = n[3] == 1;
  return KeyLoad::kTaken;
}

KeyLoad LoadReceiptService(RegistrarState& s, const std::string& value, std::string&) {
  std::vector<long long> n;
  OpenReceipt& rc = s.receipt;
  if (!ReadNumbers(value, n, 2) || !InRange(n[0], 0, 1) || !InRange(n[1], -kMaxAmount, kMaxAmount))
    return KeyLoad::kBad;
  rc.service = true;
  rc.serviceAmountSet = n[0] == 1;
  rc.serviceAmount = n[1];
  return KeyLoad::kTaken;
}

constexpr StateKey kKeys[] = {
    {"receipt_number", [](const RegistrarState& s) { return std::to_string(s.lastReceiptNumber); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadOne(v, 0, 999999999, s.lastReceiptNumber);
     }},
    {"cash", [](const RegistrarState& s) { return std::to_string(s.cash); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadOne(v, 0, kMaxAmount, s.cash);
     }},
    {"document",
     [](const RegistrarState& s) { return std::to_string(static_cast<int>(s.document)); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadOne(v, 0, 5, s.document);
     }},
    {"receipt",
     [](const RegistrarState& s) {
       const OpenReceipt& rc = SavedReceipt(s);
       return JoinNumbers({rc.number, rc.operatorNumber, rc.till, rc.refund ? 1 : 0});
     },
     LoadReceiptHead, ReceiptKept},
    {"receipt.service",
     [](const RegistrarState& s) {
       const OpenReceipt& rc = SavedReceipt(s);
       return JoinNumbers({rc.serviceAmountSet ? 1 : 0, rc.serviceAmount});
     },
     LoadReceiptService,
     [](const RegistrarState& s) { return ReceiptKept(s) && SavedReceipt(s).service; }},
    {"receipt.change_from",
     [](const RegistrarState& s) { return std::to_string(SavedReceipt(s).changeFrom); },
     [](RegistrarState& s, const std::string& v, std::string&) {
       return LoadOne(v, 0, kMaxPaymentTypes - 1, s.receipt.changeFrom);
     },
     [](const RegistrarState& s) { return ReceiptKept(s) && SavedReceipt(s).Change() > 0; }},
};

void Save(const RegistrarState& s, StateWriter& w) {
  SaveKeys(kKeys, s, w);
  for (const auto& [code, a] : s.articles)
    w.Put(std::string(kArticle) + std::to_string(code),
          JoinNumbers({a.price, a.taxGroup, a.department}) + "," + link::HexBytes(a.name));
  if (!ReceiptKept(s)) return;
  const OpenReceipt& rc = SavedReceipt(s);
  for (size_t i = 0; i < rc.items.size(); ++i) {
    const ReceiptItem& it = rc.items[i];
    w.Put(std::string(kItem) + std::to_string(i),
          JoinNumbers({it.code, it.quantity, it.price, it.sum, it.taxGroup, it.department}));
  }
  for (const auto& [type, amount] : rc.payments)
    w.Put(std::string(kPayment) + std::to_string(type), amount);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value,
             std::string& why) {
  if (const KeyLoad scalar = LoadKey(kKeys, s, key, value, why); scalar != KeyLoad::kNotMine)
    return scalar;
  if (key.starts_with(kArticle)) return LoadArticle(s, key, value);
  if (key.starts_with(kItem) || key.starts_with(kPayment)) return LoadReceiptPart(s, key, value);
  return KeyLoad::kNotMine;
}

}  // namespace

const Domain& DocumentsDomain() {
  static const Domain kDomain{"documents", kRows, Save, Load};
  return kDomain;
}

long long OpenReceipt::Total() const {
  return std::accumulate(items.begin(), items.end(), 0LL,
                         [](long long t, const ReceiptItem& i) { return t + i.sum; });
}

std::map<int, long long> OpenReceipt::ByTaxGroup() const {
  std::map<int, long long> byGroup;
  for (const ReceiptItem& i : items) byGroup[i.taxGroup] += i.sum;
  return byGroup;
}

long long OpenReceipt::Paid() const {
  long long paid = 0;
  for (const auto& [type, amount] : payments) paid += amount;
  return paid;
}

}  // namespace tesmar::emu
