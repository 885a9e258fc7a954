#include "service/header_text_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "service/config_rules.h"
#include "service/config_support.h"
#include "link/formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTitle = Tesmar::mark("Заголовок и рекламный текст");
constexpr int kTextColumn = 1, kWidthColumn = 2;
constexpr const char* kOnlyNonEmpty = Tesmar::mark("Записать  только непустые поля ");

QTableWidgetItem* Fixed(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

QString CellText(QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

// A column of "центрировать" boxes, one beside each line of a grid.
QList<QCheckBox*> CentreBoxes(int count, QVBoxLayout* column) {
  QList<QCheckBox*> boxes;
  column->setSpacing(0);
  column->addSpacing(kGridRowHeight);  // beside the grid's header row
  for (int i = 0; i < count; ++i) {
    auto* b = new QCheckBox(Tesmar::mark("центрировать"));
    b->setFixedHeight(kGridRowHeight);
    boxes << b;
    column->addWidget(b);
  }
  column->addStretch();
  return boxes;
}

void CheckAll(const QList<QCheckBox*>& boxes, bool on) {
  for (QCheckBox* b : boxes) b->setChecked(on);
}

void ClearTexts(QTableWidget* grid) {
  for (int row = 1; row < grid->rowCount(); ++row)
    grid->setItem(row, kTextColumn, new QTableWidgetItem(QString()));
}
}  // namespace

HeaderTextDialog::HeaderTextDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                   QWidget* parent)
    : CommandDialog(ctx, status, kTitle, parent) {
  header_ = makeGrid(11, {64, 277, 163});
  advertising_ = makeGrid(5, {64, 278, 165});
  auto* headerBoxes = new QVBoxLayout;
  headerCentre_ = CentreBoxes(10, headerBoxes);
  auto* adBoxes = new QVBoxLayout;
  advertisingCentre_ = CentreBoxes(4, adBoxes);

  auto* centreHeader = new QPushButton(Tesmar::mark("Центрировать заголовок чека"));
  auto* uncentreHeader = new QPushButton(Tesmar::mark("Отменить центрирование"));
  auto* clearHeader = new QPushButton(Tesmar::mark("Очистить"));
  auto* centreAd = new QPushButton(Tesmar::mark("Центрировать рекламный текст"));
  auto* uncentreAd = new QPushButton(Tesmar::mark("Отменить центрирование"));
  auto* clearAd = new QPushButton(Tesmar::mark("Очистить"));
  connect(centreHeader, &QPushButton::clicked, this, [this] { CheckAll(headerCentre_, true); });
  connect(uncentreHeader, &QPushButton::clicked, this, [this] { CheckAll(headerCentre_, false); });
  connect(clearHeader, &QPushButton::clicked, this, [this] { ClearTexts(header_); });
  connect(centreAd, &QPushButton::clicked, this, [this] { CheckAll(advertisingCentre_, true); });
  connect(uncentreAd, &QPushButton::clicked, this, [this] { CheckAll(advertisingCentre_, false); });
  connect(clearAd, &QPushButton::clicked, this, [this] { ClearTexts(advertising_); });

  auto* grids = new QGridLayout;
  grids->addWidget(header_, 0, 0);
  grids->addLayout(headerBoxes, 0, 1);
  grids->addLayout(app::ButtonRow({centreHeader, uncentreHeader}, clearHeader), 1, 0);
  grids->addWidget(advertising_, 2, 0);
  grids->addLayout(adBoxes, 2, 1);
  grids->addLayout(app::ButtonRow({centreAd, uncentreAd}, clearAd), 3, 0);

  operation_ = new QComboBox;
  operation_->addItems({Tesmar::mark("Программировать все"), Tesmar::mark("Программировать заголовок чека"),
                        Tesmar::mark("Программировать рекламный текст"), Tesmar::mark("Читать все"), Tesmar::mark("Читать заголовок чека"),
                        Tesmar::mark("Читать рекламный текст"), Tesmar::mark("Обнулить заголовок и рекламный текст"),
                        Tesmar::mark("Обнулить заголовок чека"), Tesmar::mark("Обнулить рекламный текст")});
  operation_->setCurrentIndex(-1);
  onlyNonEmpty_ = new QCheckBox(kOnlyNonEmpty);
  onlyNonEmpty_->setEnabled(false);
  widthField_ = new QLineEdit;
  widthList_ = new QComboBox;
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(widthField_);
  widthRow->addWidget(widthList_);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Операция:"), operation_);
  form->addRow(onlyNonEmpty_);
  form->addRow(Tesmar::mark("Ширина ленты (симв.):"), widthRow);
  form->addRow(Tesmar::mark("Пароль:"), password_);

  execute_ = new QPushButton(Tesmar::mark("Выполнить"));
  execute_->setEnabled(false);
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(execute_, &QPushButton::clicked, this, &HeaderTextDialog::execute);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(operation_, &QComboBox::currentIndexChanged, this, &HeaderTextDialog::operationChosen);
  for (QTableWidget* grid : {header_, advertising_})
    connect(grid, &QTableWidget::cellClicked, this, [grid](int row, int column) {
      if (row > 0 && column == kWidthColumn)
        grid->item(row, column)->setText(NextWidthChoice(grid->item(row, column)->text()));
    });

  auto* root = new QVBoxLayout(this);
  root->addLayout(grids);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({execute_}, close));
}

