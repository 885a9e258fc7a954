// The service windows against the software registrar on a pty: what each
// sends, what the registrar keeps, and what each failure says.
#include "service/service_windows.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <set>

#include "app/command_path.h"
#include "tests/app/crafted_link.h"
#include "service/firmware_read_dialog.h"
#include "service/fiscal_memory_dialog.h"
#include "service/logo_dialog.h"
#include "service/maintenance_dialog.h"
#include "emulator/memory_firmware.h"
#include "link/memory_transport.h"
#include "service/service_counters_dialog.h"
#include "tests/app/wire_recorder.h"

using namespace tesmar;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

struct ServiceHarness : test::AppHarness {
  explicit ServiceHarness(emu::RegistrarOptions o = {}, emu::FaultPlan faults = {})
      : AppHarness(std::move(o), faults) {
    window->addWindows(service::ServiceWindows());
  }
  template <class T>
  T& Window() {
    return *window->find<T>();
  }
  emu::RegistrarState& Emu() { return registrar->registrar.state; }
  QString File(const QString& name) const { return QDir(dir.path()).filePath(name); }
};

QByteArray Slurp(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

std::string TapeText(const emu::Registrar& r) {
  std::string out;
  for (const std::string& l : r.Tape()) out += link::Cp1251ToUtf8(l) + "\n";
  return out;
}

}  // namespace

// --- maintenance ---------------------------------------------------------------

TEST(Maintenance, differingNewPasswordsSendNothingEvenWithAMessage) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::MaintenanceDialog>();
  d.show();
  d.message()->setPlainText("ТО");
  d.newPassword()->setText("123");
  d.repeatPassword()->setText("124");
  d.program();
  EXPECT_TRUE(rec.requests.empty());
  EXPECT_EQ(h.prompt.messages, QStringList{"Неверный пароль. Попробуйте ещё раз!"});
}

TEST(Maintenance, messageLinesGoOutFirstThenTheReminderWhichReadsBack) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::MaintenanceDialog>();
  d.show();
  d.message()->setPlainText("Вызвать мастера\n\nтел. 123");
  d.newPassword()->setText("555");
  d.repeatPassword()->setText("555");
  d.eventDate()->setDate(QDate(2027, 3, 5));
  d.days()->setText("7");
  for (int bit = 0; bit < 5; ++bit) d.maskBox(bit)->setChecked(true);
  d.program();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x34, "731942;0;Вызвать мастера;"), Req(0x34, "731942;1;тел. 123;"),
                      Req(0x35, ";555;050327;7;1F;")}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  EXPECT_EQ(h.Emu().reminderMessage.size(), 2u);

  // The fields are read back from the registrar.
  d.eventDate()->setDate(QDate(2026, 1, 1));
  d.days()->clear();
  for (int bit = 0; bit < 5; ++bit) d.maskBox(bit)->setChecked(false);
  d.read();
  EXPECT_EQ(d.eventDate()->date(), QDate(2027, 3, 5));
  EXPECT_EQ(d.days()->text(), "7");
  for (int bit = 0; bit < 5; ++bit) EXPECT_TRUE(d.maskBox(bit)->isChecked()) << bit;

  // Now protected: a wrong old password is refused under the step's title,
  // and an empty message sends no 34h.
  rec.requests.clear();
  h.prompt.messages.clear();
  d.message()->clear();
  d.oldPassword()->setText("999");
  d.program();
  ASSERT_EQ(rec.requests.size(), 1u);
  EXPECT_EQ(rec.requests[0].code, 0x35);
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(
      h.prompt.messages[0].startsWith("Установить информацию о сервисном обслуживании:\n  "));
}

TEST(Maintenance, maskBitsFollowTheBoxes) {
  EXPECT_EQ(service::ReminderMask({true, true, true, true, true}), 0x1F);
  EXPECT_EQ(service::ReminderMask({false, false, false, false, true}), 0x10);
  EXPECT_EQ(service::ReminderMask({true, false, false, false, false}), 0x01);
}

