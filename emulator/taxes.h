// Taxes: which groups a sale may go into, the tax a group's turnover
// includes (by the group's type and rate, in the smallest unit, rounded
// half up), and the rows that print a group's turnover with its tax on
// receipts and daily reports.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "link/error_codes.h"

namespace tesmar::emu {

class Registrar;
struct TaxGroup;

// The group's letter (А, Б, В, ...; "?" past the ninth), UTF-8.
std::string TaxLetter(int group);

// Why the registrar refuses goods in `group`: a group whose tax is
// forbidden, or one whose tax is added on top of the price (this registrar
// keeps only taxes included in the price). None when it takes them.
std::optional<link::err::Code> GroupRefusal(const Registrar& r, int group);

// The tax included in `turnover` of a group: turnover x rate / (100 % +
// rate); none for a group not subject to tax.
long long IncludedTax(const TaxGroup& g, long long turnover);

// The line under a group's turnover that gives its tax: the group's name
// and rate, and the tax (Windows-1251).
std::string TaxRow(const Registrar& r, int group, long long turnover);

// The turnover of each group of a receipt, each with its tax row, printed
// on the receipt (and its control tape).
void PrintReceiptTaxes(Registrar& r, const std::map<int, long long>& byGroup);

}  // namespace tesmar::emu
