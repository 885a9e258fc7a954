#include "sales/fiscal_receipt_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "sales/article_store.h"
#include "link/command_codes.h"
#include "link/formatters.h"
#include "link/receipt_formatters.h"
#include "app/status_bytes_dialog.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {

namespace cmd = link::cmd;

constexpr const char* kTitle = Tesmar::mark("Фискальный чек");
constexpr int kBarcodeHeight = 50;
constexpr int kBarcodeLength = 12;

// The time-out and error messages of each step.
struct StepTexts {
  const char* timeout;
  const char* error;
};
constexpr StepTexts kOpen{Tesmar::mark("Таймаут устройства! Ошибка открытия чека!"), Tesmar::mark("Ошибка открытия чека")};
constexpr StepTexts kSale{Tesmar::mark("Таймаут устройства! Ошибка продажи!"), Tesmar::mark("Ошибка продажи")};
constexpr StepTexts kProgram{Tesmar::mark("Таймаут устройства! Ошибка!"), Tesmar::mark("Ошибка ")};
constexpr StepTexts kDiscount{Tesmar::mark("Таймаут устройства! Ошибка надбавки-скидки!"),
                              Tesmar::mark("Ошибка надбавки-скидки")};
constexpr StepTexts kComment{Tesmar::mark("Таймаут устройства! Ошибка печати комментария!"),
                             Tesmar::mark("Ошибка печати комментария")};
constexpr StepTexts kTotal{Tesmar::mark("Таймаут устройства! Ошибка печати итога!"), Tesmar::mark("Ошибка печати итога")};
constexpr StepTexts kClose{Tesmar::mark("Таймаут устройства! Ошибка закрыиия чека!"), Tesmar::mark("Ошибка закрытия чека")};
constexpr StepTexts kVoid{Tesmar::mark("Таймаут устройства! Ошибка аннулирования!"), Tesmar::mark("Ошибка аннулирования")};

constexpr const char* kNoArticle = Tesmar::mark("Не выбран товар!");
constexpr const char* kBarcodeLengthWrong = Tesmar::mark("Длина штрих-кода не равна 12 символов! Ошибка!");

constexpr const char* kQuantityCaption = Tesmar::mark("Кол-во:");
constexpr const char* kPriceCaption = Tesmar::mark("Цена за ед.:");

template <class Send>
app::Sent Direct(app::CommandPath& path, const StepTexts& t, Send&& s) {
  return path.direct(t.timeout, t.error, std::forward<Send>(s));
}

QPushButton* Button(const QString& text, QObject* owner, std::function<void()> slot) {
  auto* b = new QPushButton(text);
  QObject::connect(b, &QPushButton::clicked, owner, std::move(slot));
  return b;
}

}  // namespace

FiscalReceiptDialog::FiscalReceiptDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                         std::shared_ptr<ArticleStore> articles, QWidget* parent)
    : CommandDialog(ctx, status, kTitle, parent), articles_(std::move(articles)) {
  auto* grid = new QGridLayout;
  buildGoods(grid);
  buildDiscounts(grid);
  buildPayment(grid);
  auto* form = new QFormLayout;
  addPasswordRows(form);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(grid);
  root->addWidget(buildButtons());
  path_.setStatusButton(statusButton_);
  error_->setText("0000");
  statusButton_->setEnabled(false);
}

void FiscalReceiptDialog::buildGoods(QGridLayout* grid) {
  operator_ = new QLineEdit("1");
  refund_ = new QCheckBox(Tesmar::mark("Чек возврата"));
  goods_ = new QListWidget;
  goodsLine_ = new QLineEdit;
  quantity_ = new QLineEdit("1.000");
  price_ = new QLineEdit("1.00");
  goods_->installEventFilter(this);
  connect(goods_, &QListWidget::currentRowChanged, this, &FiscalReceiptDialog::pickArticle);
  connect(goods_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { pickArticle(goods_->row(i)); });
  auto* open = new QFormLayout;
  open->addRow(Tesmar::mark("Номер оператора:"), operator_);
  open->addRow(refund_);
  open->addRow(Button(Tesmar::mark("Открыть чек"), this, [this] { openReceipt(); }));
  grid->addLayout(open, 0, 0);
  auto* sale = new QFormLayout;
  sale->addRow(new QLabel(Tesmar::mark("Товары")));
  sale->addRow(goods_);
  sale->addRow(goodsLine_);
  sale->addRow(kQuantityCaption, quantity_);
  sale->addRow(kPriceCaption, price_);
  sale->addRow(Button(Tesmar::mark("Продать"), this, [this] { sell(); }));
  grid->addLayout(sale, 0, 1, 2, 1);
}

