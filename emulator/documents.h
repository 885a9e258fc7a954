// Documents: the goods base (24h), fiscal receipts (63h, 64h, 67h, 6Dh,
// 65h, discounts 68h, 69h, 73h-76h, voids 6Bh, bar codes 6Fh, card payment
// 78h), service receipts and cash in and out (63h kind 2, 77h, 6Eh), the
// customer display (81h) and non-fiscal documents (60h, 61h, 62h, 65h). A
// closed fiscal receipt feeds the shift kept by the reports domain; the
// till's cash follows every receipt paid in cash.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tesmar::emu {

struct Domain;

// Receipt states of status byte 2 (its low four bits).
enum class Document : uint8_t {
  kClosed = 0,
  kReceiptOpened = 1,  // header printed
  kSaleDone = 2,
  kPaying = 3,     // paid in part
  kCompleted = 4,  // paid in full, ready to close
  kNonFiscal = 5,
};

inline constexpr long long kMaxArticleCode = 99999999999999;  // 14 digits
inline constexpr long long kMaxAmount = 9999999999;           // 99 999 999.99, in kopecks
inline constexpr long long kMaxQuantity = 99999999;           // 99 999.999, in thousandths

struct Article {
  std::string name;     // Windows-1251
  long long price = 0;  // kopecks
  int taxGroup = 0;
  int department = 0;
  bool operator==(const Article&) const = default;
};

struct ReceiptItem {
  long long code = 0;
  long long quantity = 0;  // thousandths
  long long price = 0;     // kopecks
  long long sum = 0;       // kopecks, discounts and surcharges included
  int taxGroup = 0;
  int department = 0;
};

struct OpenReceipt {
  int number = 0;
  int operatorNumber = 0;
  int till = 0;
  bool refund = false;
  bool service = false;         // a service receipt: cash in or out (77h)
  long long serviceAmount = 0;  // kopecks, negative for cash out
  bool serviceAmountSet = false;
  std::vector<ReceiptItem> items;
  std::map<int, long long> payments;  // by payment type, kopecks
  // The payment type that paid more than was due: the change comes back in
  // cash, out of what that type paid.
  int changeFrom = 0;

  long long Total() const;
  long long Paid() const;
  long long Change() const { return Paid() > Total() ? Paid() - Total() : 0; }
  // The sum of each tax group's items.
  std::map<int, long long> ByTaxGroup() const;
};

struct DocumentState {
  Document document = Document::kClosed;
  OpenReceipt receipt;  // meaningful while a fiscal receipt is open
  int lastReceiptNumber = 0;
  std::map<long long, Article> articles;  // the goods base, by code
  long long cash = 0;                     // kopecks in the till
  // A void sequence (6Bh kinds 1 to 3): while it runs, a sale voids the
  // matching item; cancelling it restores the receipt as it was.
  bool voiding = false;
  OpenReceipt beforeVoid;
  std::string lastCardTransaction;  // the identifier of the last 78h
  std::string display[2];           // the customer display's two lines

  bool FiscalReceiptOpen() const {
    return document != Document::kClosed && document != Document::kNonFiscal;
  }
};

const Domain& DocumentsDomain();

}  // namespace tesmar::emu
