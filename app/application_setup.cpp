#include "app/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tesmar::app {

void ConfigureApplication(QApplication& app) {
  QCoreApplication::setApplicationName("tesmar");
  QCoreApplication::setOrganizationName("Tesmar");
  const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* catalogue : {"qtbase_ru", "qt_ru"}) {
    auto* t = new QTranslator(&app);
    if (t->load(catalogue, dir))
      app.installTranslator(t);
    else
      delete t;
  }
}

}  // namespace tesmar::app
