// Configuration: the header and advertising lines, operators, the mode
// passwords, payment forms, fiscal and tax numbers, tax groups,
// fiscalization, the registrar parameters (the line speed among them), the
// decimal point, the restart. The service counters (88h, 89h) are the
// maintenance domain's.
#pragma once

#include <array>
#include <map>
#include <string>

namespace tesmar::emu {

struct Domain;
class Registrar;

inline constexpr int kHeaderLines = 10;      // lines 0-9 head every receipt
inline constexpr int kAdvertisingLines = 4;  // lines 10-13 end it
inline constexpr int kTextLines = kHeaderLines + kAdvertisingLines;
inline constexpr int kMaxTaxGroups = 9;
inline constexpr int kNoLinkedGroup = -1;
// Document flag: no advertising text at the end of a receipt.
inline constexpr int kNoAdvertisingFlag = 0x0100;
// Document flag: the user logo at the head of every receipt.
inline constexpr int kPrintUserLogoFlag = 0x0400;

struct TextLine {
  std::string text;  // Windows-1251; empty: not printed
  int width = 0;     // 0 single, 1 double
  bool operator==(const TextLine&) const = default;
};

struct CashOperator {
  std::string password, name;
  bool hasSold = false;
  bool operator==(const CashOperator&) const = default;
};

// Permission mask of a payment form (2Dh).
inline constexpr int kPayInSale = 0x01;
inline constexpr int kPayInRefund = 0x02;
inline constexpr int kPayWithTerminal = 0x10;
inline constexpr int kPayChangeInCash = 0x80;

struct PaymentForm {
  int mask = 0;      // 0: forbidden in every receipt
  std::string name;  // Windows-1251; printed under the payment
  bool operator==(const PaymentForm&) const = default;
};

// Tax types of 47h: 00 forbids sales into the group, 03 is not subject to
// tax; the others have the tax included in the price ("Вложенный": 01, 04,
// 06, 08) or added on top of it ("Наложенный": 02, 05, 07, 09).
inline constexpr int kTaxForbidden = 0;
inline constexpr int kTaxExempt = 3;
bool TaxAddedOnTop(int type);

struct TaxGroup {
  int type = kTaxForbidden;
  long long rate = 0;  // hundredths of a percent
  std::string name;    // Windows-1251
  int linked = kNoLinkedGroup;
  bool operator==(const TaxGroup&) const = default;
};

// What a registrar leaves the factory with: cash (and a card form for the
// bank terminal) may pay; groups А and Б carry 20 % and 7 % of VAT, В and Д
// none, Г 0 %; the groups past Д forbid sales.
std::map<int, PaymentForm> FactoryPaymentForms();
std::array<TaxGroup, kMaxTaxGroups> FactoryTaxGroups();

struct RegistrarParameters {
  int contrast = 0;
  int documentFlags = 0, printFlags = 0;
  int openPulse = 0x0A, closePulse = 0x0A, nameLineLength = 32;
  bool operator==(const RegistrarParameters&) const = default;
};

struct ConfigurationState {
  std::array<TextLine, kTextLines> textLines;
  std::map<int, CashOperator> operators;
  // The mode passwords; empty: the registrar's own password still holds.
  std::string programmingPassword, reportsPassword, adminPassword;
  std::map<int, PaymentForm> paymentForms = FactoryPaymentForms();
  std::string fiscalNumber, taxIdNumber, taxNumber;  // Windows-1251
  std::array<TaxGroup, kMaxTaxGroups> taxGroups = FactoryTaxGroups();
  RegistrarParameters parameters;
  // The speed of the serial line in baud; 0: the registrar answers at any
  // speed (no speed was set by 27h or given at start).
  int lineSpeed = 0;
  int decimalPoint = 2;
  // Set by F3h; the line takes it and stays silent while the registrar
  // starts again. Not kept in the state file.
  bool restartRequested = false;
};

const Domain& ConfigurationDomain();


// The speeds 27h accepts.
bool IsLineSpeed(int baud);

}  // namespace tesmar::emu
