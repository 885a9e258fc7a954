#include "model_rules.h"

#include "registrar_models.h"

namespace tesmar::app {

namespace {

link::ModelOptions Options(const QString& model) {
  return link::OptionsForModel(model.toStdString());
}

}  // namespace

bool IsModemModel(const QString& m) {
  return Options(m).modem;
}

bool IsFkpModel(const QString& m) {
  return Options(m).fkp;
}

bool HasWifi(const QString& m) {
  return Options(m).wifi;
}

TapeWidthChoice TapeWidthFor(const QString& m) {
  const link::ModelOptions o = Options(m);
  TapeWidthChoice c;
  c.width = o.tapeWidth;
  c.listShown = !o.tapeWidthChoices.empty();
  c.listItems = QList<int>(o.tapeWidthChoices.begin(), o.tapeWidthChoices.end());
  return c;
}

RegistrarParamOptions RegistrarOptionsFor(const QString& m, RegistrarParamOptions o) {
  const link::ModelOptions model = Options(m);
  if (model.controlTapeSmallFont) o.smallFontControlVisible = true;
  if (model.paper57) o.smallFontControlVisible = false;
  o.paper57Visible = model.paper57;
  return o;
}

bool MenuItemAllowed(const QString& caption, const AppState& s) {
  if (caption == Tesmar::mark("Параметры настройки WiFi")) return HasWifi(s.model);
  if (caption == Tesmar::mark("Печать дневных отчетов FKP101")) return s.fkpModel;
  if (caption == Tesmar::mark("Печать дневных отчетов")) return !s.fkpModel;
  return true;
}

bool MenuItemVisible(const QString& caption, const AppState& s) {
  if (caption == Tesmar::mark("Параметры связи с эквайером") || caption == Tesmar::mark("Установить и прочитать ID_DEV"))
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