void FiscalReceiptDialog::buildDiscounts(QGridLayout* grid) {
  const auto group = [this](const QString& title, QLineEdit*& value, QLineEdit*& taxGroup, int item,
                            int subtotal, int byGroup) {
    value = new QLineEdit("-5.00");
    taxGroup = new QLineEdit("0");
    auto* box = new QGroupBox(title);
    auto* form = new QFormLayout(box);
    form->addRow(value);
    form->addRow(Button(Tesmar::mark(" на товар"), this, [this, item] { discount(item); }));
    form->addRow(Button(Tesmar::mark("на подсумму"), this, [this, subtotal] { discount(subtotal); }));
    form->addRow(taxGroup,
                 Button(Tesmar::mark("с налоговой группы"), this, [this, byGroup] { discount(byGroup); }));
    return box;
  };
  grid->addWidget(group(Tesmar::mark("Скидка процентная"), percentValue_, percentGroup_, cmd::kPercentDiscount,
                        cmd::kSubtotalPercentDiscount, cmd::kTaxGroupPercentDiscount),
                  1, 0);
  grid->addWidget(group(Tesmar::mark("Скидка абсолютная"), absoluteValue_, absoluteGroup_, cmd::kAbsoluteDiscount,
                        cmd::kSubtotalAbsoluteDiscount, cmd::kTaxGroupAbsoluteDiscount),
                  2, 0);
}

void FiscalReceiptDialog::buildPayment(QGridLayout* grid) {
  comment_ = new QLineEdit("Comment for printing");
  barcode_ = new QLineEdit("012345678901");
  barcode_->setMaxLength(kBarcodeLength);
  displayFunction_ = new QComboBox;
  displayFunction_->addItems({Tesmar::mark("Очистить"), Tesmar::mark("Верхняя строка"), Tesmar::mark("Нижняя строка"), Tesmar::mark("Дата и время")});
  display_ = new QCheckBox(Tesmar::mark("Выводить информацию на дисплей"));
  display_->setChecked(true);
  paymentType_ = new QComboBox;
  amount_ = new QLineEdit("0.00");
  sum_ = new QLabel;
  sum_->setMinimumWidth(80);
  sum_->installEventFilter(this);
  useTransaction_ = new QCheckBox(Tesmar::mark("Использовать указанный идентификатор транзакций"));
  transaction_ = new QLineEdit;
  transaction_->setMaxLength(20);
  noCardLines_ = new QCheckBox(Tesmar::mark("Не выводить дополнительную информацию для банковской карты"));
  auto* form = new QFormLayout;
  form->addRow(comment_, Button(Tesmar::mark("Печать комментария"), this, [this] { printComment(); }));
  form->addRow(barcode_, Button(Tesmar::mark("Штрих-код EAN-13"), this, [this] { printBarcode(); }));
  form->addRow(displayFunction_, Button(Tesmar::mark("Вывод на индикатор"), this, [this] { showOnDisplay(); }));
  form->addRow(display_);
  form->addRow(Button(Tesmar::mark("Печать итога"), this, [this] { printTotal(); }));
  form->addRow(Tesmar::mark("Сумма по чеку:"), sum_);
  form->addRow(paymentType_, amount_);
  form->addRow(Button(Tesmar::mark("Оплатить"), this, [this] { pay(); }));
  form->addRow(useTransaction_);
  form->addRow(transaction_);
  form->addRow(noCardLines_);
  grid->addLayout(form, 2, 1);
}

QWidget* FiscalReceiptDialog::buildButtons() {
  auto* box = new QWidget;
  auto* row = new QGridLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(Button(Tesmar::mark("Закрыть чек"), this, [this] { closeReceipt(); }), 0, 0);
  row->addWidget(Button(Tesmar::mark("Аннулирование всего чека"), this, [this] { voidOperation(0); }), 0, 1);
  row->addWidget(Button(Tesmar::mark("Начало аннулирования"), this, [this] { voidOperation(1); }), 0, 2);
  row->addWidget(Button(Tesmar::mark("Конец аннулирования"), this, [this] { voidOperation(2); }), 0, 3);
  row->addWidget(Button(Tesmar::mark("Отмена аннулирования"), this, [this] { voidOperation(3); }), 0, 4);
  row->addWidget(statusButton_, 1, 0);
  row->addWidget(Button(Tesmar::mark("Закрыть"), this,
                        [this] {
                          statusButton_->setEnabled(false);
                          accept();
                        }),
                 1, 4);
  return box;
}

