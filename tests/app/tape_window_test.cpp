// The demo's tape window: lines from the registrar's thread, pixel rows,
// documents set apart, the picture saved whole.
#include "app/tape_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <thread>

#include "tests/app/app_harness.h"
#include "link/encoding.h"
#include "emulator/tape_form.h"

using namespace tesmar;

TEST(TapeWindow, linesPrintedOnTheRegistrarsThreadAppearInOrder) {
  test::AppHarness h;
  h.window->addWindows({app::TapeWindowRow()});
  app::TapeWindow* tape = h.window->find<app::TapeWindow>();
  ASSERT_NE(tape, nullptr);
  EXPECT_TRUE(h.window->menuItem("Лента")->isEnabled());  // no connection needed
  h.registrar->registrar.SetTapeSink([tape](const std::string& line) {
    tape->post(QString::fromStdString(emu::TapeFileLine(line)));
  });
  std::thread printer([&] {
    emu::PrintPixelRow(h.registrar->registrar, "0110");
    h.registrar->registrar.Print(link::Utf8ToCp1251("СУМА 10.50"));
  });
  printer.join();
  QCoreApplication::processEvents();
  EXPECT_EQ(tape->view()->lines(), (QStringList{"▌ ██ ", "СУМА 10.50"}));
}

TEST(TapeWindow, pixelRowsAreDrawnAsPixelsAndDocumentsAreSetApart) {
  test::AppHarness h;
  app::TapeWindow tape(h.ctx);
  app::TapeView& v = *tape.view();
  v.appendLine("▌█ █");
  const QImage one = v.render();
  EXPECT_EQ(one.pixelColor(8, 8), Qt::black);  // margin 8: the first pixel
  EXPECT_EQ(one.pixelColor(9, 8), Qt::white);
  EXPECT_EQ(one.pixelColor(10, 8), Qt::black);
  const int rowOnly = v.sizeHint().height();
  v.appendLine("================================");
  const int withRule = v.sizeHint().height();
  v.appendLine("next");
  EXPECT_GT(withRule - rowOnly, v.fontMetrics().height());  // a gap after the document
  EXPECT_TRUE(app::EndsDocument("--------------------------------"));
  EXPECT_FALSE(app::EndsDocument("СУМА ---"));
  EXPECT_FALSE(app::IsPixelRow("СУМА"));
}

TEST(TapeWindow, savedPictureIsTheWholeTapeAndAFailedSaveSaysSo) {
  test::AppHarness h;
  app::TapeWindow tape(h.ctx);
  for (int i = 0; i < 200; ++i) tape.view()->appendLine(QString("рядок %1").arg(i));
  h.prompt.file = QDir(h.dir.path()).filePath("tape.png");
  tape.savePng();
  QImage saved(h.prompt.file);
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), tape.view()->sizeHint());
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  h.prompt.file = QDir(h.dir.path()).filePath("no/such/folder/tape.png");
  tape.savePng();
  EXPECT_EQ(h.prompt.messages, QStringList{"Лента не сохранена в " + h.prompt.file + "!"});
  tape.view()->clear();
  EXPECT_TRUE(tape.view()->lines().isEmpty());
}
