// "Параметры регистратора": the link speed, print contrast, document and
// print option flags, drawer pulses and the goods-name line length. A new
// speed moves the program's own serial link to it.
#pragma once

#include <QList>
#include <functional>

#include "app/command_dialog.h"

class QCheckBox;
class QComboBox;

namespace tesmar::service {

// What the dialog needs of the main window: its port, and its speed list.
struct MainWindowLink {
  std::function<QString()> currentPort;
  std::function<void(int)> selectSpeed;
};

class RegistrarParamsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  RegistrarParamsDialog(app::AppContext& ctx, app::StatusBytesDialog& status, MainWindowLink main,
                        QWidget* parent = nullptr);

  void read();   // "Прочитать"
  void write();  // "Записать"

  QComboBox* speed() const { return speed_; }
  QComboBox* contrast() const { return contrast_; }
  QCheckBox* documentBox(int i) const { return document_[i]; }
  QCheckBox* printBox(int i) const { return print_[i]; }
  QLineEdit* openPulse() const { return openPulse_; }
  QLineEdit* closePulse() const { return closePulse_; }
  QLineEdit* lineLength() const { return lineLength_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool typedFields(int& open, int& close, int& length);
  void followSpeed();
  int flags(const QList<QCheckBox*>& boxes, const int* bits) const;

  MainWindowLink main_;
  QComboBox *speed_, *contrast_;
  QList<QCheckBox*> document_, print_;
  QLineEdit *openPulse_, *closePulse_, *lineLength_;
};

}  // namespace tesmar::service