TEST(Maintenance, reportIsPrintedInsideANonFiscalReceipt) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::MaintenanceDialog>();
  d.report();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x60, "731942;"), Req(0x84, "731942;3;"), Req(0x65, "731942;0;")}));
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_NE(TapeText(h.registrar->registrar).find("НАПОМИНАНИЕ О ТО"), std::string::npos);
  EXPECT_EQ(h.Emu().document, emu::Document::kClosed);
}

TEST(Maintenance, aRefusedMessageLineStopsBeforeTheReminder) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::MaintenanceDialog>();
  d.show();
  d.message()->setPlainText(QString(60, 'x'));  // longer than a line the registrar takes
  d.program();
  ASSERT_EQ(rec.requests.size(), 1u);
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Добавить строку во временный буфер:\n  "));
  EXPECT_EQ(h.Emu().reminderDate, 0);
}

// --- service counters -----------------------------------------------------------

TEST(ServiceCounters, choosingACounterSetsTheButtonsAndTheValue) {
  ServiceHarness h;
  auto& d = h.Window<service::ServiceCountersDialog>();
  d.show();
  EXPECT_EQ(d.counters()->count(), 24);
  EXPECT_TRUE(d.readButton()->isEnabled());
  EXPECT_FALSE(d.setButton()->isEnabled());  // counter 0 is read only
  d.choose(4);
  EXPECT_FALSE(d.readButton()->isEnabled());
  EXPECT_TRUE(d.setButton()->isEnabled());
  d.choose(2);
  EXPECT_EQ(d.value()->text(), "0");
  EXPECT_TRUE(d.readButton()->isEnabled());
  d.choose(7);
  EXPECT_TRUE(d.value()->text().isEmpty());
}

TEST(ServiceCounters, readAndSetGoToTheRegistrarAndAnEmptyValueSendsZero) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::ServiceCountersDialog>();
  d.show();
  d.choose(16);
  d.value()->setText("1200");
  d.setCounter();
  d.value()->clear();
  d.readCounter();
  EXPECT_EQ(d.value()->text(), "1200");
  d.choose(9);
  d.value()->clear();
  d.setCounter();
  EXPECT_EQ(rec.requests, (Requests{Req(0x88, "731942;16;1200;"), Req(0x89, "731942;16;"),
                                    Req(0x88, "731942;9;0;")}));
  EXPECT_EQ(h.prompt.messages, (QStringList{"Успешно!", "Успешно!", "Успешно!"}));
}

TEST(ServiceCounters, refusalsAreTitledAndBadValuesAreNotSent) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::ServiceCountersDialog>();
  d.show();
  d.choose(16);
  d.value()->setText("100");  // below the registrar's MTU range
  d.setCounter();
  d.value()->setText("12x");
  d.setCounter();
  d.password()->setText("111111");
  d.readCounter();
  EXPECT_EQ(rec.requests.size(), 2u);
  ASSERT_EQ(h.prompt.messages.size(), 3);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Установка служебных счетчиков:\n  "));
  EXPECT_TRUE(h.prompt.messages[1].startsWith("В поле \"Значение:\""));
  EXPECT_EQ(h.prompt.messages[2], "Чтение служебных счетчиков:\n  Неверный пароль доступа!");
}

TEST(ServiceCounters, usbStorageModeLeavesTheProgramDisconnectedAndClosesTheWindow) {
  ServiceHarness h;
  h.Connect();
  ASSERT_TRUE(h.state.connected);
  auto& d = h.Window<service::ServiceCountersDialog>();
  d.show();
  d.choose(3);
  d.value()->setText("1");
  d.setCounter();
  EXPECT_EQ(h.prompt.messages.last(), "Успешно!");
  EXPECT_FALSE(h.driver.SerialActive());
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(h.window->serialConnect()->text(), "Подключить");
  EXPECT_FALSE(h.window->menu("Утилиты")->isEnabled());
  EXPECT_FALSE(h.window->statusButton()->isEnabled());
  EXPECT_TRUE(h.window->portList()->isEnabled());
  EXPECT_TRUE(h.window->statusText().isEmpty());
  EXPECT_TRUE(h.Emu().usbStorageMode);
}

// --- logo -------------------------------------------------------------------------

