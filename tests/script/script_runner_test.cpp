#include <algorithm>
#include <climits>

#include "tests/script/script_harness.h"
#include "tests/support/unreadable_file.h"

using tesmar::script::Outcome;
using tesmar::test::ScriptRig;

namespace {
const std::string kDecl = "%DeclareBeg\n%New i\n%New s\n%DeclareEnd\n";
}

// --- command lines -----------------------------------------------------------------------

TEST(ScriptCommands, commandLinesAloneRunWithoutADeclarationSection) {
  ScriptRig rig;
  EXPECT_EQ(rig.Run("21731942;\r\na0731942;\r\n"), Outcome::kEndOfFile);
  EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Конец файла!"});
  ASSERT_EQ(rig.host.log.size(), 4u);
  EXPECT_EQ(rig.host.log[0].substr(0, 4), "PC: ");
  EXPECT_EQ(rig.host.log[0][5], '\x21');  // LEN of "731942;" after SOH
  EXPECT_EQ(rig.host.log[1].substr(0, 4), "FP: ");
  EXPECT_EQ(rig.registrar.Executed(0xA0), 1);  // lower-case hex is the same code
  EXPECT_EQ(rig.host.code, "a0");
  EXPECT_EQ(rig.host.password, "731942");
  EXPECT_EQ(rig.host.errorCode, "0000");
  EXPECT_EQ(rig.host.status, "00 00 00 00 00 00 ");
  EXPECT_EQ(rig.host.lineNumber, 0);
  EXPECT_EQ(rig.runner.LinesRead(), 2);
}

