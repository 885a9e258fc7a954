// "Служебные счетчики": reads and sets the registrar's numbered service
// counters.
#pragma once

#include <functional>

#include "app/command_dialog.h"

class QComboBox;

namespace tesmar::service {

// The counters as the list shows them, numbered from 0.
const QStringList& ServiceCounterNames();

class ServiceCountersDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  // `closeSerialLink` puts the main window in the disconnected state after
  // the registrar left the serial line (the USB storage counter).
  ServiceCountersDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                        std::function<void()> closeSerialLink, QWidget* parent = nullptr);

  void readCounter();  // "Прочитать"
  void setCounter();   // "Установить"
  void choose(int counter);

  QComboBox* counters() const { return list_; }
  QLineEdit* value() const { return value_; }
  QPushButton* readButton() const { return read_; }
  QPushButton* setButton() const { return set_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void applyButtonRules();

  std::function<void()> closeSerialLink_;
  QComboBox* list_;
  QLineEdit* value_;
  QPushButton* read_;
  QPushButton* set_;
};

}  // namespace tesmar::service
