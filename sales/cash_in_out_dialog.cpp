#include "sales/cash_in_out_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>

#include "link/formatters.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {
constexpr const char* kAmount = Tesmar::mark("Сумма:    ");
constexpr const char* kOperator = Tesmar::mark("Номер оператора:");
constexpr int kMaxOperator = 99;
constexpr int kServiceReceipt = 2;
}  // namespace

bool UsesOldCashMethod(const app::AppState& s, bool cashIn) {
  return cashIn ? s.profile.oldCashIn : s.profile.oldCashOut;
}

std::optional<double> TypedAmount(const QString& text) {
  static const QRegularExpression kForm(R"(^\d{1,10}(\.\d{0,2})?$)");
  const QString t = text.trimmed();
  if (!kForm.match(t).hasMatch()) return std::nullopt;
  const double v = t.toDouble();
  if (!std::isfinite(v) || v <= 0) return std::nullopt;
  return v;
}

CashInOutDialog::CashInOutDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                 QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Служебное внесение и изъятие денег"), parent) {
  amount_ = new QLineEdit("1.00");
  operator_ = new QLineEdit("1");
  till_ = new QLineEdit;
  till_->setReadOnly(true);
  auto* form = new QFormLayout;
  addPasswordRows(form);
  form->addRow(kAmount, amount_);
  form->addRow(kOperator, operator_);
  form->addRow(Tesmar::mark("Денег в кассе:"), till_);
  auto* in = new QPushButton(Tesmar::mark("Служебный внос"));
  auto* out = new QPushButton(Tesmar::mark("Служебное изъятие"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(in, &QPushButton::clicked, this, &CashInOutDialog::cashIn);
  connect(out, &QPushButton::clicked, this, &CashInOutDialog::cashOut);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({in, out, statusButton_}, quit));
}

void CashInOutDialog::showEvent(QShowEvent* e) {
  statusButton_->setEnabled(false);
  CommandDialog::showEvent(e);
}

void CashInOutDialog::cashIn() {
  move(true);
}

void CashInOutDialog::cashOut() {
  move(false);
}

void CashInOutDialog::move(bool cashIn) {
  std::string pwd;
  int op = 0;
  if (!typedPassword(pwd) || !typedNumber(kOperator, operator_, op, 0, kMaxOperator)) return;
  const std::optional<double> typed = TypedAmount(amount_->text());
  if (!typed) {
    ctx_.prompt.showMessage(QString(Tesmar::mark("В поле \"%1\" должна быть сумма больше нуля с точкой и не "
                                    "более чем двумя знаками после нее, например 1.00. Команда "
                                    "не отправлена!"))
                                .arg(QString(kAmount).trimmed()));
    return;
  }
  const double amount = cashIn ? *typed : -*typed;
  const QString title = cashIn ? Tesmar::mark("Служебный внос денег") : Tesmar::mark("Служебное изъятие денег");
  statusButton_->setEnabled(true);
  clearError();
  const bool done = UsesOldCashMethod(ctx_.state, cashIn) ? byOldMethod(pwd, op, amount, title)
                                                          : byReceipt(pwd, op, amount, title);
  if (done) ctx_.prompt.showSuccess(title + Tesmar::mark(" - Успешно!"));
}

bool CashInOutDialog::byOldMethod(const std::string& pwd, int op, double amount,
                                  const QString& title) {
  const app::Sent s = path_.decoded(
      title, [&](link::Driver & d, int& result) -> auto& {
        return link::CashInOut(d, pwd, op, amount, result);
      });
  if (s) showTill(*s.reply);
  return s.ok;
}

bool CashInOutDialog::byReceipt(const std::string& pwd, int op, double amount,
                                const QString& title) {
  if (!path_.decoded(
          {}, [&](link::Driver & d) -> auto& {
            return link::OpenFiscalReceipt(d, pwd, op, 0, kServiceReceipt);
          }))
    return false;
  const app::Sent s = path_.decoded(
      title, [&](link::Driver & d, int& result) -> auto& {
        return link::ServiceCashIn(d, pwd, 0, amount, result);
      });
  if (!s) return false;
  showTill(*s.reply);
  return path_
      .decoded(
          {}, [&](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, pwd); })
      .ok;
}

void CashInOutDialog::showTill(const link::ReplyRecord& r) {
  till_->setText(app::ResultField(r, 1));
}

}  // namespace tesmar::sales
