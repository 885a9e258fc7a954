#include "app/prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

namespace tesmar::app {

namespace {

// Room for the frame's icon and its three buttons beside the title.
constexpr int kTitleBarDecoration = 160;

QString TitleOf(const QWidget* source, const QString& title) {
  if (!title.isEmpty()) return title;
  if (source && !source->windowTitle().isEmpty()) return source->windowTitle();
  return QApplication::applicationDisplayName();
}

int Show(QWidget* source, QMessageBox::Icon icon, const QString& title, const QString& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preferred,
         const QString& advice = QString()) {
  QMessageBox box(icon, TitleOf(source, title), text, buttons, source);
  box.setInformativeText(advice);
  box.setDefaultButton(preferred);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A short text would make the box narrower than its title.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(MessageBoxWidthFor(box.windowTitle()), 0, QSizePolicy::Minimum,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  return box.exec();
}

}  // namespace

int MessageBoxWidthFor(const QString& title) {
  const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
  int width = metrics.horizontalAdvance(title) + kTitleBarDecoration;
  if (const QScreen* screen = QApplication::primaryScreen())
    width = std::min(width, screen->availableGeometry().width() * 3 / 4);
  return width;
}

QString WithDefaultExtension(const QString& file, const QString& extension) {
  return QFileInfo(file).suffix().isEmpty() ? file + "." + extension : file;
}

bool ConfirmIrreversible(Prompt& prompt, const QString& what) {
  return prompt.askYesNo(QString(), what + Tesmar::mark("\nЭто действие нельзя отменить. Продолжить?"));
}

QWidget* QtPrompt::source() const {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  if (QWidget* w = QApplication::activeWindow()) return w;
  return parent_;
}

void QtPrompt::showMessage(const QString& text, const QString& title) {
  Show(source(), QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompt::showSuccess(const QString& text, const QString& title) {
  Show(source(), QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompt::showRefusal(const QString& text, const QString& advice, const QString& title) {
  Show(source(), QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok, advice);
}

bool QtPrompt::askYesNo(const QString& title, const QString& text) {
  return Show(source(), QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompt::askOkCancel(const QString& title, const QString& text) {
  return Show(source(), QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
              QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtPrompt::openFileName(const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(source(), title, QString(), filter);
}

QString QtPrompt::saveFileName(const QString& title, const QString& filter) {
  return QFileDialog::getSaveFileName(source(), title, QString(), filter);
}

}  // namespace tesmar::app