void FiscalReceiptDialog::showEvent(QShowEvent* e) {
  if (!articles_->loaded()) {
    const QString file = ctx_.prompt.openFileName(kTitle, Tesmar::mark("Файлы товаров (*.art);;*.ART"));
    QString error;
    if (!file.isEmpty() && !articles_->load(file, error)) ctx_.prompt.showMessage(error);
  }
  fillLists();
  CommandDialog::showEvent(e);
}

void FiscalReceiptDialog::fillLists() {
  goods_->clear();
  goods_->addItems(articles_->lines());
  paymentType_->clear();
  const int n = ctx_.state.paymentTypeCount > 0 ? ctx_.state.paymentTypeCount : 10;
  for (int i = 0; i < n; ++i) paymentType_->addItem(QString::number(i));
  paymentType_->setCurrentIndex(0);
  displayFunction_->setCurrentIndex(1);
}

bool FiscalReceiptDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sum_ && event->type() == QEvent::MouseButtonPress) sumClicked();
  if (watched == goods_ && event->type() == QEvent::FocusIn) enterGoods();
  return CommandDialog::eventFilter(watched, event);
}

// A list entered without a current line makes its first line current; that
// is the focus arriving, not a pick, and must not overwrite a goods line
// typed by hand. The first line is made current here without the signal.
void FiscalReceiptDialog::enterGoods() {
  if (goods_->currentRow() >= 0 || goods_->count() == 0) return;
  const QSignalBlocker quiet(goods_);
  goods_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

// The article's line goes to the line field, its price (the third field of
// "code;name;price;...") to the price field.
void FiscalReceiptDialog::pickArticle(int row) {
  if (row < 0 || row >= goods_->count()) return;
  const QString line = goods_->item(row)->text();
  goodsLine_->setText(line);
  const QString price = line.section(';', 2, 2).trimmed();
  bool number = false;
  price.toDouble(&number);
  if (number) price_->setText(price);
}

void FiscalReceiptDialog::sumClicked() {
  if (!sum_->text().isEmpty()) amount_->setText(sum_->text());
}

bool FiscalReceiptDialog::typedDecimal(const QString& caption, QLineEdit* field, double& out) {
  bool ok = false;
  out = field->text().trimmed().toDouble(&ok);
  if (ok && std::isfinite(out)) return true;
  ctx_.prompt.showMessage(QString(Tesmar::mark("%1 \"%2\" - не число. Введите число с точкой, например 1.50"))
                              .arg(caption, field->text()));
  return false;
}

bool FiscalReceiptDialog::typedWire(const QString& caption, QLineEdit* field, std::string& out) {
  return app::WireField(ctx_.prompt, caption, field->text(), out);
}

void FiscalReceiptDialog::openReceipt() {
  std::string pwd;
  int op = 0;
  if (!typedPassword(pwd) || !typedNumber(Tesmar::mark("Номер оператора:"), operator_, op)) return;
  const int refund = refund_->isChecked() ? 1 : 0;
  Direct(
      path_, kOpen, [&](link::Driver & d) -> auto& {
        return link::OpenFiscalReceipt(d, pwd, op, 1, refund);
      });
}

void FiscalReceiptDialog::sell() {
  const QString line = goodsLine_->text();
  if (line.isEmpty()) {
    ctx_.prompt.showMessage(kNoArticle);
    return;
  }
  bool ok = false;
  const QString codeText = line.section(';', 0, 0).trimmed();
  const qlonglong code = codeText.toLongLong(&ok);
  if (!ok) {
    ctx_.prompt.showMessage(
        QString(Tesmar::mark("Код товара \"%1\" в строке товара - не число. Продажа не выполнена."))
            .arg(codeText));
    return;
  }
  std::string pwd, wireLine;
  double quantity = 0, price = 0;
  if (!typedPassword(pwd) || !typedWire(Tesmar::mark("Товары"), goodsLine_, wireLine) ||
      !typedDecimal(kQuantityCaption, quantity_, quantity) ||
      !typedDecimal(kPriceCaption, price_, price))
    return;
  // Checked here, before the article is programmed, so that a sale that
  // cannot go out leaves the registrar as it was.
  if (!(quantity > 0)) {
    ctx_.prompt.showMessage(Tesmar::mark("Количество должно быть больше нуля. Продажа не выполнена."));
    return;
  }
  if (price < 0) {
    ctx_.prompt.showMessage(Tesmar::mark("Цена не может быть отрицательной. Продажа не выполнена."));
    return;
  }
  if (!ctx_.state.profile.fkp && !Direct(
                                     path_, kProgram, [&](link::Driver & d) -> auto& {
                                       return link::AddArticleLine(d, pwd, wireLine);
                                     }))
    return;
  const app::Sent sent = Direct(
      path_, kSale, [&](link::Driver & d, int& r) -> auto& {
        return link::SellArticle(d, app::kDefaultPassword, code, quantity, price, r);
      });
  if (sent.refusal != 0)
    ctx_.prompt.showMessage(Tesmar::mark("Количество или цена не могут быть отправлены. Продажа не выполнена."));
}

void FiscalReceiptDialog::discount(int command) {
  const bool percent = command == cmd::kPercentDiscount ||
                       command == cmd::kSubtotalPercentDiscount ||
                       command == cmd::kTaxGroupPercentDiscount;
  QLineEdit* valueBox = percent ? percentValue_ : absoluteValue_;
  QLineEdit* groupBox = percent ? percentGroup_ : absoluteGroup_;
  const bool byGroup =
      command == cmd::kTaxGroupPercentDiscount || command == cmd::kTaxGroupAbsoluteDiscount;
  std::string pwd;
  double value = 0;
  int group = 0;
  if (!typedPassword(pwd) ||
      !typedDecimal(percent ? Tesmar::mark("Скидка процентная") : Tesmar::mark("Скидка абсолютная"), valueBox, value) ||
      (byGroup && !typedNumber(Tesmar::mark("Налоговая группа"), groupBox, group)))
    return;
  const app::Sent sent = Direct(
      path_, kDiscount, [&](link::Driver & d, int& r) -> auto& {
        switch (command) {
          case cmd::kPercentDiscount:
            return link::PercentDiscount(d, pwd, value, r);
          case cmd::kAbsoluteDiscount:
            return link::AbsoluteDiscount(d, pwd, value, r);
          case cmd::kSubtotalPercentDiscount:
            return link::SubtotalPercentDiscount(d, pwd, value, r);
          case cmd::kSubtotalAbsoluteDiscount:
            return link::SubtotalAbsoluteDiscount(d, pwd, value, r);
          case cmd::kTaxGroupPercentDiscount:
            return link::TaxGroupPercentDiscount(d, pwd, value, group, r);
          default:
            return link::TaxGroupAbsoluteDiscount(d, pwd, value, group, r);
        }
      });
  if (sent.refusal != 0) ctx_.prompt.showMessage(Tesmar::mark("Значение скидки не может быть отправлено."));
}

void FiscalReceiptDialog::printComment() {
  std::string pwd, text;
  if (!typedPassword(pwd) || !typedWire(Tesmar::mark("Комментарий"), comment_, text)) return;
  Direct(
      path_, kComment, [&](link::Driver & d) -> auto& { return link::PrintText(d, pwd, text); });
}

void FiscalReceiptDialog::printTotal() {
  std::string pwd;
  if (typedPassword(pwd)) sendTotal(pwd);
}

// 6Dh; on success the receipt sum shows the total the registrar answered.
app::Sent FiscalReceiptDialog::sendTotal(const std::string& pwd) {
  const bool shown = display_->isChecked();
  const app::Sent sent = Direct(
      path_, kTotal, [&](link::Driver & d) -> auto& { return link::PrintTotal(d, pwd, shown); });
  if (sent) sum_->setText(app::FromWire(sent.reply->Field(0)));
  return sent;
}

void FiscalReceiptDialog::closeReceipt() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const int flag = display_->isChecked() ? 1 : 0;
  Direct(
      path_,
      kClose, [&](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, pwd, flag); });
}

