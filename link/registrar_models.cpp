#include "registrar_models.h"

#include <algorithm>
#include <array>

namespace tesmar::link {

namespace {

bool Has(std::string_view model, std::string_view part) {
  return model.find(part) != std::string_view::npos;
}

struct WidthRule {
  std::string_view part;
  int width;
};

// Applied in order: a later rule overrides an earlier one.
constexpr WidthRule kWidths[] = {
    {"3141", 38}, {"CMP-10", 32}, {"260", 40}, {"3530", 36}, {"101", 32},
};

struct WidthListRule {
  std::string_view part;
  std::array<int, 2> choices;  // {0, 0}: a width for the edit field, no list
  int width;
};

// Then the first of these that matches, and no further one.
constexpr WidthListRule kWidthLists[] = {
    {"MP-01", {0, 0}, 32},           {"7179", {42, 44}, 42},          {"510", {42, 48}, 42},
    {"Datecs FP-T88", {40, 42}, 40}, {"Datecs FP-320", {40, 42}, 40},
};

constexpr std::string_view kPaper57[] = {"Datecs FP-T1",  "Datecs FP-T88",  "Datecs FP-510",
                                         "Datecs FP-320", "Datecs FP-7197", "CMP-10M"};

void ApplyWidths(std::string_view model, ModelOptions& o) {
  for (const WidthRule& rule : kWidths)
    if (Has(model, rule.part)) o.tapeWidth = rule.width;
  for (const WidthListRule& rule : kWidthLists) {
    if (!Has(model, rule.part)) continue;
    o.tapeWidth = rule.width;
    if (rule.choices[0]) o.tapeWidthChoices.assign(rule.choices.begin(), rule.choices.end());
    return;
  }
}

constexpr RegistrarModel kModels[] = {
    {"Tesmar EMU-01", "3.01", 5, 10},   {"Tesmar 3141", "2.01", 5, 10},
    {"Tesmar FP-3530T", "3.00", 5, 10}, {"Tesmar WF-101", "5.00", 5, 10},
    {"Tesmar FKP-101", "3.02", 5, 10},  {"Tesmar MP-01", "1.00", 5, 10},
    {"Tesmar FP-7179", "3.01", 9, 10},  {"Datecs FP-T1", "3.00", 5, 10},
    {"Datecs FP-T88", "3.01", 5, 10},   {"Datecs FP-T260", "3.01", 5, 10},
    {"Datecs FP-320", "4.00", 5, 10},   {"Datecs FP-510", "3.01", 5, 10},
    {"Datecs FP-7197", "3.01", 5, 10},  {"Datecs CMP-10", "2.02", 5, 0},
    {"CMP-10M", "2.03", 5, 4},
};

}  // namespace

ModelOptions OptionsForModel(std::string_view model) {
  ModelOptions o;
  ApplyWidths(model, o);
  o.modem = Has(model, "3141") || (Has(model, "CMP-10") && !Has(model, "CMP-10M"));
  o.fkp = Has(model, "FKP");
  o.wifi = Has(model, "101");
  o.paymentTerminal = Has(model, "Datecs FP-320");
  o.controlTapeSmallFont = model == "Datecs CMP-10";
  o.paper57 = std::find(std::begin(kPaper57), std::end(kPaper57), model) != std::end(kPaper57);
  return o;
}

std::span<const RegistrarModel> RegistrarModels() {
  return kModels;
}

const RegistrarModel* FindRegistrarModel(std::string_view model) {
  for (const RegistrarModel& m : kModels)
    if (m.model == model) return &m;
  return nullptr;
}

}  // namespace tesmar::link
