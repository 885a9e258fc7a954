// The network windows against the software registrar: what each sends, what
// it shows, and what each failure says.
#include "service/network_windows.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "service/acquirer_link_dialog.h"
#include "tests/app/crafted_link.h"
#include "link/formatters.h"
#include "service/id_dev_dialog.h"
#include "service/last_acquirer_session_dialog.h"
#include "service/modem_report_dialog.h"
#include "service/modem_state_dialog.h"
#include "emulator/printing.h"
#include "tests/support/unreadable_file.h"
#include "service/remote_access_dialog.h"
#include "service/wifi_dialog.h"
#include "tests/app/wire_recorder.h"

using namespace tesmar;
using test::Req;
using Requests = std::vector<test::Request>;

namespace {

const QString kWrongPassword = "Неверный пароль доступа!";

struct NetHarness : test::AppHarness {
  explicit NetHarness(emu::RegistrarOptions o = {}, emu::FaultPlan f = {})
      : AppHarness(std::move(o), f) {
    window->addWindows(service::NetworkWindows());
  }
  template <class T>
  T& Window() {
    return *window->find<T>();
  }
  emu::RegistrarState& Emu() { return registrar->registrar.state; }
  bool Printed(const std::string& utf8) const {
    for (const std::string& l : registrar->registrar.Tape())
      if (link::Cp1251ToUtf8(l).find(utf8) != std::string::npos) return true;
    return false;
  }
};

emu::RegistrarOptions Model(const char* model) {
  emu::RegistrarOptions o;
  o.model = model;
  return o;
}

// A registrar that executes every command and never answers: the link is
// opened without the identification a connect would need.
struct SilentHarness : NetHarness {
  explicit SilentHarness(emu::FaultPlan f = Silence()) : NetHarness({}, f) {
    if (driver.OpenSerialLink(registrar->Path().toStdString(), 9600) < 0)
      throw std::runtime_error("no link");
    driver.SetRetryCount(0);
    prompt.messages.clear();
  }
  static emu::FaultPlan Silence() {
    emu::FaultPlan f;
    f.silence = 1.0;
    return f;
  }
};

void SetLink(service::NetworkFields& f, const service::LinkTexts& t) {
  f.show(t);
}

const service::LinkTexts kLink{
    true, "192.168.1.20", "255.255.255.0", "192.168.1.1", "10.0.0.1", "8080", "15", "45"};

}  // namespace

// --- remote access ------------------------------------------------------------

TEST(RemoteAccess, readShowsTheModemsSettingsDottedAndDecimal) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  h.Emu().link.dhcp = true;
  h.Emu().remoteServer = 0x0A000001;
  h.Emu().remotePort = 8080;
  auto& d = h.Window<service::RemoteAccessDialog>();
  d.readSettings();
  EXPECT_EQ(rec.requests, (Requests{Req(0xD1, "731942;")}));
  const service::LinkTexts shown = d.fields().texts();
  EXPECT_EQ(shown, (service::LinkTexts{true, "192.168.0.100", "255.255.255.0", "192.168.0.1",
                                       "10.0.0.1", "8080", "60", "30"}));
  EXPECT_TRUE(d.fields().ip->isReadOnly());
  EXPECT_FALSE(d.fields().server->isReadOnly());
  EXPECT_EQ(d.fields().server->maxLength(), 15);
  EXPECT_EQ(d.fields().port->maxLength(), 5);
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(RemoteAccess, setSendsTheServerAndPortEncodedAndSaysSuccess) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::RemoteAccessDialog>();
  const std::pair<const char*, const char*> ports[] = {
      {"8080", "901F"}, {"80", "5000"}, {"65535", "FFFF"}};
  for (auto [port, wire] : ports) {
    rec.requests.clear();
    h.prompt.messages.clear();
    d.fields().server->setText("10.0.0.1");
    d.fields().port->setText(port);
    d.setSettings();
    EXPECT_EQ(rec.requests,
              (Requests{Req(0xD0, (std::string("731942;0A000001;") + wire + ";").c_str())}));
    EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  }
  EXPECT_EQ(h.Emu().remoteServer, 0x0A000001u);
  EXPECT_EQ(h.Emu().remotePort, 65535);
  EXPECT_EQ(d.errorCode()->text(), "0000");
}