QTableWidget* HeaderTextDialog::makeGrid(int rows, std::initializer_list<int> widths) {
  auto* grid = new QTableWidget(rows, 3);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  int column = 0;
  for (int w : widths) grid->setColumnWidth(column++, w);
  grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
  for (int row = 1; row < rows; ++row) grid->setItem(row, kTextColumn, new QTableWidgetItem);
  FitGridToContents(grid);
  return grid;
}

// Headers, line numbers and the tsinit.ini width choice in every width cell.
void HeaderTextDialog::fillFrame(QTableWidget* grid) {
  grid->setItem(0, 0, Fixed(Tesmar::mark("Номер")));
  grid->setItem(0, kTextColumn, Fixed(Tesmar::mark("        Текст")));
  grid->setItem(0, kWidthColumn, Fixed(Tesmar::mark("Параметры")));
  const QString choice = HeadFootDefault(ctx_.state.headFootPar);
  for (int row = 1; row < grid->rowCount(); ++row) {
    grid->setItem(row, 0, Fixed(QString::number(row - 1)));
    grid->setItem(row, kWidthColumn, Fixed(choice));
  }
}

void HeaderTextDialog::showEvent(QShowEvent* e) {
  fillFrame(header_);
  fillFrame(advertising_);
  // The width comes from the connection; what was typed stays until the
  // next connection brings another.
  const app::TapeWidthChoice& w = ctx_.state.tapeWidthChoice;
  widthField_->setVisible(!w.listShown);
  widthList_->setVisible(w.listShown);
  if (filledFor_ != ctx_.state.tapeWidth) {
    filledFor_ = ctx_.state.tapeWidth;
    widthField_->setText(QString::number(ctx_.state.tapeWidth));
    widthList_->clear();
    for (int item : w.listItems) widthList_->addItem(QString::number(item));
    widthList_->setCurrentText(QString::number(ctx_.state.tapeWidth));
  }
  CommandDialog::showEvent(e);
}

void HeaderTextDialog::operationChosen(int index) {
  execute_->setEnabled(index >= 0);
  onlyNonEmpty_->setEnabled(index >= kProgramAll && index <= kProgramAdvertising);
}

HeaderTextDialog::Block HeaderTextDialog::headerBlock() const {
  return {header_, headerCentre_, 0, Tesmar::mark("Заголовок."), false};
}
HeaderTextDialog::Block HeaderTextDialog::advertisingBlock() const {
  return {advertising_, advertisingCentre_, 10, Tesmar::mark("Рекламный текст."), true};
}

