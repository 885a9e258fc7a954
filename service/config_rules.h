// The configuration windows' rules that need no widget: centring of header
// lines, the width-cell cycle, payment permission masks, the tax grid's
// names and click rules, registrar flag words, number lengths and the
// registrar's date forms.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace tesmar::service {

// --- header and advertising text ------------------------------------------
inline const QString kNoWrite = Tesmar::mark("не записывать");
inline const QString kSingleWidth = Tesmar::mark("одинарная ширина");
inline const QString kDoubleWidth = Tesmar::mark("двойная ширина");

// The width choice that tsinit.ini "HeadFootPar" gives every line.
QString HeadFootDefault(int headFootPar);
// A click on a width cell: the next choice; any other text stays.
QString NextWidthChoice(const QString& shown);
// The 22h width flag: 0 for single width, 1 for any other choice.
int WidthFlag(const QString& choice);
// The text sent for a centred line on a tape `width` characters wide:
// trimmed, with (width / 2 or width / 4 for double width) - length / 2
// blanks in front (none when that is negative or the text is empty).
QString CenteredLine(const QString& typed, int width, int widthFlag);
// The width field as a whole number above 0; false when it is not one.
bool TapeWidthValue(const QString& typed, int& width);

// --- payment forms ----------------------------------------------------------
inline constexpr int kSaleAllowed = 0x01, kRefundAllowed = 0x02, kTerminalAllowed = 0x10,
                     kChangeAllowed = 0x80;
// The 2Dh mask; the terminal bit never goes with payment 0 (cash).
int PaymentMask(bool sale, bool refund, bool change, bool terminal, const QString& number);
QString Permission(int mask, int bit);  // "Разрешено" or "Запрещено"

// --- tax groups -------------------------------------------------------------
inline constexpr int kTaxTypeCount = 10;
inline constexpr int kMaxTaxGroupCount = 9;
inline const QString kNoLinkedGroup = Tesmar::mark("Отсутствует");
const QStringList& TaxTypeNames();
const QStringList& TaxGroupLetters();
// The code of a type name; kTaxTypeCount when the text names none.
int TaxTypeCode(const QString& name);
// A click on a type cell: the next name in code order (09 wraps to 00); a
// text that names no type becomes code 01.
QString NextTaxType(const QString& shown);
// The shown name of a 48h type code, or the code itself when it has none.
QString TaxTypeText(const QString& code);
// The linked-group index of a cell: -1 for "Отсутствует", else the letter's
// index, `groups` when it matches neither.
int LinkedGroupIndex(const QString& shown, int groups);
// The cell text of a 48h linked-group field; an index without a letter is
// shown as received.
QString LinkedGroupText(const QString& field, int groups);
// A click on the linked-group cell of group `own`: none gives the letter
// after its own, a letter the next, and none again before its own letter.
QString NextLinkedGroup(const QString& shown, int own, int groups);
// "Налог А" for group 0.
QString TaxGroupCaption(int group);

// --- fiscal numbers -------------------------------------------------------
bool FiscalNumberLengthOk(const QString& n);  // empty or 10
bool TaxIdLengthOk(const QString& n);         // empty or 12
bool TaxNumberLengthOk(const QString& n);     // empty, 12 or 13
// 46h result field 1: at most two trailing ";" go; a field beginning with
// ";" shows as empty.
QString TaxIdShown(QString field);

// --- registrar parameters -------------------------------------------------
inline constexpr int kSpeedCount = 11;  // the rates; index 11 is "Не изменять"
const QStringList& ParamSpeeds();
const QStringList& ContrastNames();
// Bits of the flag words, in the order of their check boxes.
const std::array<int, 11>& DocumentFlagBits();
const std::array<int, 6>& PrintFlagBits();
// A field of at most two hexadecimal (pulses) or decimal (line length)
// digits; false when empty or not a number.
bool HexByte(const QString& typed, int& value);
bool DecimalNumber(const QString& typed, int& value);

// --- dates ------------------------------------------------------------------
// "05.03.24" as the registrar takes it, "050324"; and back.
QString WireDate(const QString& shown);
QString ShownDate(const QString& wire);

}  // namespace tesmar::service

namespace tesmar::service {

// The fiscalization's wait for the registrar to be ready again: a bound of
// tries and of time, and the user's cancel.
struct ReadinessBound {
  int maxTries = 30;
  long long maxMs = 90000;
  int pauseMs = 500;  // between tries
};
// Whether another try may follow `triesDone` tries made in `elapsedMs`.
bool MayTryAgain(const ReadinessBound& b, int triesDone, long long elapsedMs, bool cancelled);
// The status bar's line for try `n`.
QString ReadinessProgress(int n, const ReadinessBound& b);

}  // namespace tesmar::service