TEST(RemoteAccess, aBadAddressOrPortIsRefusedAndNothingIsSent) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::RemoteAccessDialog>();
  d.fields().port->setText("8080");
  for (const char* bad : {"192.168.0.256", "192.168.0", "10.0.0.1.1", "", "a.b.c.d"}) {
    d.fields().server->setText(bad);
    d.setSettings();
  }
  d.fields().server->setText("10.0.0.1");
  for (const char* bad : {"65536", "", "-1", "80x"}) {
    d.fields().port->setText(bad);
    d.setSettings();
  }
  EXPECT_TRUE(rec.requests.empty());
  QStringList expected;
  for (int i = 0; i < 5; ++i) expected << "Некорректный IP-адрес. Ошибка!";
  for (int i = 0; i < 4; ++i) expected << "Некорректный номер порта. Ошибка!";
  EXPECT_EQ(h.prompt.messages, expected);
  EXPECT_EQ(h.Emu().remoteServer, 0u);
}

TEST(RemoteAccess, refusalsAreShownUnderEachStepsTitle) {
  NetHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::RemoteAccessDialog>();
  d.password()->setText("111111");
  d.readSettings();
  d.fields().server->setText("10.0.0.1");
  d.fields().port->setText("80");
  d.setSettings();
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Проверка состояния удаленного доступа :\n  " + kWrongPassword,
                         "Проверка состояния регистратора:\n  " + kWrongPassword}));
  EXPECT_NE(d.errorCode()->text(), "0000");
}

TEST(RemoteAccess, noAnswerSaysTimeout) {
  SilentHarness h;
  service::RemoteAccessDialog d(h.ctx, h.window->statusDialog());
  d.readSettings();
  d.fields().server->setText("10.0.0.1");
  d.fields().port->setText("80");
  d.setSettings();
  EXPECT_EQ(h.prompt.messages, (QStringList{"Ошибка выполнения команды. Таймаут",
                                            "Ошибка выполнения команды. Таймаут"}));
}

TEST(NetworkFields, aReplyOutsideTheEncodingStopsFillingAtTheBadField) {
  NetHarness h;
  service::RemoteAccessDialog d(h.ctx, h.window->statusDialog());
  d.fields().show({false, "1.1.1.1", "2.2.2.2", "3.3.3.3", "4.4.4.4", "5", "6", "7"});
  link::ReplyRecord r;
  r.SetFields("1;0A000001;FFFFFF00;0A0000ZZ;0A000002;901F;3C00;1E00;");
  r.fieldCount = 8;
  EXPECT_FALSE(d.fields().fill(r, h.prompt));
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Информация переданная регистратором неверна. Чтение данных остановлено."});
  EXPECT_EQ(d.fields().texts(), (service::LinkTexts{true, "10.0.0.1", "255.255.255.0", "3.3.3.3",
                                                    "4.4.4.4", "5", "6", "7"}));
  // A reply that stops short is as wrong as a bad digit.
  r.SetFields("0;0A000001;");
  r.fieldCount = 2;
  EXPECT_FALSE(d.fields().fill(r, h.prompt));
  EXPECT_EQ(h.prompt.messages.size(), 2);
}

// --- acquirer link -------------------------------------------------------------

TEST(AcquirerLink, setSendsEveryFieldEncodedAndReadBringsThemBack) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  SetLink(d.fields(), kLink);
  d.setSettings();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0xFB, "731942;1;C0A80114;FFFFFF00;C0A80101;0A000001;901F;0F00;2D00;")}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  d.fields().show({});
  d.readSettings();
  EXPECT_EQ(rec.requests.back(), Req(0xFA, "731942;"));
  EXPECT_EQ(d.fields().texts(), kLink);
  EXPECT_EQ(h.prompt.messages.size(), 1);
}

TEST(AcquirerLink, eachBadFieldHasItsMessageAndNothingIsSent) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  auto attempt = [&](auto change) {
    SetLink(d.fields(), kLink);
    service::LinkTexts t = kLink;
    change(t);
    d.fields().show(t);
    d.setSettings();
  };
  attempt([](service::LinkTexts& t) { t.mask = "255.255.255"; });
  attempt([](service::LinkTexts& t) { t.server = "10.0.0.300"; });
  attempt([](service::LinkTexts& t) { t.port = "65536"; });
  attempt([](service::LinkTexts& t) { t.period = "99999"; });
  attempt([](service::LinkTexts& t) { t.retry = "70000"; });
  EXPECT_TRUE(rec.requests.empty());
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Некорректный IP-адрес. Ошибка!", "Некорректный IP-адрес. Ошибка!",
                         "Некорректный номер порта. Ошибка!",
                         "Некорректная величина параметра Периодичность связи. Ошибка!",
                         "Некорректная величина параметра Повторной попытки. Ошибка!"}));
}