// The decoded check of one line's reply; true (said) when it failed or
// nothing went out.
bool HeaderTextDialog::failed(const Block& b, int shownLine, const app::Sent& sent) {
  if (!sent.reply) return true;
  return !path_.judgeDecoded(*sent.reply,
                             b.title + Tesmar::mark("\n  Строка ") + QString::number(shownLine) + " ");
}

bool HeaderTextDialog::program(const Block& b, const std::string& pwd, int width) {
  for (int i = 0; i < b.centre.size(); ++i) {
    const QString choice = CellText(b.grid, i + 1, kWidthColumn);
    const QString typed = CellText(b.grid, i + 1, kTextColumn);
    if (choice == kNoWrite || (typed.isEmpty() && onlyNonEmpty_->isChecked())) continue;
    const int flag = WidthFlag(choice);
    const QString text = b.centre[i]->isChecked() ? CenteredLine(typed, width, flag) : typed;
    std::string wire;
    if (!app::WireField(ctx_.prompt, b.title + Tesmar::mark(" Строка ") + QString::number(i), text, wire))
      return false;
    const app::Sent sent = path_.send([&](link::Driver & d, int& result) -> auto& {
      return link::ProgramHeaderLine(d, pwd, b.firstLine + i, wire, flag, result);
    });
    if (failed(b, i, sent)) return false;
  }
  return true;
}

bool HeaderTextDialog::reset(const Block& b, const std::string& pwd) {
  for (int i = 0; i < b.centre.size(); ++i) {
    const QString choice = CellText(b.grid, i + 1, kWidthColumn);
    if (choice == kNoWrite) continue;
    const app::Sent sent = path_.send([&](link::Driver & d, int& result) -> auto& {
      return link::ProgramHeaderLine(d, pwd, b.firstLine + i, "", WidthFlag(choice), result);
    });
    if (failed(b, b.resetNamesWire ? b.firstLine + i : i, sent)) return false;
  }
  return true;
}

bool HeaderTextDialog::read(const Block& b, const std::string& pwd) {
  for (int i = 0; i < b.centre.size(); ++i) {
    const app::Sent sent = path_.send([&](link::Driver & d, int& result) -> auto& {
      return link::ReadHeaderLine(d, pwd, b.firstLine + i, result);
    });
    if (!sent.reply) return false;
    const link::ReplyRecord& r = *sent.reply;
    b.grid->item(i + 1, kTextColumn)->setText(ResultField(r, 1));
    if (failed(b, b.firstLine + i, sent)) return false;
    const QString flag = ResultField(r, 2);
    if (flag.startsWith('0')) b.grid->item(i + 1, kWidthColumn)->setText(kSingleWidth);
    if (flag.startsWith('1')) b.grid->item(i + 1, kWidthColumn)->setText(kDoubleWidth);
  }
  return true;
}

void HeaderTextDialog::execute() {
  const QString typedWidth =
      ctx_.state.tapeWidthChoice.listShown ? widthList_->currentText() : widthField_->text();
  int width = 0;
  if (!TapeWidthValue(typedWidth, width)) {
    ctx_.prompt.showMessage(
        Tesmar::mark("Ширина ленты должна быть целым числом больше нуля. Команды не "
        "отправлены!"));
    return;
  }
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const int op = operation_->currentIndex();
  const auto is = [op](std::initializer_list<int> ops) {
    return std::find(ops.begin(), ops.end(), op) != ops.end();
  };
  const Block head = headerBlock(), ad = advertisingBlock();
  const bool done = (!is({kProgramAll, kProgramHeader}) || program(head, pwd, width)) &&
                    (!is({kProgramAll, kProgramAdvertising}) || program(ad, pwd, width)) &&
                    (!is({kResetAll, kResetHeader}) || reset(head, pwd)) &&
                    (!is({kResetAll, kResetAdvertising}) || reset(ad, pwd)) &&
                    (!is({kReadAll, kReadHeader}) || read(head, pwd)) &&
                    (!is({kReadAll, kReadAdvertising}) || read(ad, pwd));
  if (done) ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

}  // namespace tesmar::service