namespace {

// Writes `path` as a BMP3 file made by ImageMagick's convert from `args`;
// empty when convert failed.
QString Convert(const QString& path, QStringList args) {
  args << "BMP3:" + path;
  return QProcess::execute("convert", args) == 0 ? path : QString();
}

// A 20 x 5 picture: a light grey block at the top left, plus what `extra`
// draws, at the asked depth.
QString MakeBmp(const QString& path, const QStringList& extra, const QString& type) {
  return Convert(
      path,
      QStringList{"-size", "20x5", "xc:white", "-fill", "#D3D3D3", "-draw", "rectangle 0,0 3,1"}
          << extra << "-type" << type);
}

void ExpectLogo(const emu::LogoState& s, const std::set<std::pair<int, int>>& black) {
  ASSERT_EQ(s.logoWidth, 20);
  ASSERT_EQ(s.logoHeight, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 20; ++x)
      EXPECT_EQ(emu::LogoPixel(s, x, y), black.count({x, y}) == 1) << x << "," << y;
}

std::set<std::pair<int, int>> GreyBlock() {
  std::set<std::pair<int, int>> s;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) s.insert({x, y});
  return s;
}

}  // namespace

// Accepted replies with fewer fields than the window reads fill nothing
// from the record's older fields and say the data are wrong.
TEST(ShortReplies, maintenanceAndCountersSayTheDataAreWrong) {
  ServiceHarness h;
  h.Connect();
  test::AttachCrafted(h, {{0x36, {"311226;5;"}}, {0x89, {""}}});
  auto& m = h.Window<service::MaintenanceDialog>();
  m.show();
  h.prompt.messages.clear();
  m.read();
  EXPECT_EQ(h.prompt.messages, QStringList{app::kWrongReplyData});
  EXPECT_EQ(m.days()->text(), "0");
  auto& c = h.Window<service::ServiceCountersDialog>();
  c.show();
  c.choose(2);
  h.prompt.messages.clear();
  c.readCounter();
  EXPECT_EQ(h.prompt.messages, QStringList{app::kWrongReplyData});
  EXPECT_EQ(c.value()->text(), "0");  // not the maintenance reply's first field
}

TEST(Logo, activationShowsTheRegistrarsMaximumSizes) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::LogoDialog>();
  d.show();
  EXPECT_EQ(rec.requests, Requests{Req(0x80, "731942;")});
  EXPECT_EQ(d.maxWidth()->text(), "384");
  EXPECT_EQ(d.maxHeight()->text(), "96");
  EXPECT_FALSE(d.programButton()->isEnabled());
}

TEST(Logo, bmpFilesOfOneFourAndTwentyFourBitsReachTheStoreBitForBit) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::LogoDialog>();
  d.show();
  struct Case {
    const char* name;
    QStringList extra;
    QString type;
    std::set<std::pair<int, int>> black;
  };
  auto four = GreyBlock(), nearWhite = GreyBlock();
  four.insert({10, 3});
  four.insert({19, 4});
  nearWhite.insert({10, 3});  // FFFFFE is not pure white
  const Case cases[] = {
      {"one.bmp", {}, "Palette", GreyBlock()},
      {"four.bmp",
       {"-fill", "red", "-draw", "point 10,3", "-fill", "black", "-draw", "point 19,4"},
       "Palette",
       four},
      {"true.bmp", {"-fill", "#FFFFFE", "-draw", "point 10,3"}, "TrueColor", nearWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    h.prompt.file = MakeBmp(h.File(c.name), c.extra, c.type);
    ASSERT_FALSE(h.prompt.file.isEmpty()) << "ImageMagick convert failed";
    h.prompt.messages.clear();
    rec.requests.clear();
    d.open();
    EXPECT_EQ(d.pictureWidth()->text(), "20");
    EXPECT_EQ(d.uploadHeight()->text(), "5");
    d.program();
    EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
    // 5 rows of 3 bytes: one line, then 31h with the size.
    ASSERT_EQ(rec.requests.size(), 2u);
    EXPECT_EQ(rec.requests[1], Req(0x31, "731942;20;5;"));
    ExpectLogo(h.Emu(), c.black);
    EXPECT_EQ(d.progress()->value(), 0);
  }
}

