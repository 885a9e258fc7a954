#include "app/program_confirm_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesmar::app {

ProgramConfirmDialog::ProgramConfirmDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Tesmar::mark("Подтверждение программирования"));
  auto* root = new QVBoxLayout(this);
  const char* captions[3] = {Tesmar::mark("Запрограммировать фискальный номер"),
                             Tesmar::mark("Запрограммировать идентификационный/налоговый номер РРО"),
                             Tesmar::mark("Запрограммировать налоги")};
  for (int i = 0; i < 3; ++i) root->addWidget(boxes_[i] = new QCheckBox(captions[i]));
  auto* go = new QPushButton(Tesmar::mark("Продолжить"));
  auto* cancel = new QPushButton(Tesmar::mark("Отменить"));
  connect(go, &QPushButton::clicked, this, [this] { press(true); });
  connect(cancel, &QPushButton::clicked, this, [this] { press(false); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(go);
  buttons->addWidget(cancel);
  root->addLayout(buttons);
}

void ProgramConfirmDialog::press(bool continueButton) {
  continued_ = continueButton;
  done(continueButton ? Accepted : Rejected);
}

bool ProgramConfirmDialog::fiscalNumber() const {
  return boxes_[0]->isChecked();
}
bool ProgramConfirmDialog::taxNumber() const {
  return boxes_[1]->isChecked();
}
bool ProgramConfirmDialog::taxes() const {
  return boxes_[2]->isChecked();
}

OperationResultDialog::OperationResultDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Tesmar::mark("Результат операции"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);  // no close box
  auto* root = new QVBoxLayout(this);
  for (QLabel*& l : labels_) root->addWidget(l = new QLabel);
  auto* go = new QPushButton(Tesmar::mark("Продолжить"));
  connect(go, &QPushButton::clicked, this, &QDialog::accept);
  root->addWidget(go);
}

void OperationResultDialog::setOutcomes(int a, int b, int c) {
  outcomes_[0] = a;
  outcomes_[1] = b;
  outcomes_[2] = c;
}

QStringList OperationResultDialog::lines() const {
  const char* prefixes[3] = {Tesmar::mark("Фискальный номер - "), Tesmar::mark("Регистрационный номер - "),
                             Tesmar::mark("Ставки налогов - ")};
  QStringList out;
  for (int i = 0; i < 3; ++i) {
    const char* tail = outcomes_[i] == 1   ? Tesmar::mark("успешно.")
                       : outcomes_[i] == 0 ? Tesmar::mark("ошибка.")
                       : i == 2            ? Tesmar::mark("не программировались.")
                                           : Tesmar::mark("не программировался.");
    out << QString(prefixes[i]) + tail;
  }
  return out;
}

void OperationResultDialog::showEvent(QShowEvent* e) {
  const QStringList l = lines();
  for (int i = 0; i < 3; ++i) labels_[i]->setText(l[i]);
  QDialog::showEvent(e);
}

}  // namespace tesmar::app
