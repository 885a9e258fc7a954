#include "service/fiscalization_dialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTitle = Tesmar::mark("Фіскаліз. реєстратора");
constexpr const char* kReceiptText = Tesmar::mark("РЕЄСТРАТОР ФІСКАЛІЗОВАНО УСПІШНО!");
constexpr int kPasswordLength = 6;
constexpr int kFiscalizationReport = 1;

QLineEdit* Secret() {
  auto* e = new QLineEdit;
  e->setMaxLength(kPasswordLength);
  e->setEchoMode(QLineEdit::Password);
  return e;
}
}  // namespace

FiscalizationDialog::FiscalizationDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                         QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Фискализация"), parent) {
  number_ = new QLineEdit;
  number_->setMaxLength(11);
  inspector_ = Secret();
  repeat_ = Secret();
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Заводской номер ККМ:"), number_);
  form->addRow(Tesmar::mark("Пароль налогового инспектора:"), inspector_);
  form->addRow(Tesmar::mark("Повторите ввод пароля:"), repeat_);
  addPasswordRows(form);
  run_ = new QPushButton(Tesmar::mark("Фискализация"));
  cancel_ = new QPushButton(Tesmar::mark("Прервать ожидание"));
  cancel_->hide();
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(run_, &QPushButton::clicked, this, &FiscalizationDialog::fiscalize);
  connect(cancel_, &QPushButton::clicked, this, &FiscalizationDialog::cancelWait);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({run_, cancel_}, close));
}

void FiscalizationDialog::cancelWait() {
  cancelled_ = true;
}

// One receipt step with the fixed password; false (said) on failure.
bool FiscalizationDialog::step(const QString& title,
                               const std::function<const link::ReplyRecord&(link::Driver&)>& f) {
  return path_
      .decoded(
          title, [&](link::Driver & d) -> auto& { return f(d); })
      .ok;
}

// 80h again and again until the registrar answers well, within the bound;
// the status bar says which try runs, and "Прервать ожидание" ends it. The
// probes leave the error box alone: it shows the steps of the sequence.
bool FiscalizationDialog::waitUntilReady() {
  cancelled_ = false;
  // Window messages run between the tries: nothing may start a second
  // fiscalization meanwhile.
  run_->setEnabled(false);
  cancel_->show();
  QElapsedTimer clock;
  clock.start();
  app::CommandPath probes(ctx_);
  bool ready = false;
  for (int n = 1; !ready && MayTryAgain(bound_, n - 1, clock.elapsed(), cancelled_); ++n) {
    if (n > 1) ctx_.sleeper.SleepMs(bound_.pauseMs);
    ctx_.showStatus(ReadinessProgress(n, bound_));
    QCoreApplication::processEvents();
    if (cancelled_) break;
    const app::Sent probe = probes.send(
        [](link::Driver & d) -> auto& { return link::ReadDiagnostics(d, app::kDefaultPassword); });
    ready = probe.outcome.ok();
  }
  cancel_->hide();
  run_->setEnabled(true);
  ctx_.showStatus(QString());
  if (!ready)
    ctx_.prompt.showMessage(cancelled_ ? Tesmar::mark("Ожидание готовности регистратора прервано. Фискализация "
                                         "выполнена, чек подтверждения не напечатан.")
                                       : Tesmar::mark("Регистратор не готов: чек подтверждения фискализации не "
                                         "напечатан."));
  return ready;
}

void FiscalizationDialog::printReceipt() {
  const char* pwd = app::kDefaultPassword;
  if (!step(
          kTitle, [&](link::Driver & d) -> auto& { return link::OpenNonFiscalReceipt(d, pwd); }))
    return;
  // The service report never stops the receipt.
  step(
      Tesmar::mark("Фискализация регистратора"), [&](link::Driver & d) -> auto& {
        return link::PrintServiceReport(d, pwd, kFiscalizationReport);
      });
  const std::string text = app::ToWire(kReceiptText);
  if (!step(
          kTitle, [&](link::Driver & d) -> auto& { return link::PrintText(d, pwd, text); }))
    return;
  if (!step(
          kTitle, [&](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, pwd, 0); }))
    return;
  ctx_.prompt.showSuccess(Tesmar::mark("Фіскаліз. реєстратора - Успішно!"));
}

void FiscalizationDialog::fiscalize() {
  if (inspector_->text().size() < kPasswordLength || repeat_->text().size() != kPasswordLength) {
    ctx_.prompt.showMessage(Tesmar::mark("Довжина пароля - 6!"));
    return;
  }
  if (inspector_->text() != repeat_->text()) {
    ctx_.prompt.showMessage(Tesmar::mark("Повторно зроби ввод паролей та фіскалізацію"));
    return;
  }
  std::string pwd, number, inspector;
  if (!typedPassword(pwd) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Заводской номер ККМ:"), number_->text(), number) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Пароль налогового инспектора:"), inspector_->text(), inspector))
    return;
  if (!app::ConfirmIrreversible(
          ctx_.prompt, Tesmar::mark("Регистратор будет фискализирован с заводским номером ") + number_->text() +
                           Tesmar::mark(": он привязывается к номеру и паролю налогового инспектора навсегда.")))
    return;
  if (!path_.decoded(
          kTitle, [&](link::Driver & d) -> auto& {
            return link::Fiscalize(d, pwd, number, inspector);
          }))
    return;
  if (waitUntilReady()) printReceipt();
}

}  // namespace tesmar::service
