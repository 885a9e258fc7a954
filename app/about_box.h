// "О программе...": the program's name, version and build.
#pragma once

#include <QDialog>

class QLabel;

namespace tesmar::app {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  QString text() const;

 private:
  QLabel* text_;
};

// "Tesmar 0.1 (сборка ...)": what the about box and --version say.
QString ProgramVersionLine();

}  // namespace tesmar::app
