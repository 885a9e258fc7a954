// The window of the exchange log: the table, a filter, the frames of the
// selected exchange as a hex dump, and saving the shown rows as CSV.
#pragma once

#include <QDialog>

#include "app/app_context.h"
#include "app/exchange_log.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace tesmar::app {

class ExchangeLogWindow : public QDialog {
  Q_OBJECT
 public:
  ExchangeLogWindow(AppContext& ctx, ExchangeLogModel& model, QWidget* parent = nullptr);

  void save();  // "Сохранить"
  // The shown rows as CSV text, header first.
  QString csv() const;

  QTableView* table() const { return table_; }
  QLineEdit* codeFilter() const { return code_; }
  QCheckBox* failuresOnly() const { return failures_; }
  QPlainTextEdit* frames() const { return frames_; }
  const ExchangeLogFilter& filter() const { return filter_; }
  // Whether the table shows its last row (new rows then stay in view).
  bool atNewest() const;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void applyCode();
  void showFrames();

  AppContext& ctx_;
  ExchangeLogModel& model_;
  ExchangeLogFilter filter_;
  QTableView* table_;
  QLineEdit* code_;
  QCheckBox* failures_;
  QPlainTextEdit* frames_;
  bool following_ = true;
};

}  // namespace tesmar::app
