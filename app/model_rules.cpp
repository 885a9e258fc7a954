#include "model_rules.h"

#include <QStringList>

namespace tesmar::app {

bool IsModemModel(const QString& m) {
  return m.contains("3141") || (m.contains("CMP-10") && !m.contains("CMP-10M"));
}

bool IsFkpModel(const QString& m) {
  return m.contains("FKP");
}

bool HasWifi(const QString& m) {
  return m.contains("101");
}

TapeWidthChoice TapeWidthFor(const QString& m) {
  TapeWidthChoice c;  // an edit field showing 40
  // A later rule overrides an earlier one.
  if (m.contains("3141")) c.width = 38;
  if (m.contains("CMP-10")) c.width = 32;
  if (m.contains("260")) c.width = 40;
  if (m.contains("3530")) c.width = 36;
  if (m.contains("101")) c.width = 32;
  // Then the first of these that matches.
  auto list = [&c](int a, int b) {
    c.listShown = true;
    c.listItems = {a, b};
    c.width = a;
  };
  if (m.contains("MP-01"))
    c.width = 32;
  else if (m.contains("7179"))
    list(42, 44);
  else if (m.contains("510"))
    list(42, 48);
  else if (m.contains("Datecs FP-T88") || m.contains("Datecs FP-320"))
    list(40, 42);
  return c;
}

RegistrarParamOptions RegistrarOptionsFor(const QString& m, RegistrarParamOptions o) {
  if (m == "Datecs CMP-10") o.smallFontControlVisible = true;
  static const QStringList k57 = {"Datecs FP-T1",  "Datecs FP-T88",  "Datecs FP-510",
                                  "Datecs FP-320", "Datecs FP-7197", "CMP-10M"};
  if (k57.contains(m)) {
    o.smallFontControlVisible = false;
    o.paper57Visible = true;
  } else {
    o.paper57Visible = false;
  }
  return o;
}

bool MenuItemAllowed(const QString& caption, const AppState& s) {
  if (caption == "Параметры настройки WiFi") return HasWifi(s.model);
  if (caption == "Печать дневных отчетов FKP101") return s.fkpModel;
  if (caption == "Печать дневных отчетов") return !s.fkpModel;
  return true;
}

bool MenuItemVisible(const QString& caption, const AppState& s) {
  if (caption == "Параметры связи с эквайером" || caption == "Установить и прочитать ID_DEV")
    return !s.modemModel;
  return true;
}

QString FirmwareVersionFor(int forced, const QString& reported, const QString& previous) {
  switch (forced) {
    case -1:
      return reported;
    case 0:
      return "2.01";
    case 1:
      return "2.02";
    case 2:
      return "3.00";
    case 3:
      return "3.01";
    default:
      return previous;
  }
}

}  // namespace tesmar::app
