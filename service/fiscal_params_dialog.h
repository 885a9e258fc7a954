// "Программирование фискальных параметров": reads and programs the fiscal
// number, the identification and tax numbers, and the tax groups.
#pragma once

#include "app/command_dialog.h"

class QLabel;
class QMenu;
class QTableWidget;

namespace tesmar::app {
class ProgramConfirmDialog;
class OperationResultDialog;
}  // namespace tesmar::app

namespace tesmar::service {

class FiscalParamsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  FiscalParamsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     app::ProgramConfirmDialog& confirm, app::OperationResultDialog& result,
                     QWidget* parent = nullptr);

  void read();     // "Прочитать"
  void program();  // "Запрограммировать"

  // Grid columns.
  enum Column { kNumber, kCaption, kType, kRate, kName, kLinked };
  // A click on a cell, and the right-click menu of a cell (empty for the
  // columns without one): what the grid's mouse does.
  void clickCell(int row, int column);
  QMenu* menuFor(int row, int column);

  QTableWidget* grid() const { return grid_; }
  QLineEdit* factoryNumber() const { return factory_; }
  QLineEdit* taxId() const { return taxId_; }
  QLineEdit* taxNumber() const { return taxNumber_; }
  QLineEdit* fiscalNumber() const { return fiscal_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void rebuildGrid(int groups);
  QString cell(int row, int column) const;
  void setCell(int row, int column, const QString& text);
  bool readGroup(int n, const std::string& pwd);
  int programTaxes(const std::string& pwd);
  bool programFiscalNumber(const std::string& pwd, int& outcome);
  bool programTaxIdNumbers(const std::string& pwd, int& outcome);

  app::ProgramConfirmDialog& confirm_;
  app::OperationResultDialog& result_;
  QTableWidget* grid_;
  QLineEdit *factory_, *taxId_, *taxNumber_, *fiscal_;
  // Whether the grid holds the registrar's rates (a read went through) or
  // the defaults it was built with; the note under the grid says which.
  void showRatesRead(bool read);
  bool ratesRead_ = false;
  QLabel* ratesNote_ = nullptr;
  int builtFor_ = -1;  // the group count of the last rebuild
  QMenu* menu_ = nullptr;
};

}  // namespace tesmar::service