TEST(AcquirerLink, refusalsOfReadAndSetAreShownUnderTheirTitles) {
  NetHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  SetLink(d.fields(), kLink);
  d.password()->setText("111111");
  d.readSettings();
  d.setSettings();
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Проверка состояния удаленного доступа :\n  " + kWrongPassword,
                         "Проверка состояния регистратора:\n  " + kWrongPassword}));
  EXPECT_EQ(d.fields().texts(), kLink);
  EXPECT_EQ(h.Emu().link.port, 0);
}

TEST(AcquirerLink, settingsArePrintedInsideAServiceDocument) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  d.printSettings();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x60, "731942;"), Req(0xA6, "731942;3;;;"), Req(0x65, "731942;0;")}));
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  EXPECT_TRUE(h.Printed("НАЛАШТУВАННЯ МЕРЕЖІ"));
  EXPECT_EQ(h.driver.Record().status[2] & 0x0F, 0);  // the document is closed
  // A refused opening stops there.
  rec.requests.clear();
  h.prompt.messages.clear();
  d.password()->setText("111111");
  d.printSettings();
  EXPECT_EQ(rec.requests.size(), 1u);
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Проверка состояния регистратора:\n  " + kWrongPassword});
}

namespace {
// The registrar's document state (0: none open).
int DocumentState(NetHarness& h) {
  return link::Identify(h.driver, "731942").status[2] & 0x0F;
}
}  // namespace

TEST(AcquirerLink, aFailedPrintNeverLeavesTheServiceDocumentOpen) {
  {
    NetHarness h;  // the report refused
    h.Connect();
    test::AttachCrafted(h, {{0xA6, {"", "0107"}}});
    h.prompt.messages.clear();
    h.Window<service::AcquirerLinkDialog>().printSettings();
    EXPECT_EQ(h.registrar->registrar.Executed(0x65), 1);
    EXPECT_EQ(DocumentState(h), 0);
    ASSERT_EQ(h.prompt.messages.size(), 1);
    EXPECT_TRUE(h.prompt.messages[0].startsWith("Проверка состояния регистратора:\n  "));
  }
  NetHarness h;  // the opening ran, but its answer came damaged
  h.Connect();
  test::AttachCrafted(h, {{0x60, {"", "", true}}});
  h.prompt.messages.clear();
  h.Window<service::AcquirerLinkDialog>().printSettings();
  EXPECT_EQ(h.registrar->registrar.Executed(0xA6), 0);
  EXPECT_EQ(h.registrar->registrar.Executed(0x65), 1);
  EXPECT_EQ(DocumentState(h), 0);
  EXPECT_FALSE(h.prompt.messages.contains("Успешно!"));
}

TEST(AcquirerLink, savedSettingsLoadBackTheSameAndSetTheSame) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  const QString file = QDir(h.dir.path()).filePath("link.txt");
  h.prompt.file = file;
  SetLink(d.fields(), kLink);
  d.saveToFile();
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "1\n192.168.1.20\n255.255.255.0\n192.168.1.1\n10.0.0.1\n8080\n15\n45\n");
  d.setSettings();
  d.fields().show({});
  d.loadFromFile();
  EXPECT_EQ(d.fields().texts(), kLink);
  d.setSettings();
  ASSERT_EQ(rec.requests.size(), 2u);
  EXPECT_EQ(rec.requests[0], rec.requests[1]);
  // What the registrar reads back is what the file held.
  d.fields().show({});
  d.readSettings();
  EXPECT_EQ(d.fields().texts(), kLink);
}

