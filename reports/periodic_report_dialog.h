// "Печать периодического отчета ": the fiscal memory's reports over a range
// of dates or of report numbers, short or full.
#pragma once

#include "app/command_dialog.h"

class QComboBox;
class QDateEdit;
class QGroupBox;

namespace tesmar::reports {

class PeriodicReportDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  PeriodicReportDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                       QWidget* parent = nullptr);

  void makeReport();  // "Сделать отчет"

  QComboBox* rangeKind() const { return byDateOrNumber_; }
  QComboBox* fullness() const { return fullness_; }
  QDateEdit* firstDate() const { return firstDate_; }
  QDateEdit* lastDate() const { return lastDate_; }
  QLineEdit* firstNumber() const { return firstNumber_; }
  QLineEdit* lastNumber() const { return lastNumber_; }
  QGroupBox* dateGroup() const { return dateGroup_; }
  QGroupBox* numberGroup() const { return numberGroup_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void showRangeGroup();
  const link::ReplyRecord& sendReport(link::Driver& d, const std::string& pwd, int first, int last);

  QComboBox *byDateOrNumber_, *fullness_;
  QDateEdit *firstDate_, *lastDate_;
  QLineEdit *firstNumber_, *lastNumber_;
  QGroupBox *dateGroup_, *numberGroup_;
};

// "dd.mm.yy" as shown, without its dots: "05.03.24" gives "050324".
std::string ReportDate(const QString& shown);

}  // namespace tesmar::reports
