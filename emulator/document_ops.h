// The documents domain's handlers that live outside documents.cpp, and the
// helpers they share with it. Internal to the emulator's documents domain.
#pragma once

#include <string>
#include <string_view>

#include "emulator/registrar.h"

namespace tesmar::emu::docs {

// receipt_payments.cpp: the helpers below, 78h and the till's share of a
// closed receipt.

// Payment types the registrar takes (the program counts 0 as 10).
int PaymentTypes(const Registrar& r);
// A receipt line written in UTF-8, printed on the tape and the control tape.
void ReceiptLineUtf8(Registrar& r, std::string_view utf8);
// Takes a payment of `type` into the open receipt and prints it: the state
// checks and the change. `label` is the tape's label for it (UTF-8).
Answer TakePayment(Registrar& r, int type, long long amount, std::string_view label);
// What status byte 2 says of a fiscal receipt after its items changed.
void SettleSaleState(RegistrarState& s);

// receipt_adjustments.cpp: 68h, 69h, 73h-76h.
Answer ItemPercent(Registrar& r, ArgReader& args);
Answer ItemAbsolute(Registrar& r, ArgReader& args);
Answer SubtotalPercent(Registrar& r, ArgReader& args);
Answer SubtotalAbsolute(Registrar& r, ArgReader& args);
Answer TaxGroupPercent(Registrar& r, ArgReader& args);
Answer TaxGroupAbsolute(Registrar& r, ArgReader& args);

// receipt_voids.cpp: 6Bh, and a sale while a void sequence runs.
Answer Void(Registrar& r, ArgReader& args);
Answer VoidItem(Registrar& r, long long code, long long quantity, long long price);

Answer CardPayment(Registrar& r, ArgReader& args);
// The cash a closed receipt leaves in the till (payments in cash net of
// change, taken out for a refund). False, and the till unchanged, when it
// has too little.
bool TillTakesReceipt(RegistrarState& s, const OpenReceipt& receipt);

// receipt_extras.cpp: 6Fh, 81h.
Answer PrintBarcode(Registrar& r, ArgReader& args);
Answer ShowOnDisplay(Registrar& r, ArgReader& args);

// cash_till.cpp: 6Eh, 77h, and the till's side of opening and closing a
// service receipt.
Answer CashInOut(Registrar& r, ArgReader& args);
Answer ServiceAmount(Registrar& r, ArgReader& args);
Answer OpenServiceReceipt(Registrar& r, int operatorNumber, int till);
void CloseServiceReceipt(Registrar& r);

}  // namespace tesmar::emu::docs