void FiscalReceiptDialog::voidOperation(int kind) {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  Direct(
      path_, kVoid, [&](link::Driver & d) -> auto& { return link::VoidOperation(d, pwd, kind); });
}

// The bar code and the display text only show their error code.
void FiscalReceiptDialog::printBarcode() {
  const QString digits = barcode_->text();
  if (digits.size() != kBarcodeLength) {
    ctx_.prompt.showMessage(kBarcodeLengthWrong);
    return;
  }
  const std::string wire = app::ToWire(digits);
  const app::Sent sent = path_.send([&](link::Driver & d, int& r) -> auto& {
    return link::PrintEan13Barcode(d, app::kDefaultPassword, kBarcodeHeight, wire, r);
  });
  if (sent.refusal != 0) ctx_.prompt.showMessage(Tesmar::mark("Штрих-код должен состоять из 12 цифр! Ошибка!"));
}

void FiscalReceiptDialog::showOnDisplay() {
  std::string text;
  if (!typedWire(Tesmar::mark("Комментарий"), comment_, text)) return;
  const int function = displayFunction_->currentIndex();
  path_.send([&](link::Driver & d) -> auto& {
    return link::ShowOnDisplay(d, app::kDefaultPassword, function, 0, text);
  });
}

}  // namespace tesmar::sales
