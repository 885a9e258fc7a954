#include "service/fiscal_memory_dialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "service/core/flash_transfer.h"
#include "service/transfer_window_host.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {

constexpr const char* kDigitsOnly = Tesmar::mark("Ошибка! Только десятичные цифры!");
constexpr const char* kFilter = Tesmar::mark("Бинарные файлы (*.bin *.BIN);;Все файлы (*)");

QLineEdit* ReadOnlyField(const char* name) {
  auto* f = new QLineEdit;
  f->setObjectName(name);
  f->setReadOnly(true);
  return f;
}

QLineEdit* LimitedField(const char* name, int maxLength, const QString& text = {}) {
  auto* f = new QLineEdit(text);
  f->setObjectName(name);
  f->setMaxLength(maxLength);
  return f;
}

}  // namespace

FiscalMemoryDialog::FiscalMemoryDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : TransferDialog(ctx, status, Tesmar::mark("Чтение/запись/обнуление фискальной памяти"), parent) {
  status_ = ReadOnlyField("statusBytes");
  password_->setMaxLength(6);
  start_ = LimitedField("start", kStartDigits);
  count_ = LimitedField("count", kCountDigits);
  current_ = ReadOnlyField("currentAddress");
  retries_ = LimitedField("retries", 4, "2");
  retriesSoFar_ = ReadOnlyField("retriesSoFar");
  retriesSoFar_->setText("0");
  gauge_ = new QProgressBar;
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Результат выполнения:"), error_);
  form->addRow(Tesmar::mark("Статус регистратора:"), status_);
  form->addRow(Tesmar::mark("Пароль:"), password_);
  form->addRow(Tesmar::mark("Адрес начала данных (номер байта):"), start_);
  form->addRow(Tesmar::mark("Количество байтов для чтения.записи:"), count_);
  form->addRow(Tesmar::mark("Текущий адрес:"), current_);
  form->addRow(Tesmar::mark("Количество повторов при ошибке:"), retries_);
  form->addRow(Tesmar::mark("Повторов:"), retriesSoFar_);
  form->addRow(gauge_);
  clear_ = new QPushButton(Tesmar::mark("Обнулить флеш-память"));
  read_ = new QPushButton(Tesmar::mark("Читать флеш-память"));
  write_ = new QPushButton(Tesmar::mark("Записать флеш-память"));
  stopButton_ = new QPushButton(Tesmar::mark("Остановить"));
  close_ = new QPushButton(Tesmar::mark("Закрыть"));
  for (QPushButton* b : {clear_, read_, write_, stopButton_, close_}) b->setAutoDefault(false);
  connect(clear_, &QPushButton::clicked, this, &FiscalMemoryDialog::clearFlash);
  connect(read_, &QPushButton::clicked, this, &FiscalMemoryDialog::readFlash);
  connect(write_, &QPushButton::clicked, this, &FiscalMemoryDialog::writeFlash);
  connect(stopButton_, &QPushButton::clicked, this, &FiscalMemoryDialog::stop);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  connect(start_, &QLineEdit::textChanged, this, [this] { rangeEdited(start_); });
  connect(count_, &QLineEdit::textChanged, this, [this] { rangeEdited(count_); });
  auto* buttons = new QGridLayout;
  buttons->addWidget(clear_, 0, 0);
  buttons->addWidget(read_, 0, 1);
  buttons->addWidget(write_, 0, 2);
  buttons->addWidget(stopButton_, 1, 0);
  buttons->addWidget(close_, 1, 2);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(buttons);
}

void FiscalMemoryDialog::showEvent(QShowEvent* e) {
  read_->setEnabled(false);
  write_->setEnabled(true);
  stop_ = false;
  TransferDialog::showEvent(e);
}

void FiscalMemoryDialog::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && transferring()) {
    stop();  // Escape stops a transfer; without one it closes the window
    return;
  }
  TransferDialog::keyPressEvent(e);
}

void FiscalMemoryDialog::rangeEdited(QLineEdit* changed) {
  if (transferring()) return;
  if (start_->text().isEmpty() || count_->text().isEmpty()) {
    read_->setEnabled(false);
    write_->setEnabled(false);
    return;
  }
  if (!DecimalField(changed->text().toStdString())) {
    ctx_.prompt.showMessage(kDigitsOnly);
    return;
  }
  read_->setEnabled(true);
  write_->setEnabled(true);
}

bool FiscalMemoryDialog::typedRange(uint64_t& start, uint64_t& count) {
  const auto s = DecimalField(start_->text().toStdString());
  const auto c = DecimalField(count_->text().toStdString());
  if (!s || !c) {
    ctx_.prompt.showMessage(kDigitsOnly);
    return false;
  }
  if (!FlashRangeFits({*s, *c})) {
    ctx_.prompt.showMessage(kFlashRangeTooLarge);
    return false;
  }
  start = *s;
  count = *c;
  return true;
}

