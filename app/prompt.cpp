#include "prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tesmar::app {

void QtPrompt::showMessage(const QString& text, const QString& title) {
  QMessageBox::information(parent_,
                           title.isEmpty() ? QApplication::applicationDisplayName() : title, text);
}

bool QtPrompt::askYesNo(const QString& title, const QString& text) {
  return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

bool QtPrompt::askOkCancel(const QString& title, const QString& text) {
  return QMessageBox::question(parent_, title, text, QMessageBox::Ok | QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

QString QtPrompt::openFileName(const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, title, QString(), filter);
}

QString QtPrompt::saveFileName(const QString& title, const QString& filter) {
  return QFileDialog::getSaveFileName(parent_, title, QString(), filter);
}

}  // namespace tesmar::app
