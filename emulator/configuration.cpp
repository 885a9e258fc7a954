// Configuration: the service parameters (88h sets one, 89h reads it back).
#include "configuration.h"

#include "domain.h"
#include "emu_codes.h"

namespace tesmar::emu {

namespace {

constexpr long long kMaxParameter = 65535;
constexpr long long kMaxValue = 999999999;

Answer SetServiceParameter(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, 0, kMaxParameter);
  const long long value = args.Integer(2, -kMaxValue, kMaxValue);
  if (!args) return args.Refusal();
  r.state.serviceParameters[static_cast<int>(number)] = value;
  return {};
}

Answer ReadServiceParameter(Registrar& r, ArgReader& args) {
  const long long number = args.Integer(1, 0, kMaxParameter);
  if (!args) return args.Refusal();
  auto it = r.state.serviceParameters.find(static_cast<int>(number));
  return {"0000", std::to_string(it == r.state.serviceParameters.end() ? 0 : it->second) + ";"};
}

constexpr HandlerRow kRows[] = {
    {cmd::kSetServiceParameter, SetServiceParameter},
    {cmd::kReadServiceParameter, ReadServiceParameter},
};

constexpr std::string_view kServicePrefix = "service.";

void Save(const RegistrarState& s, StateWriter& w) {
  for (const auto& [number, value] : s.serviceParameters)
    w.Put(std::string(kServicePrefix) + std::to_string(number), value);
}

KeyLoad Load(RegistrarState& s, const std::string& key, const std::string& value, std::string&) {
  if (!key.starts_with(kServicePrefix)) return KeyLoad::kNotMine;
  long long number = 0, v = 0;
  if (!KeyNumber(key, kServicePrefix, number) || number < 0 || number > kMaxParameter ||
      ParseScaled(value, 0, v) != NumberParse::kOk || v < -kMaxValue || v > kMaxValue)
    return KeyLoad::kBad;
  s.serviceParameters[static_cast<int>(number)] = v;
  return KeyLoad::kTaken;
}

}  // namespace

const Domain& ConfigurationDomain() {
  static const Domain kDomain{"configuration", kRows, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