TEST(Logo, theUploadAreaIsCutAndARefusedLineStopsTheUpload) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::LogoDialog>();
  d.show();
  h.prompt.file = MakeBmp(h.File("cut.bmp"), {}, "Palette");
  d.open();
  d.uploadWidth()->setText("3");
  d.uploadHeight()->setText("1");
  rec.requests.clear();
  d.program();
  EXPECT_EQ(rec.requests, (Requests{Req(0x29, ("731942;0;E0" + std::string(46, '0') + ";").c_str()),
                                    Req(0x31, "731942;3;1;")}));
  // Beyond the picture there are no pixels to send.
  h.prompt.messages.clear();
  d.uploadWidth()->setText("21");
  d.program();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("В поле \"Размер для загрузки (по X):\""));
  h.prompt.messages.clear();
  d.uploadWidth()->setText("20");
  d.password()->setText("111111");
  rec.requests.clear();
  d.program();
  EXPECT_EQ(rec.requests.size(), 1u);
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка записи логотипа"});
  // A file that is no picture is said so and changes nothing.
  h.prompt.messages.clear();
  QFile junk(h.File("junk.bmp"));
  junk.open(QIODevice::WriteOnly);
  junk.write("not a bitmap");
  junk.close();
  h.prompt.file = junk.fileName();
  d.open();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  // ... and the picture loaded before is gone: nothing left to program.
  EXPECT_TRUE(d.pictureWidth()->text().isEmpty());
  EXPECT_FALSE(d.programButton()->isEnabled());
}

namespace {

QByteArray Cut(const QByteArray& bytes, int drop) {
  return bytes.left(bytes.size() - drop);
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}

// A picture of `size` pixels with a black dot at 1,0.
QString MakePicture(const QString& path, const QString& size, const QStringList& options = {}) {
  return Convert(
      path,
      QStringList{"-size", size, "xc:white", "-fill", "black", "-draw", "point 1,0"} << options);
}

}  // namespace

TEST(Logo, aCutOrBrokenBmpIsRefusedByNameAndClearsTheLoadedPicture) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::LogoDialog>();
  d.show();
  const QString plain = MakeBmp(h.File("plain.bmp"), {}, "TrueColor");
  const QString rle =
      MakePicture(h.File("rle.bmp"), "20x5",
                  {"-fill", "red", "-draw", "point 10,3", "-type", "Palette", "-compress", "RLE"});
  ASSERT_FALSE(plain.isEmpty() || rle.isEmpty()) << "ImageMagick convert failed";
  QByteArray broken = Slurp(rle);
  const int body = broken.size() - 30;  // the run-length body is the last 30 bytes
  ASSERT_EQ(broken.at(body), '\x14');   // a run of the whole first row
  broken[body] = '\x15';
  struct Case {
    QString path, message;
  };
  const QString damaged = " поврежден: ";
  const Case cases[] = {
      {WriteFile(h.File("cut.bmp"), Cut(Slurp(plain), 10)),
       "данных рисунка в нём меньше, чем указано в его заголовке. Рисунок не загружен!"},
      {WriteFile(h.File("cut-rle.bmp"), Cut(Slurp(rle), 6)),
       "данных рисунка в нём меньше, чем указано в его заголовке. Рисунок не загружен!"},
      {WriteFile(h.File("broken-rle.bmp"), broken),
       "сжатые данные рисунка выходят за его края. Рисунок не загружен!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    h.prompt.file = rle;  // a whole run-length picture loads
    h.prompt.messages.clear();
    d.open();
    EXPECT_TRUE(h.prompt.messages.isEmpty());
    EXPECT_EQ(d.pictureWidth()->text(), "20");
    EXPECT_TRUE(d.programButton()->isEnabled());
    h.prompt.file = c.path;
    d.open();
    EXPECT_EQ(h.prompt.messages, QStringList{"Файл " + c.path + damaged + c.message});
    EXPECT_TRUE(d.pictureWidth()->text().isEmpty());
    EXPECT_TRUE(d.uploadWidth()->text().isEmpty());
    EXPECT_FALSE(d.programButton()->isEnabled());
    rec.requests.clear();
    d.program();
    EXPECT_TRUE(rec.requests.empty());
  }
}