TEST(AcquirerLink, noFileABadFileOrBadFieldsChangeNothing) {
  NetHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  SetLink(d.fields(), kLink);
  h.prompt.file.clear();
  d.loadFromFile();
  d.saveToFile();
  const QString bad = QDir(h.dir.path()).filePath("bad.txt");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("1\n1.2.3.4\n");
  f.close();
  h.prompt.file = bad;
  d.loadFromFile();
  const QString missing = QDir(h.dir.path()).filePath("none.txt");
  h.prompt.file = missing;
  d.loadFromFile();
  EXPECT_EQ(d.fields().texts(), kLink);
  // Fields that could not be set are not saved either.
  d.fields().port->setText("65536");
  d.saveToFile();
  EXPECT_FALSE(QFile::exists(missing));
  ASSERT_EQ(h.prompt.messages.size(), 5);
  EXPECT_EQ(h.prompt.messages[0], "Файл не выбран. Ошибка.");
  EXPECT_EQ(h.prompt.messages[1], "Файл не выбран. Ошибка.");
  EXPECT_EQ(h.prompt.messages[2], service::kBadSettingsFile);
  EXPECT_TRUE(h.prompt.messages[3].startsWith("Не удалось открыть файл "));
  EXPECT_EQ(h.prompt.messages[4], "Некорректный номер порта. Ошибка!");
}

TEST(AcquirerLink, aFileThatCannotBeReadIsReportedAsSuchAndChangesNothing) {
  NetHarness h;
  test::ConnectRecorded(h);
  auto& d = h.Window<service::AcquirerLinkDialog>();
  SetLink(d.fields(), kLink);
  h.prompt.file = test::UnreadableFile();
  d.loadFromFile();
  EXPECT_EQ(h.prompt.messages,
            QStringList{"Не удалось прочитать файл /proc/self/mem: " +
                        QString::fromStdString(test::UnreadableFileReason())});
  EXPECT_EQ(d.fields().texts(), kLink);
}

// --- ID_DEV ---------------------------------------------------------------------

TEST(IdDev, setThenReadFromEitherPlaceShowsDecimalAndHex) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::IdDevDialog>();
  d.idDev()->setText("305419896");
  d.setIdDev();
  d.readIdDev();
  EXPECT_EQ(d.idDev()->text(), "305419896");
  EXPECT_EQ(d.hexLabel()->text(), "Значение ID_DEV (Hex): 12345678");
  d.fromCard()->setChecked(true);
  d.readIdDev();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0x4B, "731942;305419896;"), Req(0x4C, "731942;"), Req(0x4D, "731942;")}));
  EXPECT_EQ(h.prompt.messages, (QStringList{"Успешно!", "Успешно!", "Успешно!"}));
  EXPECT_EQ(h.Emu().idDevMemory, 305419896);
}

TEST(IdDev, emptyRefusedOrUnsetAreEachSaid) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::IdDevDialog>();
  d.setIdDev();
  EXPECT_TRUE(rec.requests.empty());
  d.idDev()->setText("abc");
  d.setIdDev();
  // Nothing written yet: the read clears the window and says why.
  d.hexLabel()->setText("Значение ID_DEV (Hex): 0000");
  d.readIdDev();
  EXPECT_EQ(d.idDev()->text(), "");
  EXPECT_EQ(d.hexLabel()->text(), "Значение ID_DEV (Hex): ");
  ASSERT_EQ(h.prompt.messages.size(), 3);
  EXPECT_EQ(h.prompt.messages[0], "Не введён ID_DEV. Ошибка!");
  EXPECT_TRUE(h.prompt.messages[1].startsWith("Проверка состояния регистратора:\n  "));
  EXPECT_TRUE(h.prompt.messages[2].startsWith("Чтение ID_DEV, код ошибки:\n  "));
  EXPECT_NE(d.errorCode()->text(), "0000");
}

TEST(IdDev, noAnswerSaysWhichCommandTimedOut) {
  SilentHarness h;
  service::IdDevDialog d(h.ctx, h.window->statusDialog());
  d.idDev()->setText("1");
  d.setIdDev();
  d.readIdDev();
  EXPECT_EQ(h.prompt.messages, (QStringList{"Ошибка выполнения команды установка ID_DEV. Таймаут",
                                            "Ошибка выполнения команды. Таймаут"}));
}

// --- the modem ------------------------------------------------------------------

