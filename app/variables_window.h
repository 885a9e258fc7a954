// "Переменные": a stay-on-top grid that the script runner fills.
#pragma once

#include <QDialog>

class QTableWidget;

namespace tesmar::app {

class VariablesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit VariablesWindow(QWidget* parent = nullptr);
  QTableWidget* grid() const { return grid_; }
  // Stands to the right of `monitor`: left edge at its left plus its width.
  void placeBeside(const QWidget& monitor);
  void setRow(int row, const QStringList& cells);
  void clearRows();

 private:
  QTableWidget* grid_;
};

}  // namespace tesmar::app
