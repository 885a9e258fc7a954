#include "emulator/taxes.h"

#include "emulator/configuration.h"
#include "link/encoding.h"
#include "emulator/printing.h"
#include "emulator/registrar.h"
#include "emulator/reports.h"

namespace tesmar::emu {

namespace {

constexpr const char* kTaxLetters[kMaxTaxGroups] = {"А", "Б", "В", "Г", "Д", "Є", "Ж", "И", "Ї"};
constexpr long long kWholePercent = 10000;  // 100 % in hundredths

bool Included(int type) {
  return type != kTaxForbidden && type != kTaxExempt && !TaxAddedOnTop(type);
}

}  // namespace

std::string TaxLetter(int group) {
  return group >= 0 && group < kMaxTaxGroups ? kTaxLetters[group] : "?";
}

std::optional<link::err::Code> GroupRefusal(const Registrar& r, int group) {
  if (group < 0 || group >= kMaxTaxGroups) return link::err::kTaxForbidden;
  const int type = r.state.taxGroups[static_cast<size_t>(group)].type;
  if (type == kTaxForbidden) return link::err::kTaxForbidden;
  if (TaxAddedOnTop(type)) return link::err::kNotSupported;
  return std::nullopt;
}

long long IncludedTax(const TaxGroup& g, long long turnover) {
  if (!Included(g.type)) return 0;
  // Turnovers of a shift reach fifteen digits: the product needs more than
  // 64 bits.
  const __int128 scaled = static_cast<__int128>(turnover) * g.rate * 2;
  const __int128 base = kWholePercent + g.rate;
  return static_cast<long long>((scaled + base) / (base * 2));
}

std::string TaxRow(const Registrar& r, int group, long long turnover) {
  const TaxGroup& g = r.state.taxGroups[static_cast<size_t>(group)];
  const std::string name = g.name.empty() ? link::Utf8ToCp1251("ПОДАТОК") : g.name;
  return ReportRowCp1251(r, "  " + name + " " + FormatHundredths(g.rate) + "%",
                         FormatMoney(r, IncludedTax(g, turnover)));
}

void PrintReceiptTaxes(Registrar& r, const std::map<int, long long>& byGroup) {
  for (const auto& [group, turnover] : byGroup) {
    PrintReceiptLine(r, ReportRow(r, "ОБІГ " + TaxLetter(group), FormatMoney(r, turnover)));
    if (group >= 0 && group < kMaxTaxGroups) PrintReceiptLine(r, TaxRow(r, group, turnover));
  }
}

}  // namespace tesmar::emu