TEST(Logo, aSizeTheRegistrarRefusesIsReportedNotSuccess) {
  ServiceHarness h;
  auto& d = h.Window<service::LogoDialog>();
  h.prompt.file = MakePicture(h.File("wide.bmp"), "400x1");
  ASSERT_FALSE(h.prompt.file.isEmpty()) << "ImageMagick convert failed";
  // Shown before the connect: the registrar's maximum stays unknown.
  d.show();
  auto& rec = test::ConnectRecorded(h);
  d.open();
  EXPECT_EQ(d.uploadWidth()->text(), "0");
  d.uploadWidth()->setText("400");
  d.uploadHeight()->setText("1");
  d.program();
  ASSERT_EQ(rec.requests.size(), 4u);  // 50 bytes: three lines, then 31h
  EXPECT_EQ(rec.requests[3], Req(0x31, "731942;400;1;"));
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Ошибка записи логотипа:\n  "))
      << h.prompt.messages[0].toStdString();
  EXPECT_EQ(h.Emu().logoWidth, 0);

  // With the maximum known, a width over it is refused before any line.
  d.activate();
  EXPECT_EQ(d.maxWidth()->text(), "384");
  rec.requests.clear();
  h.prompt.messages.clear();
  d.uploadWidth()->setText("385");
  d.program();
  EXPECT_TRUE(rec.requests.empty());
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("В поле \"Размер для загрузки (по X):\""));
  d.uploadWidth()->setText("384");
  h.prompt.messages.clear();
  d.program();
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  EXPECT_EQ(h.Emu().logoWidth, 384);
}

TEST(Logo, aDiagnosticReplyWithoutTheSizeFieldsSaysTheDataAreWrong) {
  ServiceHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::LogoDialog>();
  d.show();
  EXPECT_EQ(d.maxWidth()->text(), "384");
  // The same registrar, now answering 80h with three fields only.
  h.driver.CloseSerialLink();
  h.driver.AttachSerialLink(
      std::make_unique<link::MemoryTransport>([](const std::vector<uint8_t>& request) {
        return test::Reply(test::SeqOf(request), 0x80, "MODEL;1.00;01.01.2026;");
      }));
  d.activate();
  EXPECT_EQ(h.prompt.messages, QStringList{app::kWrongReplyData});
  EXPECT_TRUE(d.maxWidth()->text().isEmpty());
  EXPECT_TRUE(d.maxHeight()->text().isEmpty());
}

// --- fiscal memory ----------------------------------------------------------------

TEST(FiscalMemory, readWriteAndClearThroughTheWindow) {
  emu::RegistrarOptions o;
  o.flashSize = 8192;
  ServiceHarness h(o);
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::FiscalMemoryDialog>();
  d.show();
  EXPECT_FALSE(d.readButton()->isEnabled());
  d.start()->setText("0");
  d.count()->setText("8192");
  EXPECT_TRUE(d.readButton()->isEnabled());
  h.prompt.file = h.File("image");
  d.readFlash();
  EXPECT_EQ(h.prompt.messages.last(), "Успешно. Чтение данных завершено.");
  const QByteArray image = Slurp(h.File("image.bin"));  // the default extension
  EXPECT_EQ(image.toStdString(), h.Emu().flash);
  // The short last chunk ends the loop before the address moves on.
  EXPECT_EQ(d.currentAddress()->text(), "8150");
  EXPECT_EQ(d.gauge()->value(), 99);
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_EQ(d.statusBytes()->text().size(), 17);

  d.clearFlash();
  EXPECT_EQ(h.prompt.messages.last(), "Успешно!");
  EXPECT_EQ(h.Emu().flash, std::string(8192, '\xFF'));

  // The write takes its range from the file name.
  QFile part(h.File("dump_100_200.bin"));
  part.open(QIODevice::WriteOnly);
  part.write(image.mid(100, 200));
  part.close();
  h.prompt.file = part.fileName();
  rec.requests.clear();
  d.writeFlash();
  EXPECT_EQ(d.start()->text(), "100");
  EXPECT_EQ(d.count()->text(), "200");
  EXPECT_EQ(h.prompt.messages.last(), "Успешно. Запись данных завершена.");
  EXPECT_EQ(rec.requests.size(), 4u);
  EXPECT_EQ(h.Emu().flash.substr(100, 200), image.mid(100, 200).toStdString());
  EXPECT_EQ(h.Emu().flash.substr(0, 100), std::string(100, '\xFF'));
}

