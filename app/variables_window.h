// "Переменные": a stay-on-top grid that the script runner fills.
#pragma once

#include <QDialog>
#include <QPointer>

class QTableWidget;

namespace tesmar::app {

class VariablesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit VariablesWindow(QWidget* parent = nullptr);
  QTableWidget* grid() const { return grid_; }
  // Stands to the right of `monitor`: left edge at its left plus its width.
  void placeBeside(const QWidget& monitor);
  // Shown beside `monitor` as a window of the monitor's own: a modal
  // monitor then leaves it usable, and it never outlives the monitor on top
  // of other windows. release() hides it and gives it back to its owner.
  void showBeside(QWidget& monitor);
  void release();
  void setRow(int row, const QStringList& cells);
  void clearRows();

 private:
  QTableWidget* grid_;
  QPointer<QWidget> owner_;  // the parent it was made with
};

}  // namespace tesmar::app
