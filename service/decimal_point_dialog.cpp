#include "service/decimal_point_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/config_support.h"
#include "link/formatters.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTitle = Tesmar::mark("Позиция десятичной точки");
constexpr int kDefaultPosition = 2;
}  // namespace

DecimalPointDialog::DecimalPointDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Позиция десятичной точки (\"гривны-копейки\")"), parent) {
  position_ = new QComboBox;
  position_->addItems({"0", "1", "2", "3"});
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Позиция десятичной точки:"), position_);
  addPasswordRows(form);
  auto* readButton = new QPushButton(Tesmar::mark("Прочитать"));
  auto* setButton = new QPushButton(Tesmar::mark("Установить"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(readButton, &QPushButton::clicked, this, &DecimalPointDialog::read);
  connect(setButton, &QPushButton::clicked, this, &DecimalPointDialog::set);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({readButton, setButton, statusButton_}, close));
}

void DecimalPointDialog::showEvent(QShowEvent* e) {
  position_->setCurrentIndex(kDefaultPosition);
  CommandDialog::showEvent(e);
}

// A position the list does not hold leaves the list as it is.
void DecimalPointDialog::read() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent sent = path_.decoded(
      kTitle, [&](link::Driver & d) -> auto& { return link::ReadDecimalPoint(d, pwd); });
  if (!sent) return;
  bool ok = false;
  const int p = ResultField(*sent.reply, 1).toInt(&ok);
  if (ok && p >= 0 && p < position_->count()) position_->setCurrentIndex(p);
}

void DecimalPointDialog::set() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const int p = position_->currentIndex();
  path_.decoded(
      kTitle, [&](link::Driver & d) -> auto& { return link::SetDecimalPoint(d, pwd, p); });
}

}  // namespace tesmar::service
