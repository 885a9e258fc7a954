// "Копия чека ("КСЕФ")": searches the electronic control tape by dates and
// times (EEh) and prints its documents by dates or by numbers (EBh), always
// with the default password.
#pragma once

#include <QLabel>

#include "app/command_dialog.h"

class QCheckBox;
class QDateEdit;

namespace tesmar::sales {

// A result label: a click and a double click each hand its number on.
class NumberLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// Whether `text` is a time of day as HHMM ("1200").
bool IsHhmm(const QString& text);

class TapeCopyDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  TapeCopyDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void searchByDates();   // "Выполнить" of the dates group
  void printByNumbers();  // "Выполнить" of the numbers group

  QDateEdit* startDate() const { return startDate_; }
  QDateEdit* endDate() const { return endDate_; }
  QLineEdit* startTime() const { return startTime_; }
  QLineEdit* endTime() const { return endTime_; }
  QCheckBox* printDocuments() const { return print_; }
  NumberLabel* firstFound() const { return firstFound_; }
  NumberLabel* lastFound() const { return lastFound_; }
  QLineEdit* startNumber() const { return startNumber_; }
  QLineEdit* endNumber() const { return endNumber_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* datesGroup();
  QWidget* numbersGroup();
  bool typedTime(QLineEdit* field, std::string& out);
  template <class Send>
  const link::ReplyRecord* sendAndJudge(Send&& send);
  void copyNumber(const NumberLabel* from, QLineEdit* to);

  QDateEdit *startDate_, *endDate_;
  QLineEdit *startTime_, *endTime_;
  QCheckBox* print_;
  NumberLabel *firstFound_, *lastFound_;
  QLineEdit *startNumber_, *endNumber_;
};

}  // namespace tesmar::sales