// The range a file name carries goes to the fields whole, or not at all.
bool FiscalMemoryDialog::takeNamedRange(const QString& file) {
  const auto named = RangeFromFileName(file.toStdString());
  if (!named) return true;
  if (!NamedRangeFitsFields(*named)) {
    ctx_.prompt.showMessage(kNamedRangeTooLong + QFileInfo(file).fileName());
    return false;
  }
  // Judged once afterwards, not field by field as typing is.
  const QSignalBlocker a(start_), b(count_);
  start_->setText(QString::fromStdString(named->start));
  count_->setText(QString::fromStdString(named->count));
  return true;
}

void FiscalMemoryDialog::wireHost(WindowTransferHost& host) {
  host.onReply = [this](const link::ReplyRecord& r) { status_->setText(StatusBytesText(r)); };
  host.onRetries = [this](int n) { retriesSoFar_->setText(QString::number(n)); };
  host.onAddress = [this](uint64_t a) { current_->setText(QString::number(a)); };
  host.onProgress = [this](int64_t p) { gauge_->setValue(static_cast<int>(p)); };
}

// While a transfer runs only "Остановить" answers.
void FiscalMemoryDialog::setBusy(bool busy) {
  setTransferring(busy);
  if (busy) {
    readWas_ = read_->isEnabled();
    writeWas_ = write_->isEnabled();
  }
  clear_->setEnabled(!busy);
  close_->setEnabled(!busy);
  read_->setEnabled(!busy && readWas_);
  write_->setEnabled(!busy && writeWas_);
}

void FiscalMemoryDialog::say(const TransferOutcome& out) {
  if (out.message.empty()) return;
  const QString text = QString::fromStdString(out.message);
  out.ok ? ctx_.prompt.showSuccess(text) : ctx_.prompt.showMessage(text);
}

void FiscalMemoryDialog::clearFlash() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  // Yes/No with "Нет" first: the clearing cannot be undone.
  if (!ctx_.prompt.askYesNo("", Tesmar::mark("Флеш-память регистратора будет обнулена. Продолжать?"))) {
    ctx_.prompt.showMessage(Tesmar::mark("Обнуление флеш-памяти отменено!"));
    return;
  }
  bool noStop = false;
  WindowTransferHost host(path_, noStop);
  wireHost(host);
  say(ClearFlashMemory(host, pwd));
}

void FiscalMemoryDialog::readFlash() {
  std::string pwd;
  uint64_t start = 0, count = 0;
  int retries = 0;
  if (!typedPassword(pwd) || !typedRange(start, count) ||
      !typedNumber(Tesmar::mark("Количество повторов при ошибке:"), retries_, retries, 0, 100))
    return;
  QString file = ctx_.prompt.saveFileName(Tesmar::mark("Чтение данных из флеш-памяти в файл"), kFilter);
  if (file.isEmpty()) return;
  file = app::WithDefaultExtension(file, "bin");
  if (!ctx_.prompt.askOkCancel("", Tesmar::mark("Данные будут записаны в выбранный файл. Продолжать?"))) {
    ctx_.prompt.showMessage(Tesmar::mark("Чтение данных из флеш-памяти отменено!"));
    return;
  }
  WindowTransferHost host(path_, stop_);
  wireHost(host);
  setBusy(true);
  const TransferOutcome out =
      ReadFlashToFile(host, pwd, {start, count}, retries, file.toStdString());
  setBusy(false);
  say(out);
}

void FiscalMemoryDialog::writeFlash() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const QString file = ctx_.prompt.openFileName("", kFilter);
  if (file.isEmpty()) return;
  if (!ctx_.prompt.askOkCancel("",
                               Tesmar::mark("Данные будут записаны в флеш-память регистратора. Продолжать?"))) {
    ctx_.prompt.showMessage(Tesmar::mark("Запись данных в флеш-память отменена!"));
    return;
  }
  if (!takeNamedRange(file)) return;
  if (start_->text().isEmpty() || count_->text().isEmpty()) {
    ctx_.prompt.showMessage(Tesmar::mark("Не установлены границы для записи. Чтение остановлено!"));
    return;
  }
  uint64_t start = 0, count = 0;
  if (!typedRange(start, count)) return;
  WindowTransferHost host(path_, stop_);
  wireHost(host);
  setBusy(true);
  const TransferOutcome out = WriteFlashFromFile(host, pwd, {start, count}, file.toStdString());
  setBusy(false);
  say(out);
}

}  // namespace tesmar::service