TEST(ModemWindows, theModelChoosesTheWindowAndTheItems) {
  {
    NetHarness h;
    h.Connect();
    EXPECT_EQ(h.window->windowFor("Состояние модема"), &h.Window<service::ModemStateDialog>());
    EXPECT_TRUE(h.window->menuItem("Параметры связи с эквайером")->isVisible());
    EXPECT_FALSE(h.window->menuItem("Параметры настройки WiFi")->isEnabled());
  }
  for (const char* model : {"Tesmar 3141", "Tesmar CMP-10"}) {
    NetHarness h(Model(model));
    h.Connect();
    EXPECT_EQ(h.window->windowFor("Состояние модема"), &h.Window<service::ModemReportDialog>())
        << model;
    EXPECT_FALSE(h.window->menuItem("Параметры связи с эквайером")->isVisible()) << model;
    EXPECT_FALSE(h.window->menuItem("Установить и прочитать ID_DEV")->isVisible()) << model;
  }
  NetHarness h(Model("Tesmar CMP-10M"));
  h.Connect();
  EXPECT_EQ(h.window->windowFor("Состояние модема"), &h.Window<service::ModemStateDialog>());
  NetHarness w(Model("Tesmar WF-101"));
  w.Connect();
  EXPECT_TRUE(w.window->menuItem("Параметры настройки WiFi")->isEnabled());
}

TEST(ModemReport, showsTheNumberTheDatesWithSeparatorsAndTheCount) {
  NetHarness h(Model("Tesmar 3141"));
  auto& rec = test::ConnectRecorded(h);
  const long long first = h.registrar->registrar.Now() - 3600;
  h.Emu().modem.unsent = 4;
  h.Emu().modem.firstUnsentAt = first;
  h.Emu().modem.personalisedAt = first - 86400;
  h.Emu().idDevCard = 305419896;
  auto& d = h.Window<service::ModemReportDialog>();
  d.show();
  EXPECT_EQ(d.windowTitle(), "Состояние модема для Tesmar 3141");
  d.hide();
  d.getReport();
  EXPECT_EQ(rec.requests, (Requests{Req(0xEA, "731942;")}));
  auto shown = [](long long t) {
    const int date = emu::LocalDate(t), hm = emu::LocalTime(t);
    return QString::asprintf("%02d-%02d-%02d %02d:%02d", date % 100, date / 100 % 100,
                             date / 10000 % 100, hm / 100, hm % 100);
  };
  EXPECT_EQ(d.modemNumber()->text(), "305419896");
  EXPECT_EQ(d.personalised()->text(), shown(first - 86400));
  EXPECT_EQ(d.hoursEnd()->text(), shown(first + emu::kUnsentLimitSeconds));
  EXPECT_EQ(d.firstUnsent()->text(), shown(first));
  EXPECT_EQ(d.unsentCount()->text(), "4");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  d.password()->setText("111111");
  d.getReport();
  EXPECT_EQ(h.prompt.messages, QStringList{"Состояние модема. Ошибка!"});
}

TEST(ModemState, theStateByteChecksItsBoxesAndTheDatesAreShown) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  const long long now = h.registrar->registrar.Now();
  emu::ModemState& m = h.Emu().modem;
  m.samFaulty = true;
  m.ethernet = false;
  m.personalisedAt = now - 10 * 86400;
  m.unsent = 1;
  m.firstUnsentAt = now - emu::kUnsentLimitSeconds - 60;
  auto& d = h.Window<service::ModemStateDialog>();
  d.getReport();
  EXPECT_EQ(rec.requests, (Requests{Req(0xEA, "731942;0;")}));
  for (int bit = 0; bit < 8; ++bit)
    EXPECT_EQ(d.stateBox(bit)->isChecked(), bit == 0 || bit == 2 || bit == 5 || bit == 7) << bit;
  EXPECT_EQ(d.undeliveredDate()->text().toStdString(),
            emu::FormatDate(emu::LocalDate(m.firstUnsentAt)));
  EXPECT_EQ(d.personalisedTime()->text().toStdString(),
            emu::FormatTime(emu::LocalTime(m.personalisedAt)));
  EXPECT_EQ(d.stateBox(3)->text(), "ID_DEV установлен");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  EXPECT_FALSE(h.Printed("СТАН МОДЕМА"));
  // Printed when asked; a click on a box does not change it.
  d.print()->setChecked(true);
  d.getReport();
  EXPECT_EQ(rec.requests.back(), Req(0xEA, "731942;1;"));
  EXPECT_TRUE(h.Printed("СТАН МОДЕМА"));
  EXPECT_TRUE(d.stateBox(0)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(ModemState, sendingToTheAcquirerSetsParameter21AndClearsTheWaitingData) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  h.Emu().idDevCard = 1;
  h.Emu().modem.unsent = 2;
  h.Emu().modem.firstUnsentAt = h.registrar->registrar.Now();
  auto& d = h.Window<service::ModemStateDialog>();
  d.password()->setText("111111");  // the step sends its own fixed string
  d.sendToAcquirer();
  d.password()->setText("731942");
  d.getReport();
  EXPECT_EQ(rec.requests, (Requests{Req(0x88, "731942;21;1;"), Req(0xEA, "731942;0;")}));
  EXPECT_FALSE(d.stateBox(7)->isChecked());
  EXPECT_TRUE(d.stateBox(3)->isChecked());
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
  d.password()->setText("111111");
  d.getReport();
  EXPECT_EQ(h.prompt.messages, QStringList{"Состояние модема. Ошибка!"});
  EXPECT_NE(d.errorCode()->text(), "0000");
}

