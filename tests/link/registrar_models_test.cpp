// The model table: what a model text decides (the tape width the registrar
// prints and the header window offers, the window options), for the models
// the rules name and for texts no row names.
#include "registrar_models.h"

#include <gtest/gtest.h>

#include <set>

using tesmar::link::FindRegistrarModel;
using tesmar::link::ModelOptions;
using tesmar::link::OptionsForModel;
using tesmar::link::RegistrarModels;

TEST(RegistrarModels, widthsFollowTheRulesInTheirOrder) {
  struct Case {
    const char* model;
    int width;
    std::vector<int> choices;
  };
  const Case cases[] = {
      {"Tesmar EMU-01", 40, {}},
      {"Tesmar 3141", 38, {}},
      {"Datecs CMP-10", 32, {}},
      {"CMP-10M", 32, {}},
      {"Datecs FP-T260", 40, {}},
      {"ЭКР 3530", 36, {}},
      {"Tesmar WF-101", 32, {}},
      {"3141 260", 40, {}},  // a later rule wins
      {"3530 101", 32, {}},
      {"Tesmar MP-01", 32, {}},
      {"Tesmar FP-7179", 42, {42, 44}},
      {"Datecs FP-510", 42, {42, 48}},
      {"Datecs FP-T88", 40, {40, 42}},
      {"Datecs FP-320", 40, {40, 42}},
      {"3141 MP-01 510", 32, {}},  // only the first of the list rules
      {"", 40, {}},
  };
  for (const Case& c : cases) {
    const ModelOptions o = OptionsForModel(c.model);
    EXPECT_EQ(o.tapeWidth, c.width) << c.model;
    EXPECT_EQ(o.tapeWidthChoices, c.choices) << c.model;
  }
}

TEST(RegistrarModels, windowOptionsOfTheNamedModels) {
  EXPECT_TRUE(OptionsForModel("Tesmar 3141").modem);
  EXPECT_TRUE(OptionsForModel("Tesmar CMP-10").modem);
  EXPECT_FALSE(OptionsForModel("CMP-10M").modem);
  const ModelOptions fkp = OptionsForModel("Tesmar FKP-101");
  EXPECT_TRUE(fkp.fkp && fkp.wifi);
  EXPECT_EQ(fkp.tapeWidth, 32);
  EXPECT_TRUE(OptionsForModel("Datecs CMP-10").controlTapeSmallFont);
  EXPECT_FALSE(OptionsForModel("Datecs CMP-10 ").controlTapeSmallFont);  // the whole text
  for (const char* m : {"Datecs FP-T1", "Datecs FP-T88", "Datecs FP-510", "Datecs FP-320",
                        "Datecs FP-7197", "CMP-10M"})
    EXPECT_TRUE(OptionsForModel(m).paper57) << m;
  EXPECT_FALSE(OptionsForModel("Tesmar CMP-10M").paper57);
  EXPECT_TRUE(OptionsForModel("Datecs FP-320 Ukr").paymentTerminal);
  EXPECT_TRUE(OptionsForModel("Datecs FP-3200").paymentTerminal);  // a substring
  EXPECT_FALSE(OptionsForModel("FP-320").paymentTerminal);
}

TEST(RegistrarModels, tableRowsAreFoundByTheirWholeTextAndKnowTheirOptions) {
  std::set<std::string_view> seen;
  for (const auto& m : RegistrarModels()) {
    EXPECT_TRUE(seen.insert(m.model).second) << m.model;
    EXPECT_EQ(FindRegistrarModel(m.model), &m);
    EXPECT_GE(m.taxGroups, 1);
    EXPECT_LE(m.taxGroups, 9);
    EXPECT_GE(m.paymentTypes, 0);
    EXPECT_LE(m.paymentTypes, 10);
    EXPECT_EQ(m.Options().tapeWidth, OptionsForModel(m.model).tapeWidth);
  }
  EXPECT_EQ(FindRegistrarModel("Tesmar EMU"), nullptr);
  ASSERT_NE(FindRegistrarModel("Datecs FP-320"), nullptr);
  EXPECT_EQ(FindRegistrarModel("Datecs FP-320")->firmware, "4.00");
}
