#include "app/command_test_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/command_path.h"
#include "app/status_bytes_dialog.h"
#include "app/wire_text.h"

namespace tesmar::app {

int ParseConsoleCode(const QString& text) {
  if (text.size() < 2) return -1;
  int code = 0;
  for (int i = 0; i < 2; ++i) {
    bool ok = false;
    const int v = QString(text[i]).toInt(&ok, 16);
    if (!ok) return -1;
    code = code * 16 + v;
  }
  return code;
}

CommandTestDialog::CommandTestDialog(AppContext& ctx, StatusBytesDialog& status, QWidget* parent)
    : QDialog(parent), ctx_(ctx), statusDialog_(status) {
  setWindowTitle(Tesmar::mark("Тест команд"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  resize(667, 220);
  code_ = new QLineEdit;
  line_ = new QLineEdit;
  password_ = new QLineEdit("731942");
  result_ = new QLineEdit;
  error_ = new QLineEdit;
  status_ = new QLineEdit;
  for (QLineEdit* e : {result_, error_, status_}) e->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Код команды:"), code_);
  form->addRow(Tesmar::mark("Командная строка:"), line_);
  form->addRow(Tesmar::mark("Пароль: "), password_);
  form->addRow(Tesmar::mark("Результат выполнения команды:"), result_);
  form->addRow(Tesmar::mark("Код ошибки:"), error_);
  form->addRow(Tesmar::mark("Статус регистратора:"), status_);
  auto* run = new QPushButton(Tesmar::mark("Выполнить"));
  question_ = new QPushButton("?");
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  // Enter in the command line sends once: no default button besides it.
  for (QPushButton* b : {run, question_, quit}) b->setAutoDefault(false);
  connect(run, &QPushButton::clicked, this, &CommandTestDialog::execute);
  connect(line_, &QLineEdit::returnPressed, this, &CommandTestDialog::execute);
  connect(question_, &QPushButton::clicked, &statusDialog_, [this] { statusDialog_.exec(); });
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run);
  buttons->addWidget(question_);
  buttons->addStretch();
  buttons->addWidget(quit);
  auto* panel = new QLabel(Tesmar::mark("   Тест команд:  "));
  panel->setObjectName("statusPanel");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(buttons);
  root->addWidget(panel);
}

void CommandTestDialog::showEvent(QShowEvent* e) {
  question_->setEnabled(false);
  error_->clear();
  status_->clear();
  line_->setFocus();
  QDialog::showEvent(e);
}

void CommandTestDialog::execute() {
  result_->clear();
  error_->clear();
  status_->clear();
  const int code = ParseConsoleCode(code_->text());
  if (code < 0) {
    ctx_.prompt.showMessage(Tesmar::mark("Неверный код команды"));
    return;
  }
  // The console sends what was typed, as typed: the one command without a
  // formatter of its own.
  std::string params;
  if (!WireField(ctx_.prompt, Tesmar::mark("Командная строка:"), password_->text() + ";" + line_->text(),
                 params))
    return;
  CommandPath path(ctx_, error_, question_);
  const Sent sent =
      path.send([&](link::Driver& d) -> auto& { return d.ExecuteCommand(code, params); });
  if (!sent.reply) return;
  const link::ReplyRecord& r = *sent.reply;
  result_->setText(FromWire(r.dataText.View()));
  QStringList bytes;
  for (uint8_t b : r.status) bytes << QString("%1").arg(b, 2, 16, QChar('0')).toUpper();
  status_->setText(bytes.join(' '));
}

}  // namespace tesmar::app