TEST(ModemState, noAnswerSaysTheDeviceTimedOut) {
  SilentHarness h;
  service::ModemStateDialog d(h.ctx, h.window->statusDialog());
  d.getReport();
  d.sendToAcquirer();
  service::LastAcquirerSessionDialog s(h.ctx, h.window->statusDialog());
  s.run();
  EXPECT_EQ(h.prompt.messages,
            (QStringList{"Таймаут устройства! Ошибка!", "Таймаут устройства! Ошибка!",
                         "Таймаут устройства! Ошибка!"}));
}

TEST(LastAcquirerSession, showsTheSessionOrSaysThereIsNone) {
  NetHarness h;
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::LastAcquirerSessionDialog>();
  d.date()->setText("old");
  d.run();
  EXPECT_EQ(h.prompt.messages, QStringList{"Состояние модема. Ошибка!"});
  EXPECT_EQ(d.date()->text(), "");
  EXPECT_NE(d.errorCode()->text(), "0000");
  const long long at = h.registrar->registrar.Now() - 7200;
  h.Emu().modem.lastSessionAt = at;
  d.run();
  EXPECT_EQ(rec.requests, (Requests{Req(0xFC, "731942;"), Req(0xFC, "731942;")}));
  EXPECT_EQ(d.date()->text().toStdString(), emu::FormatDate(emu::LocalDate(at)));
  EXPECT_EQ(d.time()->text().toStdString(), emu::FormatTime(emu::LocalTime(at)));
  EXPECT_EQ(d.errorCode()->text(), "0000");
  EXPECT_EQ(h.prompt.messages.size(), 1);
}

// --- Wi-Fi ------------------------------------------------------------------------

TEST(Wifi, theCommandLineFollowsTheFieldsAndGoesOutAsItStands) {
  NetHarness h(Model("Tesmar WF-101"));
  auto& rec = test::ConnectRecorded(h);
  auto& d = h.Window<service::WifiDialog>();
  EXPECT_EQ(d.commandLine()->text(), ";0;0;;");
  d.ssid()->setText("Shop");
  d.auth()->setCurrentIndex(3);
  d.encryption()->setCurrentIndex(4);
  d.networkPassword()->setText("secret12");
  EXPECT_EQ(d.commandLine()->text(), "Shop;3;4;secret12;");
  EXPECT_EQ(d.auth()->currentText(), "3- WPA2PSK");
  d.write();
  EXPECT_EQ(h.prompt.messages, QStringList{"Успешно!"});
  EXPECT_EQ(d.errorCode()->text(), "0000");
  // A line edited by hand is sent as it is.
  d.commandLine()->setText("Cafe;1;1;k;");
  d.write();
  EXPECT_EQ(rec.requests,
            (Requests{Req(0xBA, "731942;Shop;3;4;secret12;"), Req(0xBA, "731942;Cafe;1;1;k;")}));
  EXPECT_EQ(h.Emu().wifi.ssid, "Cafe");
  // A ";" typed in the name would shift the fields the registrar reads.
  d.ssid()->setText("Ca;fe");
  d.write();
  EXPECT_EQ(h.prompt.messages.last(), service::kWifiSemicolon);
  EXPECT_EQ(rec.requests.size(), 2u);
  EXPECT_EQ(h.Emu().wifi.ssid, "Cafe");
  // A line edited by hand goes out as it stands, whatever its fields.
  h.prompt.messages.clear();
  for (const char* line : {"Ca;fe;1;1;k;", "Bar;2;3;key"}) {
    d.commandLine()->setText(line);
    d.write();
    EXPECT_EQ(rec.requests.back(), Req(0xBA, (std::string("731942;") + line).c_str())) << line;
  }
  EXPECT_EQ(rec.requests.size(), 4u);
  EXPECT_FALSE(h.prompt.messages.contains(service::kWifiSemicolon));
}

