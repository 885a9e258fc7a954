#include "service/config_rules.h"

namespace tesmar::service {

QString HeadFootDefault(int headFootPar) {
  return headFootPar == 1 ? kSingleWidth : headFootPar == 2 ? kDoubleWidth : kNoWrite;
}

QString NextWidthChoice(const QString& shown) {
  if (shown == kNoWrite) return kSingleWidth;
  if (shown == kSingleWidth) return kDoubleWidth;
  if (shown == kDoubleWidth) return kNoWrite;
  return shown;
}

int WidthFlag(const QString& choice) {
  return choice == kSingleWidth ? 0 : 1;
}

QString CenteredLine(const QString& typed, int width, int widthFlag) {
  const QString text = typed.trimmed();
  if (text.isEmpty()) return text;
  const int half = widthFlag == 0 ? width / 2 : width / 4;
  const int blanks = std::max(0, half - static_cast<int>(text.size()) / 2);
  return QString(blanks, ' ') + text;
}

bool TapeWidthValue(const QString& typed, int& width) {
  bool ok = false;
  const int v = typed.trimmed().toInt(&ok);
  if (!ok || v <= 0) return false;
  width = v;
  return true;
}

int PaymentMask(bool sale, bool refund, bool change, bool terminal, const QString& number) {
  int mask = 0;
  if (sale) mask += kSaleAllowed;
  if (refund) mask += kRefundAllowed;
  if (change) mask += kChangeAllowed;
  if (terminal && number != "0") mask += kTerminalAllowed;
  return mask;
}

QString Permission(int mask, int bit) {
  return (mask & bit) ? Tesmar::mark("Разрешено") : Tesmar::mark("Запрещено");
}

const QStringList& TaxTypeNames() {
  static const QStringList kNames = {Tesmar::mark("Налог запрещен"),       Tesmar::mark("Вложенный"),
                                     Tesmar::mark("Наложенный"),           Tesmar::mark("Группа не облагаемая налогом"),
                                     Tesmar::mark("Вложенный 2"),          Tesmar::mark("Наложенный 2"),
                                     Tesmar::mark("Налог 2  Вложенный +"), Tesmar::mark("Налог 2  Наложенный +"),
                                     Tesmar::mark("Акцизный сбор (влож)"), Tesmar::mark("Акцизный сбор (налож)")};
  return kNames;
}

const QStringList& TaxGroupLetters() {
  static const QStringList kLetters = {Tesmar::mark("А"), Tesmar::mark("Б"), Tesmar::mark("В"), Tesmar::mark("Г"), Tesmar::mark("Д"), Tesmar::mark("Є"), Tesmar::mark("Ж"), Tesmar::mark("И"), Tesmar::mark("Ї")};
  return kLetters;
}

int TaxTypeCode(const QString& name) {
  const int i = TaxTypeNames().indexOf(name);
  return i < 0 ? kTaxTypeCount : i;
}

QString NextTaxType(const QString& shown) {
  const int code = TaxTypeNames().indexOf(shown);
  return TaxTypeNames()[code < 0 ? 1 : (code + 1) % kTaxTypeCount];
}

QString TaxTypeText(const QString& code) {
  bool ok = false;
  const int v = code.toInt(&ok);
  return ok && v >= 0 && v < kTaxTypeCount ? TaxTypeNames()[v] : code;
}

int LinkedGroupIndex(const QString& shown, int groups) {
  if (shown == kNoLinkedGroup) return -1;
  const int i = TaxGroupLetters().indexOf(shown);
  return i >= 0 && i < groups ? i : groups;
}

QString LinkedGroupText(const QString& field, int groups) {
  bool ok = false;
  const int v = field.toInt(&ok);
  if (ok && v == -1) return kNoLinkedGroup;
  return ok && v >= 0 && v < groups ? TaxGroupLetters()[v] : field;
}

QString NextLinkedGroup(const QString& shown, int own, int groups) {
  if (groups <= 1) return kNoLinkedGroup;
  const int k = TaxGroupLetters().indexOf(shown);
  if (shown == kNoLinkedGroup || k < 0 || k >= groups) return TaxGroupLetters()[(own + 1) % groups];
  const int next = (k + 1) % groups;
  return next == own ? kNoLinkedGroup : TaxGroupLetters()[next];
}

QString TaxGroupCaption(int group) {
  return Tesmar::mark("Налог ") + TaxGroupLetters().value(group);
}

bool FiscalNumberLengthOk(const QString& n) {
  return n.isEmpty() || n.size() == 10;
}
bool TaxIdLengthOk(const QString& n) {
  return n.isEmpty() || n.size() == 12;
}
bool TaxNumberLengthOk(const QString& n) {
  return n.isEmpty() || n.size() == 12 || n.size() == 13;
}

QString TaxIdShown(QString field) {
  for (int i = 0; i < 2 && field.endsWith(';'); ++i) field.chop(1);
  return field.startsWith(';') ? QString() : field;
}

const QStringList& ParamSpeeds() {
  static const QStringList kSpeeds = {"110",  "300",   "600",   "1200",  "2400",   "4800",
                                      "9600", "19200", "38400", "57600", "115200", Tesmar::mark("Не изменять")};
  return kSpeeds;
}

const QStringList& ContrastNames() {
  static const QStringList kNames = {Tesmar::mark("По умолчанию (2)"), Tesmar::mark("Светлая"), Tesmar::mark("Нормальнаяl"), Tesmar::mark("Темная"),
                                     Tesmar::mark(" Экстра-Темная")};
  return kNames;
}

const std::array<int, 11>& DocumentFlagBits() {
  static constexpr std::array<int, 11> kBits = {0x0001, 0x0002, 0x0008, 0x0100, 0x0200, 0x0400,
                                                0x0800, 0x1000, 0x2000, 0x4000, 0x8000};
  return kBits;
}

const std::array<int, 6>& PrintFlagBits() {
  static constexpr std::array<int, 6> kBits = {0x01, 0x02, 0x08, 0x10, 0x20, 0x40};
  return kBits;
}

bool HexByte(const QString& typed, int& value) {
  bool ok = false;
  const int v = typed.trimmed().toInt(&ok, 16);
  if (typed.trimmed().isEmpty() || !ok || v < 0 || v > 0xFF) return false;
  value = v;
  return true;
}

bool DecimalNumber(const QString& typed, int& value) {
  bool ok = false;
  const int v = typed.trimmed().toInt(&ok, 10);
  if (!ok || v < 0) return false;
  value = v;
  return true;
}

QString WireDate(const QString& shown) {
  QString d = shown;
  if (d.size() >= 6) d.remove(5, 1);
  if (d.size() >= 3) d.remove(2, 1);
  return d;
}

QString ShownDate(const QString& wire) {
  QString d = wire;
  if (d.size() >= 4) d.insert(4, '.');
  if (d.size() >= 2) d.insert(2, '.');
  return d;
}

}  // namespace tesmar::service

namespace tesmar::service {

bool MayTryAgain(const ReadinessBound& b, int triesDone, long long elapsedMs, bool cancelled) {
  return !cancelled && triesDone < b.maxTries && elapsedMs < b.maxMs;
}

QString ReadinessProgress(int n, const ReadinessBound& b) {
  return Tesmar::mark("Фискализация: ожидание готовности регистратора, попытка ") + QString::number(n) + Tesmar::mark(" из ") +
         QString::number(b.maxTries) + "...";
}

}  // namespace tesmar::service
