// "Подтверждение программирования" and "Результат операции", used when the
// fiscal parameters are programmed.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace tesmar::app {

class ProgramConfirmDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProgramConfirmDialog(QWidget* parent = nullptr);
  bool fiscalNumber() const;
  bool taxNumber() const;
  bool taxes() const;
  // Continue ("Продолжить"), or cancel ("Отменить"); closing by the frame
  // keeps the last button's result (continue when none was pressed).
  bool continued() const { return continued_; }
  QCheckBox* box(int i) const { return boxes_[i]; }
  void press(bool continueButton);

 private:
  QCheckBox* boxes_[3];
  bool continued_ = true;
};

class OperationResultDialog : public QDialog {
  Q_OBJECT
 public:
  explicit OperationResultDialog(QWidget* parent = nullptr);
  // Outcomes: 1 succeeded, 0 failed, -1 not attempted.
  void setOutcomes(int fiscalNumber, int registrationNumber, int taxRates);
  QStringList lines() const;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  int outcomes_[3] = {-1, -1, -1};
  QLabel* labels_[3];
};

}  // namespace tesmar::app