TEST(Wifi, readFillsTheFieldsAndRebuildsTheLine) {
  NetHarness h(Model("Tesmar WF-101"));
  auto& rec = test::ConnectRecorded(h);
  h.Emu().wifi = {link::Utf8ToCp1251("Склад"), "pass1234", 2, 3, true};
  auto& d = h.Window<service::WifiDialog>();
  d.read();
  EXPECT_EQ(rec.requests, (Requests{Req(0xBB, "731942;")}));
  EXPECT_EQ(d.ssid()->text(), "Склад");
  EXPECT_EQ(d.auth()->currentIndex(), 2);
  EXPECT_EQ(d.encryption()->currentIndex(), 3);
  EXPECT_EQ(d.networkPassword()->text(), "pass1234");
  EXPECT_EQ(d.commandLine()->text(), "Склад;2;3;pass1234;");
  EXPECT_EQ(d.errorCode()->text(), "0000");
  // An open network has no password: the empty last field is read as such.
  h.Emu().wifi = {"Open", "", 0, 0, true};
  d.read();
  EXPECT_EQ(d.encryption()->currentIndex(), 0);
  EXPECT_EQ(d.networkPassword()->text(), "");
  EXPECT_EQ(d.commandLine()->text(), "Open;0;0;;");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(Wifi, theRouterLinkSaysWhetherItIsEstablished) {
  NetHarness h(Model("Tesmar WF-101"));
  test::ConnectRecorded(h);
  auto& d = h.Window<service::WifiDialog>();
  d.routerLink();
  EXPECT_EQ(d.routerStatus()->text(), "Соединение с роутером: Нет соединения");
  h.Emu().wifi.ssid = "Shop";
  d.routerLink();
  EXPECT_EQ(d.routerStatus()->text(), "Соединение с роутером: Установлено: Shop 192.168.0.100");
  EXPECT_TRUE(h.prompt.messages.isEmpty());
}

TEST(Wifi, refusalsAreTitledByCommandAndLeaveTheSettings) {
  NetHarness h(Model("Tesmar WF-101"));
  test::ConnectRecorded(h);
  auto& d = h.Window<service::WifiDialog>();
  d.ssid()->setText("Shop");
  d.auth()->setCurrentIndex(2);
  d.networkPassword()->setText("short");
  d.write();
  d.password()->setText("111111");
  d.read();
  d.routerLink();
  ASSERT_EQ(h.prompt.messages.size(), 3);
  EXPECT_TRUE(h.prompt.messages[0].startsWith("Ошибка команды настройки WiFi:\n  "));
  EXPECT_EQ(h.prompt.messages[1], "Ошибка команды настройки WiFi:\n  " + kWrongPassword);
  EXPECT_EQ(h.prompt.messages[2], "Ошибка команды связи с роутером:\n  " + kWrongPassword);
  EXPECT_EQ(h.Emu().wifi.ssid, "");
  EXPECT_EQ(d.ssid()->text(), "Shop");
}

TEST(Wifi, noAnswerAndABadChecksumAreSaidApart) {
  {
    SilentHarness h;
    service::WifiDialog d(h.ctx, h.window->statusDialog());
    d.read();
    EXPECT_EQ(h.prompt.messages, QStringList{"Ошибка выполнения команды. Таймаут"});
  }
  emu::FaultPlan corrupt;
  corrupt.corrupt = 1.0;
  SilentHarness h(corrupt);
  service::WifiDialog d(h.ctx, h.window->statusDialog());
  d.routerLink();
  EXPECT_EQ(h.prompt.messages, QStringList{"Неверная контрольная сумма"});
}