TEST(FiscalMemory, cancelledChoicesAndBadFieldsSendNothing) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::FiscalMemoryDialog>();
  d.show();
  d.count()->setText("10");
  d.start()->setText("1x");
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка! Только десятичные цифры!"});
  d.start()->setText("0");
  d.count()->setText("10");
  h.prompt.file = h.File("x.bin");
  h.prompt.yes = false;
  h.prompt.messages.clear();
  d.readFlash();
  d.writeFlash();
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Данные будут записаны в выбранный файл. Продолжать?",
                         "Чтение данных из флеш-памяти отменено!",
                         "Данные будут записаны в флеш-память регистратора. Продолжать?",
                         "Запись данных в флеш-память отменена!"}));
  h.prompt.yes = true;
  h.prompt.file.clear();
  d.readFlash();  // the file dialog cancelled: silence
  d.start()->clear();
  h.prompt.file = h.File("plain.bin");
  h.prompt.messages.clear();
  d.writeFlash();
  EXPECT_EQ(h.prompt.messages.last(), "Не установлены границы для записи. Чтение остановлено!");
  EXPECT_TRUE(rec.requests.empty());
  EXPECT_FALSE(QFile::exists(h.File("x.bin")));
}

TEST(FiscalMemory, aRefusedReadCountsItsRetries) {
  ServiceHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::FiscalMemoryDialog>();
  d.show();
  d.start()->setText("0");
  d.count()->setText("100");
  d.retries()->setText("3");
  d.password()->setText("111111");
  h.prompt.file = h.File("r.bin");
  d.readFlash();
  EXPECT_EQ(d.retriesSoFar()->text(), "3");
  EXPECT_TRUE(h.prompt.messages.last().startsWith(
      "Ошибка чтения данных из флеш-памяти. \nЧтение данных остановлено. ErrCode="));
}

TEST(FiscalMemory, theTitleBarsCloseAndEscapeStopARunningReadAndTheWindowStays) {
  emu::RegistrarOptions o;
  o.flashSize = 8192;
  ServiceHarness h(o);
  test::ConnectRecorded(h);
  auto& d = h.Window<service::FiscalMemoryDialog>();
  d.show();
  d.start()->setText("0");
  d.count()->setText("8192");
  h.prompt.file = h.File("closed.bin");
  // Delivered between the first chunks, as a click on the title bar would be.
  QTimer::singleShot(0, &d, [&] { d.close(); });
  d.readFlash();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(h.prompt.messages.last(),
            "Чтение данных остановлено пользователем.\nСохранено байтов: 50 в файле " +
                h.File("closed.bin.part") + ".");
  QCoreApplication::postEvent(&d, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  h.prompt.file = h.File("escaped.bin");
  d.readFlash();
  EXPECT_TRUE(d.isVisible());
  EXPECT_TRUE(h.prompt.messages.last().startsWith("Чтение данных остановлено пользователем."));
  EXPECT_FALSE(QFile::exists(h.File("escaped.bin")));
  d.close();  // idle: it closes
  EXPECT_FALSE(d.isVisible());
}

TEST(FiscalMemory, clearingAsksFirstAndBadFilesAreRefusedBeforeAnythingIsSent) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::FiscalMemoryDialog>();
  d.show();
  h.prompt.yes = false;
  d.clearFlash();
  EXPECT_EQ(h.prompt.questions, QStringList{"Флеш-память регистратора будет обнулена. Продолжать?"});
  EXPECT_EQ(h.prompt.messages, QStringList{"Обнуление флеш-памяти отменено!"});
  h.prompt.yes = true;

  // A range in the name wider than the fields is refused, not cut.
  QFile wide(h.File("dump_12345678901_5.bin"));
  wide.open(QIODevice::WriteOnly);
  wide.write("12345");
  wide.close();
  d.start()->setText("7");
  d.count()->setText("5");
  h.prompt.file = wide.fileName();
  h.prompt.messages.clear();
  d.writeFlash();
  EXPECT_EQ(h.prompt.messages.last(),
            "Ошибка! Адрес и количество в имени файла не помещаются в поля (не более 10 и 9 "
            "цифр): dump_12345678901_5.bin");
  EXPECT_EQ(d.start()->text(), "7");

  // A folder to write from, a folder that is not there to read into.
  QDir(h.dir.path()).mkdir("folder");
  h.prompt.file = h.File("folder");
  d.writeFlash();
  EXPECT_EQ(h.prompt.messages.last(),
            "Ошибка чтения файла: " + h.File("folder") + ": Is a directory");
  h.prompt.file = h.File("missing/x.bin");
  d.readFlash();
  EXPECT_EQ(h.prompt.messages.last(),
            "Ошибка записи файла: " + h.File("missing/x.bin") + ": No such file or directory");
  d.start()->setText("9999999999");
  d.count()->setText("2");
  h.prompt.file = h.File("end.bin");
  d.readFlash();
  EXPECT_EQ(h.prompt.messages.last(), "Ошибка! Адрес последнего байта больше 9999999999!");
  EXPECT_TRUE(rec.requests.empty());
}