TEST(ScriptCommands, shortLinesAndBadCodesAreRefusedWithoutSending) {
  ScriptRig rig;
  EXPECT_EQ(rig.Run("21731942\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - строка команды короче 9 символов!");
  EXPECT_EQ(rig.Run("G1731942;\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Неверный код команды!");
  // The protocol's codes start at 20h: below that a code is a control byte.
  EXPECT_EQ(rig.Run("1F731942;\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), tesmar::link::kCodeOutOfRangeMessage);
  EXPECT_EQ(rig.Run(kDecl + "%RunCommand (256, \"731942\")\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), tesmar::link::kCodeOutOfRangeMessage);
  EXPECT_EQ(rig.session.Counters().requests, 0);
}

TEST(ScriptCommands, errorCodeStopsTheRunEvenWithOutputSuppressed) {
  ScriptRig rig;
  rig.host.suppress = true;
  EXPECT_EQ(rig.Run("21731942;\n42731942;\n21731942;\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка выполнения команды");
  EXPECT_EQ(rig.host.errorCode, "0205");
  EXPECT_EQ(rig.host.status, "00 00 00 00 00 00 ");
  EXPECT_TRUE(rig.host.log.empty());
  EXPECT_EQ(rig.registrar.Executed(0x21), 1);
  EXPECT_EQ(rig.host.lineNumber, 2);  // Continue resumes after the failed line
}

TEST(ScriptCommands, silentRegistrarEndsTheRunWithTheTimeoutMessage) {
  ScriptRig rig;
  rig.driver.AttachSerialLink(std::make_unique<tesmar::link::MemoryTransport>());
  EXPECT_EQ(rig.Run("21731942;\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка выполнения команды. Таймаут");
}

// --- comments and keyword recognition ----------------------------------------------------

TEST(ScriptComments, silentPrintedAndKeywordComments) {
  ScriptRig rig;
  rig.Run(kDecl + "; nothing\n+ Начало теста\n;If (1==2)\n+ skipped\n%Else\n+ after\n%EndIf\n");
  EXPECT_EQ(rig.host.log, (std::vector<std::string>{"Комментарий::  Начало теста!!!",
                                                    "Комментарий::  after!!!"}));
  rig.host.log.clear();
  rig.host.suppress = true;
  rig.Run("+ quiet\n");
  EXPECT_TRUE(rig.host.log.empty());
}

TEST(ScriptComments, keywordsAreTestedInOrderAndByPrefix) {
  ScriptRig rig;
  // "SetSpeed" before "Set"; "%Settle" is a Set statement with no "=".
  rig.Run("%SetSpeed 19200\n");
  EXPECT_EQ(rig.host.reopenedAt, 19200);
  EXPECT_EQ(rig.host.log, (std::vector<std::string>{"SetSpeed Port=/dev/ttyS0  Speed=19200",
                                                    "Подключение порта - успешно!"}));
  rig.Run(kDecl + "%Settle\n");
  EXPECT_EQ(rig.LastMessage(), "Ошибка - ошибка в операторе Set.");
  // A "%" line that is no keyword is a command line.
  rig.host.messages.clear();
  rig.Run("%Z731942;\n");
  EXPECT_EQ(rig.LastMessage(), "Неверный код команды!");
  // The first six need "%": ";Set x" is a plain comment.
  rig.host.messages.clear();
  EXPECT_EQ(rig.Run(";Set x = 1\n"), Outcome::kEndOfFile);
}

TEST(ScriptComments, lineOf299CharactersIsReadWholeAndItsLineEndSkipped) {
  ScriptRig rig;
  const std::string text = "+" + std::string(298, 'x');
  EXPECT_EQ(rig.Run(text + "\n+y\n"), Outcome::kEndOfFile);
  ASSERT_EQ(rig.host.log.size(), 2u);
  EXPECT_EQ(rig.host.log[0], "Комментарий:: " + std::string(298, 'x') + "!!!");
  EXPECT_EQ(rig.runner.LinesRead(), 3);  // the line end arrived as an empty line
  // 299 characters, then CR LF: still whole.
  rig.host.log.clear();
  EXPECT_EQ(rig.Run(text + "\r\n"), Outcome::kEndOfFile);
  EXPECT_EQ(rig.host.log.size(), 1u);
}

TEST(ScriptLines, overLongLineEndsTheRunAndNothingOfItIsSent) {
  ScriptRig rig;
  // A comment padded past the limit, with a command line where the cut fell.
  const std::string padded = ";" + std::string(298, ' ') + "60731942;\n";
  EXPECT_EQ(rig.Run("21731942;\n" + padded + "21731942;\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - строка 2 длиннее 299 символов!");
  EXPECT_EQ(rig.registrar.Executed(0x60), 0);
  EXPECT_EQ(rig.registrar.Executed(0x21), 1);  // the line before it, nothing after
  EXPECT_EQ(rig.host.log.size(), 2u);          // that line's PC: and FP:
  // One byte over is over: a 300-character comment.
  EXPECT_EQ(rig.Run("+" + std::string(299, 'x') + "\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - строка 1 длиннее 299 символов!");
  // A NUL byte does not hide the rest of the line.
  EXPECT_EQ(rig.Run(std::string(";\0", 2) + std::string(297, ' ') + "60731942;\n"),
            Outcome::kFailed);
  EXPECT_EQ(rig.registrar.Executed(0x60), 0);
}

TEST(ScriptLines, overLongLineEndsContinueAndStepToo) {
  ScriptRig rig;
  rig.Write("21731942;\n;" + std::string(300, ' ') + "60731942;\n21731942;\n");
  EXPECT_EQ(rig.runner.Continue(rig.file.string(), 0), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - строка 2 длиннее 299 символов!");
  EXPECT_EQ(rig.registrar.Executed(0x21), 1);
  long line = 1;
  EXPECT_EQ(rig.runner.Step(rig.file.string(), line), Outcome::kFailed);
  EXPECT_EQ(line, 2);
  // Continue from the line box passes over the long line as one line.
  EXPECT_EQ(rig.runner.Continue(rig.file.string(), line), Outcome::kEndOfFile);
  EXPECT_EQ(rig.registrar.Executed(0x21), 2);
  EXPECT_EQ(rig.registrar.Executed(0x60), 0);
}

TEST(ScriptLines, aFolderOrAMissingFileIsRefusedWithAMessage) {
  ScriptRig rig;
  const std::string folder = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(rig.runner.Run(folder), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - \"" + folder + "\" не является файлом!");
  EXPECT_EQ(rig.runner.Continue(folder, 0), Outcome::kRefused);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - \"" + folder + "\" не является файлом!");
  long line = 0;
  EXPECT_EQ(rig.runner.Step("/nonexistent/s.txt", line), Outcome::kRefused);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - файл скрипта не открывается: /nonexistent/s.txt");
  EXPECT_EQ(std::count(rig.host.messages.begin(), rig.host.messages.end(), "Конец файла!"), 0);
  EXPECT_FALSE(rig.runner.Running());
}

TEST(ScriptLines, aReadErrorEndsTheRunAsAFailureNotAsTheEndOfTheFile) {
  ScriptRig rig;
  const std::string unreadable = tesmar::test::UnreadableFile();
  EXPECT_EQ(rig.runner.Run(unreadable), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(),
            "Ошибка чтения файла скрипта: /proc/self/mem: " + tesmar::test::UnreadableFileReason());
  long line = 3;
  EXPECT_EQ(rig.runner.Continue(unreadable, line), Outcome::kRefused);
  EXPECT_EQ(rig.runner.Step(unreadable, line), Outcome::kRefused);
  EXPECT_EQ(std::count(rig.host.messages.begin(), rig.host.messages.end(), "Конец файла!"), 0);
  EXPECT_FALSE(rig.runner.Running());
}

// --- declarations and Set ---------------------------------------------------------------

TEST(ScriptDeclarations, prefixNamesAndSetValues) {
  ScriptRig rig;
  rig.Run("%DeclareBeg T_\n%New n\n%DeclareEnd\n%Set n = \"1\"\n");
  EXPECT_EQ(rig.LastMessage(), "Ошибка - присвоение несуществующей переменной.");
  rig.host.messages.clear();
  rig.Run(
      "%DeclareBeg T_\n%New n\n%New m\n%DeclareEnd\n%Set T_n = 5\n%Set T_m = \"5\"\n"
      "%Set T_n = T_m\n");
  EXPECT_EQ(rig.Variable("T_m"), "5");
  EXPECT_EQ(rig.Variable("T_n"), "5");
  EXPECT_EQ(rig.host.rows.size(), 3u);
  EXPECT_EQ(rig.host.rows[1], (std::pair<std::string, std::string>{"T_n", "5"}));
  EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Конец файла!"});
}

TEST(ScriptDeclarations, unquotedNumberLeavesTheVariableUnchanged) {
  ScriptRig rig;
  rig.Run(kDecl + "%Set i = \"7\"\n%Set i = 5\n");
  EXPECT_EQ(rig.Variable("i"), "7");
}

TEST(ScriptDeclarations, stateErrors) {
  const std::pair<std::string, std::string> cases[] = {
      {"%DeclareBeg\n%DeclareEnd\n%DeclareBeg\n",
       "Ошибка - неверное расположение описания данных."},
      {"%DeclareBeg\n%DeclareEnd\n%Print x\n%DeclareBeg\n",
       "Ошибка - ошибка в описаниях. DeclareBeg уже был ранее."},
      {"%New x\n", "Ошибка - ошибка в описаниях. Оператор New расположен вне секции описаний."},
      {"%DeclareEnd\n", "Ошибка - ошибка в описаниях. Ошибочное расположение DeclareEnd."},
      {"%Print x\n", "Ошибка - ошибка в описаниях."},
      {"%DeclareBeg\n%New x\n%Set x = \"1\"\n",
       "Ошибка - ошибка в описаниях. Секция определений неверна."},
      {"%If (1==1)\n", "Ошибка - ошибка в If-Then. Оператор New расположен вне секции описаний."},
      {"%While (1==1)\n",
       "Ошибка - ошибка в описаниях. Оператор New расположен вне секции описаний."},
      {kDecl + "%Set i = \"1\" = \"2\"\n", "Ошибка - ошибка в операторе Set."},
      {kDecl + "%Then\n", "Ошибка - Then без открытого блока If!"},
      {kDecl + "%Else\n", "Ошибка - Else без открытого блока If!"},
      {kDecl + "%EndIf\n", "Ошибка - EndIf без открытого блока If!"},
      {kDecl + "%EndWhile\n", "Ошибка - EndWhile без открытого блока While!"},
      {kDecl + "%Set i = %Ret20\n", "Ошибка - номер поля %Ret больше 19!"},
  };
  for (const auto& [script, message] : cases) {
    ScriptRig rig;
    EXPECT_EQ(rig.Run(script), Outcome::kFailed) << script;
    EXPECT_EQ(rig.LastMessage(), message) << script;
  }
  std::string many = "%DeclareBeg\n";
  for (int i = 0; i <= 100; ++i) many += "%New v" + std::to_string(i) + "\n";
  ScriptRig rig;
  EXPECT_EQ(rig.Run(many), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - больше 100 переменных!");
}

// --- conditions, If and While ------------------------------------------------------------

TEST(ScriptConditions, operatorsAndOperands) {
  ScriptRig rig;
  rig.Run(kDecl + "%Set i = \"3\"\n%If (i>=3)\n%Then\n+yes\n%Else\n+no\n%EndIf\n");
  EXPECT_EQ(rig.host.log, std::vector<std::string>{"Комментарий:: yes!!!"});
  const std::pair<std::string, std::string> bad[] = {
      {"%If (i=3)\n", "Некорректная операция в операторе If - ошибка!"},
      {"%If (i!=3)\n", "Некорректная операция в операторе If - ошибка!"},
      {"%While (i=3)\n", "Некорректная операция в операторе While - ошибка!"},
      {"%If (j<3)\n", "Ошибка переменной!"},
      {"%If (i<-3)\n", "Ошибка переменной!"},
      {"%If (i<\"3\")\n", "Ошибка переменной!"},
  };
  for (const auto& [line, message] : bad) {
    ScriptRig r;
    EXPECT_EQ(r.Run(kDecl + line), Outcome::kFailed) << line;
    EXPECT_EQ(r.LastMessage(), message) << line;
    EXPECT_EQ(r.host.log.back(), line.substr(0, line.size() - 1));  // the line is logged
  }
}

TEST(ScriptIf, falseWithoutElseContinuesAtTheNextElseAnywhere) {
  ScriptRig rig;
  rig.Run(kDecl + "%If (1==2)\n%Then\n+a\n%EndIf\n+b\n; a comment with %Else in it\n+c\n");
  EXPECT_EQ(rig.host.log, std::vector<std::string>{"Комментарий:: c!!!"});
  rig.host.log.clear();
  EXPECT_EQ(rig.Run(kDecl + "%If (1==2)\n%Then\n+a\n%EndIf\n+b\n"), Outcome::kEndOfFile);
  EXPECT_TRUE(rig.host.log.empty());
}

TEST(ScriptWhile, loopSeesOperResultsAndVariablesWindowShowsOnlySet) {
  ScriptRig rig;
  rig.Run(kDecl +
          "%Set i = \"0\"\n"
          "%While (i<3)\n"
          "+pass\n"
          "%Oper (i, 1, 0, i)\n"
          "%EndWhile\n"
          "%Print i\n");
  EXPECT_EQ(rig.host.log,
            (std::vector<std::string>{"Комментарий:: pass!!!", "Комментарий:: pass!!!",
                                      "Комментарий:: pass!!!", ";i=3"}));
  EXPECT_EQ(rig.host.rows[1].second, "0");
}

TEST(ScriptWhile, falseAtFirstReachSkipsToItsOwnEndWhile) {
  ScriptRig rig;
  rig.Run(kDecl +
          "%While (1==2)\n"
          "+outer body\n"
          "%While (1==1)\n"
          "+inner body\n"
          "%EndWhile\n"
          "%EndWhile\n"
          "+after\n");
  EXPECT_EQ(rig.host.log, std::vector<std::string>{"Комментарий:: after!!!"});
}

TEST(ScriptWhile, nestedLoopsWithCommands) {
  ScriptRig rig;
  rig.Run(
      "%DeclareBeg\n%New i\n%New j\n%DeclareEnd\n"
      "%Set i = \"0\"\n"
      "%While (i<2)\n"
      "%Set j = \"0\"\n"
      "%While (j<3)\n"
      "21731942;\n"
      "%Oper (j, 1, 0, j)\n"
      "%EndWhile\n"
      "%Oper (i, 1, 0, i)\n"
      "%EndWhile\n");
  EXPECT_EQ(rig.registrar.Executed(0x21), 6);
  EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Конец файла!"});
}

// --- Oper, RunCommand, %Ret, Print --------------------------------------------------------

TEST(ScriptOper, everyOperation) {
  struct Case {
    std::string a, b, op, expected;
  };
  const Case cases[] = {
      {"7", "5", "0", "12"},
      {"7", "5", "1", "2"},
      {"7", "5", "2", "35"},
      {"7", "2", "3", "3"},
      {"7", "2", "4", "1"},
      {"\"ab\"", "\"cd\"", "5", "abcd"},
      {"1", "4", "6", "0.25"},
      {"9", "9", "7", "9"},
      {"65", "3", "8", "AAA"},
      {"\"абв\"", "0", "9", "3"},
      {"\"x\"", "\"x\"", "10", "1"},
      {"\"x\"", "\"y\"", "10", "0"},
      {"\"081226\"", "0", "12", "261208"},
      {"\"yy\"", "0", "99", ""},
  };
  for (const Case& c : cases) {
    ScriptRig rig;
    rig.Run(kDecl + "%Oper (" + c.a + ", " + c.b + ", " + c.op + ", s)\n");
    EXPECT_EQ(rig.Variable("s"), c.expected) << c.op;
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Конец файла!"}) << c.op;
  }
  ScriptRig rig;
  rig.Run(kDecl + "%Oper (10, 20, 7, s)\n");
  const int r = std::stoi(rig.Variable("s"));
  EXPECT_TRUE(r >= 10 && r <= 20);
  rig.Run(kDecl + "%Oper (\"dd.mm.yyyy\", 0, 11, s)\n");
  EXPECT_EQ(rig.Variable("s").size(), 10u);
}

TEST(ScriptOper, divisionInFloatingPointTakesFractions) {
  ScriptRig rig;
  rig.Run(
      "%DeclareBeg\n%New i\n%New s\n%New x\n%DeclareEnd\n"
      "%Oper (1, 4, 6, s)\n%Oper (s, 2, 6, i)\n%Oper (1, 3, 6, x)\n");
  EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Конец файла!"});
  EXPECT_EQ(rig.Variable("s"), "0.25");
  EXPECT_EQ(rig.Variable("i"), "0.125");
  EXPECT_EQ(rig.Variable("x"), "0.333333333333333");  // 15 significant digits
  EXPECT_EQ(rig.Run(kDecl + "%Set s = \"0.5\"\n%Oper (s, 0, 6, i)\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - деление на ноль!");
  EXPECT_EQ(rig.Run(kDecl + "%Set s = \"1,5\"\n%Oper (s, 2, 6, i)\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - значение \"1,5\" не является числом!");
  // The integer operations still take integers only.
  EXPECT_EQ(rig.Run(kDecl + "%Oper (1, 4, 6, s)\n%Oper (s, 1, 0, i)\n"), Outcome::kFailed);
  EXPECT_EQ(rig.LastMessage(), "Ошибка - значение \"0.25\" не является целым числом!");
}

TEST(ScriptOper, reorderedDateKeepsEveryCharacter) {
  ScriptRig rig;
  rig.Run(kDecl + "%Oper (\"  1226\", 0, 12, s)\n%Oper (\"1226\", 0, 12, i)\n");
  EXPECT_EQ(rig.Variable("s"), "2612  ");
  EXPECT_EQ(rig.Variable("i"), "2612");
}

TEST(ScriptOper, overflowingArithmeticEndsTheRun) {
  const std::string big = "%Set s = \"9223372036854775807\"\n";
  const std::string least = "%Set s = \"-9223372036854775808\"\n%Set i = \"-1\"\n";
  const std::string cases[] = {
      big + "%Oper (s, 1, 0, i)\n",   big + "%Oper (s, 2, 2, i)\n",   big + "%Oper (0, s, 7, i)\n",
      least + "%Oper (s, i, 3, i)\n", least + "%Oper (s, 1, 1, i)\n",
  };
  for (const std::string& c : cases) {
    ScriptRig rig;
    EXPECT_EQ(rig.Run(kDecl + c), Outcome::kFailed) << c;
    EXPECT_EQ(rig.LastMessage(), "Ошибка - переполнение при вычислении!") << c;
  }
  ScriptRig rig;  // the remainder of that division fits
  EXPECT_EQ(rig.Run(kDecl + least + "%Oper (s, i, 4, i)\n"), Outcome::kEndOfFile);
  EXPECT_EQ(rig.Variable("i"), "0");
}

TEST(ScriptOper, failures) {
  const std::pair<std::string, std::string> cases[] = {
      {"%Oper (x, 1, 0, s)\n", "Ошибка первого параметра!"},
      {"%Oper (1, x, 0, s)\n", "Ошибка второго параметра!"},
      {"%Oper (1, 1, +, s)\n", "Ошибка операции!"},
      {"%Oper (\"1\", 1, 0, s)\n", "Ошибка операции!"},
      {"%Oper (1, 1, 0, t)\n", "Ошибка результата операции!"},
      {"%Oper (1, 0, 3, s)\n", "Ошибка - деление на ноль!"},
      {"%Oper (1, 0, 4, s)\n", "Ошибка - деление на ноль!"},
      {"%Set s = \"abc\"\n%Oper (s, 1, 0, i)\n",
       "Ошибка - значение \"abc\" не является целым числом!"},
  };
  for (const auto& [line, message] : cases) {
    ScriptRig rig;
    EXPECT_EQ(rig.Run(kDecl + line), Outcome::kFailed) << line;
    EXPECT_EQ(rig.LastMessage(), message) << line;
  }
}

TEST(ScriptRunCommand, sendsResolvedFieldsAndRetReadsTheReply) {
  ScriptRig rig;
  rig.Run(kDecl +
          "%Set s = \"731942\"\n"
          "%RunCommand (128, s)\n"
          "%Set i = %Ret9\n"
          "%Print %Ret0\n"
          "%Print i\n");
  EXPECT_EQ(rig.Variable("i"), "5");  // field 10: tax groups
  EXPECT_EQ(rig.host.log, (std::vector<std::string>{";%Ret0=Tesmar EMU-01", ";i=5"}));
  rig.host.log.clear();
  rig.Run(kDecl +
          "%RunCommand (128, \"731942\")\n%Print %Ret009\n%Oper (2, 3, 0000000000002, s)\n"
          "%Print s\n%Oper (2, 3, 00000000000000000099, s)\n%Print s\n");
  EXPECT_EQ(rig.host.log, (std::vector<std::string>{";%Ret009=5", ";s=6", ";s=6"}));
  ScriptRig bad;
  bad.Run(kDecl + "%RunCommand (128, x)\n");
  EXPECT_EQ(bad.LastMessage(), "Ошибка первого параметра!");
}

TEST(ScriptRet, readsTheProgramsLatestExchangeWhoeverSentIt) {
  ScriptRig rig;
  // An exchange the runner did not make: the 80h reply, field 1 the model.
  rig.driver.ExecuteCommand(0x80, "731942;");
  rig.Run(kDecl + "%Print %Ret0\n%Set s = %Ret0\n");
  EXPECT_EQ(rig.host.log, std::vector<std::string>{";%Ret0=Tesmar EMU-01"});
  EXPECT_EQ(rig.Variable("s"), "Tesmar EMU-01");
  // The runner's own exchange, then one from outside between two runs.
  rig.Run(kDecl + "%RunCommand (128, \"731942\")\n");
  rig.driver.ExecuteCommand(0x21, "731942;");
  const std::string date(rig.driver.Record().Field(0));
  ASSERT_FALSE(date.empty());
  rig.host.log.clear();
  rig.Run(kDecl + "%Print %Ret0\n");
  EXPECT_EQ(rig.host.log, std::vector<std::string>{";%Ret0=" + date});
}

// --- Continue, Step, Stop, Delay --------------------------------------------------------

TEST(ScriptContinueAndStep, resumeFromTheLineBox) {
  ScriptRig rig;
  rig.Write("60731942;\n61731942;one;\n;skip\n\n+note\n61731942;two;\n62731942;\n");
  EXPECT_EQ(rig.runner.Continue(rig.file.string(), 1), Outcome::kFailed);  // no receipt open
  rig.host.messages.clear();
  long line = 0;
  EXPECT_EQ(rig.runner.Step(rig.file.string(), line), Outcome::kStepDone);
  EXPECT_EQ(line, 1);
  EXPECT_EQ(rig.runner.Continue(rig.file.string(), line), Outcome::kEndOfFile);
  EXPECT_EQ(tesmar::link::Cp1251ToUtf8(rig.registrar.Tape()[1]), "one");
  EXPECT_EQ(tesmar::link::Cp1251ToUtf8(rig.registrar.Tape()[2]), "two");
  EXPECT_EQ(rig.host.lineNumber, 0);
  // Step over the comment ends the step; an empty line is passed over.
  line = 2;
  EXPECT_EQ(rig.runner.Step(rig.file.string(), line), Outcome::kStepDone);
  EXPECT_EQ(line, 3);
  EXPECT_EQ(rig.runner.Step(rig.file.string(), line), Outcome::kStepDone);
  EXPECT_EQ(line, 5);
  EXPECT_EQ(rig.host.log.back(), "Комментарий:: note!!!");
  line = 7;
  EXPECT_EQ(rig.runner.Step(rig.file.string(), line), Outcome::kEndOfFile);
  EXPECT_EQ(line, 0);
}

TEST(ScriptControl, stopEndsALongRunAndReentryIsRefused) {
  ScriptRig rig;
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "21731942;\n";
  rig.host.onEvents = [&] {
    if (rig.registrar.Executed(0x21) == 10) rig.runner.Stop();
    if (rig.host.events == 3) {
      EXPECT_EQ(rig.runner.Run(rig.file.string()), Outcome::kRefused);
      EXPECT_EQ(rig.LastMessage(), "Скрипт уже выполняется!");
    }
  };
  EXPECT_EQ(rig.Run(lines), Outcome::kStopped);
  EXPECT_EQ(rig.registrar.Executed(0x21), 10);
  EXPECT_FALSE(rig.runner.Running());
}

TEST(ScriptControl, stopEndsALoopOfStatementsAlone) {
  ScriptRig rig;
  rig.host.onEvents = [&] {
    if (rig.host.events == 1000) rig.runner.Stop();
  };
  EXPECT_EQ(rig.Run(kDecl + "%While (1==1)\n%Print i\n%EndWhile\n"), Outcome::kStopped);
  EXPECT_EQ(rig.runner.LinesRead(), 999);  // the line read last did not run
  EXPECT_EQ(rig.host.lineNumber, 999);
}

TEST(ScriptControl, delayGoesThroughTheSleepAndNoFileIsRefused) {
  ScriptRig rig;
  rig.Run("%Delay 250\n");
  EXPECT_EQ(rig.sleeper.waits, std::vector<int>{250});
  rig.host.messages.clear();
  EXPECT_EQ(rig.runner.Run(""), Outcome::kRefused);
  EXPECT_EQ(rig.LastMessage(), "Внимание! Файл не выбран!");
  rig.host.reopenOk = false;
  rig.Run("%SetSpeed 9600\n");
  EXPECT_EQ(rig.host.log.back(), "Ошибка подключения порта!");
  EXPECT_EQ(rig.sleeper.waits.back(), 500);
}

TEST(ScriptRunCommand, aCodeBeyondOneByteIsRefusedNotSentAsAnotherCommand) {
  // 416 is 1A0h and -96 is ...A0h in their low byte: neither is A0h.
  for (const std::string code : {"416", "-96"}) {
    ScriptRig rig;
    EXPECT_EQ(rig.Run(kDecl + "%RunCommand (" + code + ", \"731942\")\n"), Outcome::kFailed);
    EXPECT_EQ(rig.LastMessage(), tesmar::link::kCodeOutOfRangeMessage) << code;
    EXPECT_EQ(rig.registrar.Executed(0xA0), 0) << code;
    EXPECT_EQ(rig.session.Counters().requests, 0) << code;
  }
}

TEST(ScriptControl, setSpeedBeyondIntIsNotWrappedRoundToAnotherRate) {
  ScriptRig rig;
  rig.host.reopenOk = false;
  rig.Run("%SetSpeed 4294976896\n");  // 2^32 + 9600
  EXPECT_NE(rig.host.reopenedAt, 9600);
  EXPECT_EQ(rig.host.reopenedAt, INT_MAX);
  EXPECT_EQ(rig.host.log.front(), "SetSpeed Port=/dev/ttyS0  Speed=4294976896");
}
