#include "app/model_rules.h"

namespace tesmar::app {

link::RegistrarProfile ProfileOf(const AppState& s) {
  const std::string model = s.model.toStdString(), firmware = s.firmwareVersion.toStdString();
  const std::string level = s.accessLevel.toStdString();
  const std::string journal = s.electronicJournal.toStdString();
  return link::ProfileFor({model, firmware, level, journal});
}

void TakeProfile(AppState& s) {
  s.profile = ProfileOf(s);
  s.tapeWidthChoice = TapeWidthFor(s.profile);
  s.tapeWidth = s.tapeWidthChoice.width;
  s.registrarParams = RegistrarOptionsFor(s.profile, s.registrarParams);
}

TapeWidthChoice TapeWidthFor(const link::RegistrarProfile& p) {
  TapeWidthChoice c;
  c.width = p.tapeWidth;
  c.listShown = !p.tapeWidthChoices.empty();
  c.listItems = QList<int>(p.tapeWidthChoices.begin(), p.tapeWidthChoices.end());
  return c;
}

RegistrarParamOptions RegistrarOptionsFor(const link::RegistrarProfile& p,
                                          RegistrarParamOptions o) {
  if (p.controlTapeSmallFont) o.smallFontControlVisible = true;
  if (p.paper57) o.smallFontControlVisible = false;
  o.paper57Visible = p.paper57;
  return o;
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