// --- firmware -----------------------------------------------------------------------

TEST(FirmwareRead, theSavedFileIsTheRegistrarsImage) {
  ServiceHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::FirmwareReadDialog>();
  h.prompt.file = h.File("fw");
  d.readFirmware();
  EXPECT_EQ(h.prompt.messages, QStringList{"Чтение внутреннего ПО - успешно!"});
  EXPECT_EQ(Slurp(h.File("fw.HEX")).toStdString(), emu::FirmwareImage());
  EXPECT_EQ(rec.requests.front(), Req(0xE7, "731942;5;;;"));
  EXPECT_EQ(d.progress()->maximum(), static_cast<int>(emu::FirmwareImage().size()));
  EXPECT_EQ(d.errorCode()->text(), "0000");
  d.password()->setText("111111");
  h.prompt.messages.clear();
  d.readFirmware();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("SetDataSource ошибка:\n  "));
}

TEST(FirmwareRead, escapeAndTheTitleBarsCloseStopARunningReadAndTheWindowStays) {
  ServiceHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::FirmwareReadDialog>();
  d.show();
  h.prompt.file = h.File("fw.HEX");
  QCoreApplication::postEvent(&d, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  d.readFirmware();
  EXPECT_TRUE(d.isVisible());
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Чтение остановлено по запросу пользователя!\n"));
  EXPECT_FALSE(QFile::exists(h.File("fw.HEX")));
  QTimer::singleShot(0, &d, [&] { d.close(); });
  d.readFirmware();
  EXPECT_TRUE(d.isVisible());
  EXPECT_TRUE(h.prompt.messages.last().startsWith("Чтение остановлено по запросу пользователя!"));
  QCoreApplication::postEvent(&d, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  QCoreApplication::processEvents();  // idle: Escape closes it as before
  EXPECT_FALSE(d.isVisible());
}

TEST(Logo, aSilentRegistrarOnActivationLeavesTheSizesEmptyAndTheUploadRefused) {
  emu::FaultPlan silent;
  silent.silence = 1.0;
  ServiceHarness h({}, silent);
  std::string error;
  auto port = link::SerialPort::Open(h.registrar->Path().toStdString(), 9600, &error);
  ASSERT_TRUE(port) << error;
  h.driver.AttachSerialLink(std::move(port));
  h.driver.SetRetryCount(0);  // one silent exchange is enough
  auto& d = h.Window<service::LogoDialog>();
  d.show();
  EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка! Таймаут устройства!"});
  EXPECT_TRUE(d.maxWidth()->text().isEmpty());
  h.prompt.file = MakeBmp(h.File("s.bmp"), {}, "Palette");
  d.open();
  EXPECT_EQ(d.uploadWidth()->text(), "0");  // the empty maximum reads as 0
  h.prompt.messages.clear();
  d.program();
  ASSERT_EQ(h.prompt.messages.size(), 1);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("В поле \"Размер для загрузки (по X):\""));
}
