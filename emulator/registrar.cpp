#include "emulator/registrar.h"

#include <cstdio>

#include "link/command_codes.h"
#include "emulator/domain.h"
#include "emulator/mode_passwords.h"
#include "link/registrar_models.h"

namespace tesmar::emu {

Answer Refused(link::err::Code code) {
  return {code.Text().data(), {}};
}

void TakeModelDefaults(RegistrarOptions& o, const GivenOptions& given) {
  const link::RegistrarModel* m = link::FindRegistrarModel(o.model);
  if (!m) return;
  if (!given.firmware) o.version = m->firmware;
  if (!given.taxGroups) o.taxGroups = m->taxGroups;
  if (!given.paymentTypes) o.paymentTypes = m->paymentTypes;
}

Registrar::Registrar(RegistrarOptions o)
    : options(std::move(o)), clock_([] { return std::time(nullptr); }) {
  for (const Domain* domain : Domains())
    for (const HandlerRow& row : domain->rows)
      if (!Register(row.code, row.handle)) conflicts_.push_back(row.code);
}

bool Registrar::Register(int code, Handler handler) {
  return handlers_.emplace(code, std::move(handler)).second;
}

Answer Registrar::Execute(int code, const std::string& params) {
  auto it = handlers_.find(code);
  if (it == handlers_.end()) return Refused(link::err::kNoSuchCommand);
  Fields fields = SplitFields(params);
  if (fields.empty() || !PasswordOpens(*this, code, fields[0]))
    return Refused(link::err::kWrongPassword);
  ArgReader args(std::move(fields), state.decimalPoint);
  ++executed_[code];
  return it->second(*this, args);
}

std::array<uint8_t, 6> Registrar::StatusBytes() const {
  // Bit 7 is always set on the wire; the driver clears it.
  std::array<uint8_t, 6> s{0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  if (options.serviceMode) s[0] |= 0x01;
  s[2] |= static_cast<uint8_t>(state.document) & 0x0F;
  if (state.FiscalReceiptOpen() && state.receipt.refund) s[2] |= 0x10;
  if (!state.serialNumber.empty()) s[4] |= 0x01;
  if (state.fiscalized) s[4] |= 0x02;
  if (state.shiftOpen) s[5] |= 0x10;
  return s;
}

void Registrar::Print(const std::string& line) {
  tape_.push_back(line);
  if (tape_.size() > kTapeTailLines) tape_.pop_front();
  if (tapeSink_) tapeSink_(line);
}

long Registrar::Executed(int code) const {
  auto it = executed_.find(code);
  return it == executed_.end() ? 0 : it->second;
}

}  // namespace tesmar::emu
