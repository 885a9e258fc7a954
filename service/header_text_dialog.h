// "Заголовок и рекламный текст": the ten receipt header lines and the four
// advertising lines, with their width and centring; programs, reads and
// clears them.
#pragma once

#include <QList>

#include "app/command_dialog.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace tesmar::service {

class HeaderTextDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  HeaderTextDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  // The operations of the list, in its order.
  enum Operation {
    kProgramAll,
    kProgramHeader,
    kProgramAdvertising,
    kReadAll,
    kReadHeader,
    kReadAdvertising,
    kResetAll,
    kResetHeader,
    kResetAdvertising
  };
  void execute();  // "Выполнить"

  QTableWidget* headerGrid() const { return header_; }
  QTableWidget* advertisingGrid() const { return advertising_; }
  QCheckBox* headerCentre(int k) const { return headerCentre_[k]; }
  QCheckBox* advertisingCentre(int j) const { return advertisingCentre_[j]; }
  QComboBox* operation() const { return operation_; }
  QCheckBox* onlyNonEmpty() const { return onlyNonEmpty_; }
  QLineEdit* widthField() const { return widthField_; }
  QComboBox* widthList() const { return widthList_; }
  QPushButton* executeButton() const { return execute_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  struct Block {
    QTableWidget* grid;
    QList<QCheckBox*> centre;
    int firstLine;        // 0 for the header, 10 for the advertising text
    QString title;        // "Заголовок." or "Рекламный текст."
    bool resetNamesWire;  // the reset failure names the line as sent
  };
  QTableWidget* makeGrid(int rows, std::initializer_list<int> widths);
  void fillFrame(QTableWidget* grid);
  void operationChosen(int index);
  bool program(const Block& b, const std::string& pwd, int width);
  bool reset(const Block& b, const std::string& pwd);
  bool read(const Block& b, const std::string& pwd);
  bool failed(const Block& b, int shownLine, const app::Sent& sent);
  Block headerBlock() const;
  Block advertisingBlock() const;

  QTableWidget *header_, *advertising_;
  QList<QCheckBox*> headerCentre_, advertisingCentre_;
  QComboBox* operation_;
  QCheckBox* onlyNonEmpty_;
  QLineEdit* widthField_;
  QComboBox* widthList_;
  QPushButton* execute_;
  int filledFor_ = -1;  // the tape width the width controls were filled from
};

}  // namespace tesmar::service
