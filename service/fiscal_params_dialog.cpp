#include "service/fiscal_params_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "service/config_rules.h"
#include "service/config_support.h"
#include "link/formatters.h"
#include "app/program_confirm_dialog.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr int kTypedTaxNumber = 12;
constexpr const char* kRatesNotRead =
    Tesmar::mark("Ставки налогов не прочитаны из регистратора: в таблице значения по умолчанию.");

QLineEdit* Limited(int length) {
  auto* e = new QLineEdit;
  e->setMaxLength(length);
  return e;
}

// Flags of the grid's cells: the first two columns cannot be selected, the
// type and linked-group cells never enter text editing.
Qt::ItemFlags FlagsOf(int column) {
  using C = FiscalParamsDialog::Column;
  if (column == C::kNumber || column == C::kCaption) return Qt::ItemIsEnabled;
  if (column == C::kType || column == C::kLinked) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
}  // namespace

FiscalParamsDialog::FiscalParamsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       app::ProgramConfirmDialog& confirm,
                                       app::OperationResultDialog& result, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Программирование фискальных параметров"), parent),
      confirm_(confirm),
      result_(result) {
  factory_ = new QLineEdit;
  factory_->setReadOnly(true);
  taxId_ = Limited(12);
  taxId_->setToolTip(Tesmar::mark("Идентификационный номер"));
  taxNumber_ = Limited(kTypedTaxNumber);
  taxNumber_->setToolTip(Tesmar::mark("Налоговый номер"));
  fiscal_ = Limited(10);
  grid_ = new QTableWidget(0, 6);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  int column = 0;
  for (int w : {64, 80, 194, 84, 103, 163}) grid_->setColumnWidth(column++, w);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(taxNumber_, &QLineEdit::textEdited, this, [this] {
    if (taxNumber_->text().size() <= kTypedTaxNumber) taxNumber_->setMaxLength(kTypedTaxNumber);
  });
  connect(grid_, &QTableWidget::cellClicked, this, &FiscalParamsDialog::clickCell);
  connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex i = grid_->indexAt(at);
    if (QMenu* m = menuFor(i.row(), i.column())) m->exec(grid_->viewport()->mapToGlobal(at));
  });

  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Заводской номер регистратора:"), factory_);
  form->addRow(Tesmar::mark("Регистрационный номер РРО: (ІД)"), taxId_);
  form->addRow(Tesmar::mark("(ПН)"), taxNumber_);
  form->addRow(Tesmar::mark("Фискальный номер:"), fiscal_);
  auto* pf = new QFormLayout;
  pf->addRow(Tesmar::mark("Пароль:"), password_);
  auto* readButton = new QPushButton(Tesmar::mark("Прочитать"));
  auto* programButton = new QPushButton(Tesmar::mark("Запрограммировать"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(readButton, &QPushButton::clicked, this, &FiscalParamsDialog::read);
  connect(programButton, &QPushButton::clicked, this, &FiscalParamsDialog::program);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  ratesNote_ = new QLabel(QString(kRatesNotRead) + Tesmar::mark(" Нажмите \"Прочитать\"."));
  ratesNote_->setObjectName("ratesNotRead");
  ratesNote_->setWordWrap(true);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(grid_);
  root->addWidget(ratesNote_);
  root->addLayout(pf);
  root->addLayout(app::ButtonRow({readButton, programButton}, close));
}

void FiscalParamsDialog::showRatesRead(bool read) {
  ratesRead_ = read;
  ratesNote_->setVisible(!read);
}

QString FiscalParamsDialog::cell(int row, int column) const {
  const QTableWidgetItem* item = grid_->item(row, column);
  return item ? item->text() : QString();
}

void FiscalParamsDialog::setCell(int row, int column, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(row == 0 ? Qt::ItemIsEnabled : FlagsOf(column));
  grid_->setItem(row, column, item);
}

void FiscalParamsDialog::rebuildGrid(int groups) {
  builtFor_ = groups;
  showRatesRead(false);
  grid_->clearContents();
  grid_->setRowCount(groups + 1);
  FitGridToContents(grid_);
  const QStringList headers = {
      "#", Tesmar::mark("Налог"), Tesmar::mark("Тип налога"), Tesmar::mark("Ставка налога"), Tesmar::mark("Наименование"), Tesmar::mark("Связанная налоговая группа")};
  for (int c = 0; c < headers.size(); ++c) setCell(0, c, headers[c]);
  for (int n = 0; n < groups; ++n) {
    const QString letter = TaxGroupLetters()[n];
    setCell(n + 1, kNumber, QString::number(n));
    setCell(n + 1, kCaption, TaxGroupCaption(n));
    setCell(n + 1, kType, TaxTypeNames()[n < 2 ? 1 : 0]);
    setCell(n + 1, kRate, n == 0 ? "20.00" : "0.00");
    setCell(n + 1, kName, "ПДВ_" + letter);
    setCell(n + 1, kLinked, kNoLinkedGroup);
  }
}

void FiscalParamsDialog::showEvent(QShowEvent* e) {
  const int groups = std::clamp(ctx_.state.taxGroupCount, 0, kMaxTaxGroupCount);
  if (groups != builtFor_) rebuildGrid(groups);
  CommandDialog::showEvent(e);
}

void FiscalParamsDialog::clickCell(int row, int column) {
  if (row < 1 || row > builtFor_) return;
  if (column == kType) setCell(row, kType, NextTaxType(cell(row, kType)));
  if (column == kLinked)
    setCell(row, kLinked, NextLinkedGroup(cell(row, kLinked), row - 1, builtFor_));
}

QMenu* FiscalParamsDialog::menuFor(int row, int column) {
  if (row < 1 || row > builtFor_ || (column != kType && column != kLinked)) return nullptr;
  delete menu_;
  menu_ = new QMenu(this);
  const QStringList choices =
      column == kType ? TaxTypeNames()
                      : QStringList{kNoLinkedGroup} + TaxGroupLetters().mid(0, builtFor_);
  for (const QString& choice : choices) {
    QAction* a = menu_->addAction(choice);
    if (column == kLinked && choice == TaxGroupLetters()[row - 1]) a->setEnabled(false);
    connect(a, &QAction::triggered, this,
            [this, row, column, choice] { setCell(row, column, choice); });
  }
  return menu_;
}

// --- read -------------------------------------------------------------------

bool FiscalParamsDialog::readGroup(int n, const std::string& pwd) {
  const app::Sent sent =
      path_.send([&](link::Driver & d) -> auto& { return link::ReadTaxRate(d, pwd, n); });
  if (!JudgePrefixed(ctx_, sent, cell(n + 1, kCaption) + ": \n  ")) return false;
  const link::ReplyRecord& r = *sent.reply;
  setCell(n + 1, kType, TaxTypeText(ResultField(r, 1)));
  setCell(n + 1, kRate, ResultField(r, 2));
  setCell(n + 1, kName, ResultField(r, 3));
  setCell(n + 1, kLinked, LinkedGroupText(ResultField(r, 4), builtFor_));
  return true;
}

void FiscalParamsDialog::read() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent serial = path_.direct(
      Tesmar::mark("Таймаут устройства! GetSerialNumber Ошибка!"),
      Tesmar::mark("Ошибка GetSerialNumber!"), [&](link::Driver & d) -> auto& {
        return link::ReadSerialNumber(d, pwd);
      });
  if (!serial) return;
  factory_->setText(ResultField(*serial.reply, 1));
  const app::Sent fiscal = path_.direct(
      Tesmar::mark("Таймаут устройства! GetFiscalNumber Ошибка!"),
      Tesmar::mark("Ошибка GetFiscalNumber!"), [&](link::Driver & d) -> auto& {
        return link::ReadFiscalNumber(d, pwd);
      });
  if (!fiscal) return;
  fiscal_->setText(ResultField(*fiscal.reply, 1));
  const app::Sent ids = path_.direct(
      Tesmar::mark("Таймаут устройства! GetTaxIdNumber Ошибка!"),
      Tesmar::mark("Ошибка GetTaxIdNumber!"), [&](link::Driver & d) -> auto& {
        return link::ReadTaxNumber(d, pwd);
      });
  if (!ids) return;
  taxId_->setText(TaxIdShown(ResultField(*ids.reply, 1)));
  // A read may bring a thirteen-character tax number; typing stays at twelve.
  const QString tax =
      ids.reply->fieldCount < 2 ? QString() : TaxIdShown(ResultField(*ids.reply, 2));
  taxNumber_->setMaxLength(std::max<int>(kTypedTaxNumber, tax.size()));
  taxNumber_->setText(tax);
  for (int n = 0; n < builtFor_; ++n)
    if (!readGroup(n, pwd)) return;
  showRatesRead(true);
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

// --- program ----------------------------------------------------------------

// The tax outcome: 1 when every group was taken, 0 at the first failure.
int FiscalParamsDialog::programTaxes(const std::string& pwd) {
  for (int n = 0; n < builtFor_; ++n) {
    const int type = TaxTypeCode(cell(n + 1, kType));
    const int linked = LinkedGroupIndex(cell(n + 1, kLinked), builtFor_);
    std::string rate, name;
    if (!app::WireField(ctx_.prompt, Tesmar::mark("Ставка налога"), cell(n + 1, kRate), rate) ||
        !app::WireField(ctx_.prompt, Tesmar::mark("Наименование"), cell(n + 1, kName), name))
      return 0;
    const app::Sent sent = path_.send([&](link::Driver & d) -> auto& {
      return link::SetTaxRate(d, pwd, n, type, rate, name, linked);
    });
    if (!JudgePrefixed(ctx_, sent, cell(n + 1, kCaption) + ": \n  ")) return 0;
  }
  return 1;
}

// False when the length check ends the whole run.
bool FiscalParamsDialog::programFiscalNumber(const std::string& pwd, int& outcome) {
  if (!FiscalNumberLengthOk(fiscal_->text())) {
    ctx_.prompt.showMessage(Tesmar::mark("Неверная длина фискального номера, исправьте!"));
    return false;
  }
  outcome = 0;
  std::string number;
  if (!app::WireField(ctx_.prompt, Tesmar::mark("Фискальный номер:"), fiscal_->text(), number)) return true;
  const app::Sent sent = path_.direct(
      Tesmar::mark("Таймаут устройства! SetFiscalNumber Ошибка!"),
      Tesmar::mark("Ошибка SetFiscalNumber!"), [&](link::Driver & d) -> auto& {
        return link::ProgramFiscalNumber(d, pwd, number);
      });
  if (sent) outcome = 1;
  return true;
}

bool FiscalParamsDialog::programTaxIdNumbers(const std::string& pwd, int& outcome) {
  if (!TaxIdLengthOk(taxId_->text())) {
    ctx_.prompt.showMessage(Tesmar::mark("Неверный длина идентификационного номера, исправьте!"));
    return false;
  }
  if (!TaxNumberLengthOk(taxNumber_->text())) {
    ctx_.prompt.showMessage(Tesmar::mark("Неверный длина налогового номера, исправьте!"));
    return false;
  }
  outcome = 0;
  std::string id, tax;
  if (!app::WireField(ctx_.prompt, Tesmar::mark("(ІД)"), taxId_->text(), id) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("(ПН)"), taxNumber_->text(), tax))
    return true;
  const app::Sent sent = path_.direct(
      Tesmar::mark("Таймаут устройства! SetTaxIdNumber Ошибка!"),
      Tesmar::mark("Ошибка SetTaxIdNumber!"), [&](link::Driver & d) -> auto& {
        return link::ProgramTaxNumber(d, pwd, id, tax);
      });
  if (sent) outcome = 1;
  return true;
}

void FiscalParamsDialog::program() {
  confirm_.exec();
  if (!confirm_.continued()) return;
  std::string pwd;
  if (!typedPassword(pwd)) return;
  if (confirm_.taxes() &&
      !app::ConfirmIrreversible(
          ctx_.prompt, ratesRead_ ? Tesmar::mark("Ставки налогов будут записаны в фискальную память регистратора.")
                                  : QString(Tesmar::mark("Ставки налогов будут записаны в фискальную память "
                                            "регистратора.\n")) +
                                        kRatesNotRead))
    return;
  int taxes = -1, fiscal = -1, ids = -1;
  if (confirm_.taxes()) taxes = programTaxes(pwd);
  if (confirm_.fiscalNumber() && !programFiscalNumber(pwd, fiscal)) return;
  if (confirm_.taxNumber() && !programTaxIdNumbers(pwd, ids)) return;
  result_.setOutcomes(fiscal, ids, taxes);
  result_.exec();
}

}  // namespace tesmar::service
