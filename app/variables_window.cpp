#include "app/variables_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tesmar::app {

VariablesWindow::VariablesWindow(QWidget* parent) : QDialog(parent), owner_(parent) {
  setWindowTitle(Tesmar::mark("Переменные"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setModal(false);
  resize(296, 606);
  grid_ = new QTableWidget(0, 4);
  const int widths[4] = {40, 98, 94, 26};
  for (int i = 0; i < 4; ++i) grid_->setColumnWidth(i, widths[i]);
  grid_->verticalHeader()->setDefaultSectionSize(16);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->hide();
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  auto* root = new QVBoxLayout(this);
  root->addWidget(grid_);
  root->addWidget(close);
}

void VariablesWindow::placeBeside(const QWidget& monitor) {
  move(monitor.x() + monitor.width(), monitor.y());
}

void VariablesWindow::showBeside(QWidget& monitor) {
  if (parentWidget() != &monitor) setParent(&monitor, windowFlags());
  placeBeside(monitor);
  show();
}

void VariablesWindow::release() {
  hide();
  if (owner_ && parentWidget() != owner_) setParent(owner_, windowFlags());
}

void VariablesWindow::setRow(int row, const QStringList& cells) {
  if (grid_->rowCount() <= row) grid_->setRowCount(row + 1);
  for (int c = 0; c < 4 && c < cells.size(); ++c)
    grid_->setItem(row, c, new QTableWidgetItem(cells[c]));
}

void VariablesWindow::clearRows() {
  grid_->setRowCount(0);
}

}  // namespace tesmar::app
