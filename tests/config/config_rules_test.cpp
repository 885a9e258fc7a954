// The configuration windows' rules without their widgets.
#include "service/config_rules.h"

#include <gtest/gtest.h>

#include "tests/app/app_harness.h"

using namespace tesmar::service;

TEST(HeaderCentring, sevenLettersOnThirtyTwoGetThirteenBlanksSingleAndFiveDouble) {
  EXPECT_EQ(CenteredLine("Магазин", 32, 0), QString(13, ' ') + "Магазин");
  EXPECT_EQ(CenteredLine("Магазин", 32, 1), QString(5, ' ') + "Магазин");
  // Blanks around the text are dropped before it is measured.
  EXPECT_EQ(CenteredLine("   Магазин  ", 32, 0), QString(13, ' ') + "Магазин");
}

TEST(HeaderCentring, aLineWiderThanTheTapeOrEmptyGetsNoBlanks) {
  const QString wide(40, 'x');
  EXPECT_EQ(CenteredLine(wide, 32, 0), wide);
  EXPECT_EQ(CenteredLine(QString(20, 'x'), 32, 1), QString(20, 'x'));  // 8 - 10 < 0
  EXPECT_EQ(CenteredLine("   ", 32, 0), "");
}

TEST(HeaderWidthCell, clicksCycleTheThreeChoicesAndLeaveOtherTextAlone) {
  EXPECT_EQ(NextWidthChoice(kNoWrite), kSingleWidth);
  EXPECT_EQ(NextWidthChoice(kSingleWidth), kDoubleWidth);
  EXPECT_EQ(NextWidthChoice(kDoubleWidth), kNoWrite);
  EXPECT_EQ(NextWidthChoice("что-то"), "что-то");
  EXPECT_EQ(WidthFlag(kSingleWidth), 0);
  EXPECT_EQ(WidthFlag(kDoubleWidth), 1);
  EXPECT_EQ(WidthFlag("что-то"), 1);
  EXPECT_EQ(HeadFootDefault(1), kSingleWidth);
  EXPECT_EQ(HeadFootDefault(2), kDoubleWidth);
  EXPECT_EQ(HeadFootDefault(0), kNoWrite);
  EXPECT_EQ(HeadFootDefault(7), kNoWrite);
}

TEST(HeaderWidthField, emptyNegativeOrNonNumericWidthIsNoWidth) {
  int w = -5;
  EXPECT_TRUE(TapeWidthValue(" 32 ", w));
  EXPECT_EQ(w, 32);
  for (const char* bad : {"", "abc", "0", "-3", "3.5"}) EXPECT_FALSE(TapeWidthValue(bad, w)) << bad;
}

TEST(PaymentMasks, allFourBoxesGive83ForCashAnd93ForAnotherForm) {
  EXPECT_EQ(PaymentMask(true, true, true, true, "0"), 0x83);
  EXPECT_EQ(PaymentMask(true, true, true, true, "2"), 0x93);
  EXPECT_EQ(PaymentMask(false, false, false, false, "2"), 0);
  EXPECT_EQ(Permission(0x93, kTerminalAllowed), "Разрешено");
  EXPECT_EQ(Permission(0x83, kTerminalAllowed), "Запрещено");
}

TEST(TaxTypeCell, clicksStepInCodeOrderWrapAndMendUnknownText) {
  EXPECT_EQ(NextTaxType("Акцизный сбор (налож)"), "Налог запрещен");
  EXPECT_EQ(NextTaxType("Налог запрещен"), "Вложенный");
  EXPECT_EQ(NextTaxType("чепуха"), "Вложенный");
  EXPECT_EQ(TaxTypeCode("Налог 2  Вложенный +"), 6);
  EXPECT_EQ(TaxTypeCode("Налог 2 Вложенный +"), kTaxTypeCount);  // one blank is another text
  EXPECT_EQ(TaxTypeText("9"), "Акцизный сбор (налож)");
  EXPECT_EQ(TaxTypeText("12"), "12");  // no name: shown as received
}

