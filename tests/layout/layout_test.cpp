// Every window of the program shown at its default size, as a person first
// sees it: it fits a 1366 x 768 screen, and no caption, button text or field
// of it is squeezed below the size it needs to be read.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>

#include "tests/app/app_harness.h"
#include "script/monitor_window.h"
#include "tests/support/program_harness.h"
#include "app/translation.h"

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

// The texts of a window's labels, buttons and title that are still written
// in Cyrillic letters.
QStringList CyrillicTexts(QWidget& window) {
  static const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
  QStringList texts;
  if (window.windowTitle().contains(cyrillic)) texts << window.windowTitle();
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(w)) text = group->title();
    if (text.contains(cyrillic)) texts << text;
  }
  return texts;
}

// Every window of the program in the interface language in use.
void ExpectEveryWindowFitsAndShowsItsTextsWhole(const QString& language) {
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
    if (language == "en") {
      const QStringList russian = CyrillicTexts(*w);
      EXPECT_TRUE(russian.isEmpty()) << title.toStdString() << ": " << russian.join("; ").toStdString();
    }
    if (qEnvironmentVariableIsSet("TESMAR_LAYOUT_SHOTS"))
      w->grab().save(qEnvironmentVariable("TESMAR_LAYOUT_SHOTS") + "/" + language + "-" + title +
                     ".png");
    w->hide();
    h.prompt.messages.clear();
  }
}

}  // namespace

TEST(Layout, everyWindowFitsTheScreenAndShowsItsTextsWhole) {
  ExpectEveryWindowFitsAndShowsItsTextsWhole("ru");
}

// The same in Ukrainian and English, whose texts are often longer; in
// English no Cyrillic text is left on a window.
TEST(Layout, everyWindowFitsTheScreenInUkrainianAndEnglish) {
  qputenv("TESMAR_TRANSLATIONS", TESMAR_QM_DIR);
  for (const QString language : {"uk", "en"}) {
    SCOPED_TRACE(language.toStdString());
    app::Translation translation;
    ASSERT_TRUE(translation.install(language));
    ExpectEveryWindowFitsAndShowsItsTextsWhole(language);
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
