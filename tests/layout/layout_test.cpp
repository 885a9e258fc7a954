// Every window of the program shown at its default size, as a person first
// sees it: it fits a 1366 x 768 screen, and no caption, button text or field
// of it is squeezed below the size it needs to be read.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "tests/app/app_harness.h"
#include "script/monitor_window.h"
#include "tests/support/program_harness.h"

using namespace tesmar;

namespace {

constexpr int kScreenWidth = 1366, kScreenHeight = 768;

// The children of `window` that a person reads and that are shown, each
// narrower than it needs to be.
QStringList SqueezedChildren(QWidget& window) {
  QStringList squeezed;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->wordWrap() || label->text().isEmpty()) continue;
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      text = button->text();
    } else {
      continue;
    }
    const QSize need = w->minimumSizeHint();
    if (w->width() < need.width() || w->height() < need.height())
      squeezed << QString("\"%1\" %2x%3 < %4x%5")
                      .arg(text)
                      .arg(w->width())
                      .arg(w->height())
                      .arg(need.width())
                      .arg(need.height());
  }
  return squeezed;
}

}  // namespace

TEST(Layout, everyWindowFitsTheScreenAndShowsItsTextsWhole) {
  test::ProgramHarness h;
  const auto windows = h.window->findChildren<QDialog*>();
  ASSERT_GE(windows.size(), 40);
  for (QDialog* w : windows) {
    if (w->windowTitle().isEmpty()) continue;  // message boxes and helpers of a window
    w->show();
    QApplication::processEvents();
    const QString title = w->windowTitle();
    EXPECT_LE(w->width(), kScreenWidth) << title.toStdString();
    EXPECT_LE(w->frameGeometry().height(), kScreenHeight) << title.toStdString();
    const QStringList squeezed = SqueezedChildren(*w);
    EXPECT_TRUE(squeezed.isEmpty())
        << title.toStdString() << ": " << squeezed.join("; ").toStdString();
    if (qEnvironmentVariableIsSet("TESMAR_LAYOUT_SHOTS"))
      w->grab().save(qEnvironmentVariable("TESMAR_LAYOUT_SHOTS") + "/" + title + ".png");
    w->hide();
    h.prompt.messages.clear();
  }
}

// The main window deletes its windows in the order it made them: the shared
// variables window may go before the monitor that borrows it, whether it is
// hidden or shown beside the monitor at that moment.
TEST(Layout, theMainWindowClosesWithEveryWindowOfEveryTable) {
  for (bool variablesShown : {false, true}) {
    test::ProgramHarness h;
    auto* monitor = h.window->find<script::MonitorWindow>();
    ASSERT_NE(monitor, nullptr);
    monitor->show();
    if (variablesShown) monitor->showVariables();
    QApplication::processEvents();
    h.window.reset();
  }
}