TEST(LinkedGroupCell, rowBOfThreeGroupsCyclesVThenAThenNone) {
  QString cell = kNoLinkedGroup;
  QStringList seen;
  for (int i = 0; i < 3; ++i) seen << (cell = NextLinkedGroup(cell, 1, 3));
  EXPECT_EQ(seen, (QStringList{"В", "А", kNoLinkedGroup}));
  // The first row starts at letter 1 and never reaches its own letter.
  EXPECT_EQ(NextLinkedGroup(kNoLinkedGroup, 0, 3), "Б");
  EXPECT_EQ(NextLinkedGroup("В", 0, 3), kNoLinkedGroup);
}

TEST(LinkedGroupCell, indexesOfTheCellAndOfTheReply) {
  EXPECT_EQ(LinkedGroupIndex(kNoLinkedGroup, 3), -1);
  EXPECT_EQ(LinkedGroupIndex("В", 3), 2);
  EXPECT_EQ(LinkedGroupIndex("Г", 3), 3);  // a letter beyond T matches none: T
  EXPECT_EQ(LinkedGroupText("-1", 3), kNoLinkedGroup);
  EXPECT_EQ(LinkedGroupText("1", 3), "Б");
  EXPECT_EQ(LinkedGroupText("7", 3), "7");
  EXPECT_EQ(LinkedGroupText("x", 3), "x");
}

TEST(FiscalNumbers, lengthRulesOfFiscalIdentificationAndTaxNumbers) {
  EXPECT_TRUE(FiscalNumberLengthOk(""));
  EXPECT_TRUE(FiscalNumberLengthOk("1234567890"));
  EXPECT_FALSE(FiscalNumberLengthOk("123456789"));
  EXPECT_TRUE(TaxIdLengthOk("123456789012"));
  EXPECT_FALSE(TaxIdLengthOk("12345678901"));
  EXPECT_TRUE(TaxNumberLengthOk("1234567890123"));
  EXPECT_FALSE(TaxNumberLengthOk("12345678901"));
  EXPECT_EQ(TaxIdShown("123;;"), "123");
  EXPECT_EQ(TaxIdShown("123;;;"), "123;");
  EXPECT_EQ(TaxIdShown(";"), "");
}

TEST(RegistrarParamFields, pulsesAreHexBytesAndTheLengthDecimal) {
  int v = -1;
  EXPECT_TRUE(HexByte("1F", v));
  EXPECT_EQ(v, 0x1F);
  EXPECT_TRUE(DecimalNumber("05", v));
  EXPECT_EQ(v, 5);
  for (const char* bad : {"", " ", "G1", "-1"}) EXPECT_FALSE(HexByte(bad, v)) << bad;
  for (const char* bad : {"", "ab", "-1"}) EXPECT_FALSE(DecimalNumber(bad, v)) << bad;
  EXPECT_EQ(ParamSpeeds().size(), kSpeedCount + 1);
  EXPECT_EQ(ContrastNames()[2], "Нормальнаяl");
}

TEST(RegistrarDates, shownDateLosesItsDotsAndTheReplyGainsThem) {
  EXPECT_EQ(WireDate("05.03.24"), "050324");
  EXPECT_EQ(ShownDate("050324"), "05.03.24");
}

TEST(ReadinessWait, endsAtTheTryLimitTheTimeLimitOrACancel) {
  const ReadinessBound b{3, 1000, 10};
  EXPECT_TRUE(MayTryAgain(b, 0, 0, false));
  EXPECT_TRUE(MayTryAgain(b, 2, 999, false));
  EXPECT_FALSE(MayTryAgain(b, 3, 0, false));
  EXPECT_FALSE(MayTryAgain(b, 1, 1000, false));
  EXPECT_FALSE(MayTryAgain(b, 0, 0, true));
}
