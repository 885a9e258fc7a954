#include "sales/cash_drawer_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "link/document_formatters.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {
constexpr const char* kSwitchOn = Tesmar::mark("Время включения соленоида:");
constexpr const char* kDelay = Tesmar::mark("Задержка после выкл. соленоида:");
}  // namespace

CashDrawerDialog::CashDrawerDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                   QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Тест денежного ящика"), parent) {
  switchOn_ = new QLineEdit;
  delay_ = new QLineEdit;
  // The error-code box shows "0000" and is never filled.
  path_.setErrorBox(nullptr);
  error_->setText("0000");
  auto* form = new QFormLayout;
  addPasswordRows(form);
  form->addRow(kSwitchOn, switchOn_);
  form->addRow(kDelay, delay_);
  auto* open = new QPushButton(Tesmar::mark("Открыть ящик"));
  auto* second = new QPushButton(Tesmar::mark("Открыть доп. ящик"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(open, &QPushButton::clicked, this, &CashDrawerDialog::openDrawer);
  connect(second, &QPushButton::clicked, this, &CashDrawerDialog::openSecondDrawer);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  statusButton_->setParent(this);
  statusButton_->hide();
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({open, second}, quit));
}

template <class Send>
void CashDrawerDialog::sendAndJudge(Send&& send) {
  path_.timedDecoded(Tesmar::mark("Ошибка выполнения команды. Таймаут"), Tesmar::mark("Проверка состояния регистратора"),
                     std::forward<Send>(send));
}

void CashDrawerDialog::openDrawer() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  sendAndJudge([&](link::Driver & d) -> auto& { return link::OpenCashDrawer(d, pwd); });
}

void CashDrawerDialog::openSecondDrawer() {
  std::string pwd, on, delay;
  if (!typedPassword(pwd) || !app::WireField(ctx_.prompt, kSwitchOn, switchOn_->text(), on) ||
      !app::WireField(ctx_.prompt, kDelay, delay_->text(), delay))
    return;
  // A ";" would split the parameter string into other fields.
  for (const auto& [caption, text] : {std::pair{kSwitchOn, &on}, std::pair{kDelay, &delay}})
    if (text->find(';') != std::string::npos) {
      ctx_.prompt.showMessage(QString(Tesmar::mark("В поле \"%1\" недопустим символ \";\". Команда не "
                                      "отправлена!"))
                                  .arg(caption));
      return;
    }
  // Empty times are told, and sent all the same: the registrar judges them.
  if (on.empty() || delay.empty()) ctx_.prompt.showMessage(Tesmar::mark("Не установлены параметры команды!"));
  sendAndJudge([&](link::Driver & d) -> auto& {
    return link::OpenSecondCashDrawer(d, pwd, on, delay);
  });
}

}  // namespace tesmar::sales
