// "Монитор для фискального регистратора + запуск скриптов": single commands
// by hand, the exchange log, saved lines, and the script runner's controls.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/app_context.h"
#include "script/script_host.h"
#include "script/script_runner.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace tesmar::app {
class StatusBytesDialog;
class VariablesWindow;
}  // namespace tesmar::app

namespace tesmar::script {

// What the monitor needs of the main window: its port box and speed list.
struct MainWindowLink {
  std::function<QString()> currentPort;
  std::function<void(int)> selectSpeed;
};

class MonitorWindow : public QDialog, private ScriptHost {
  Q_OBJECT
 public:
  MonitorWindow(app::AppContext& ctx, app::StatusBytesDialog& status,
                app::VariablesWindow& variables, MainWindowLink main, QWidget* parent = nullptr);
  ~MonitorWindow() override;

  // Buttons and keys.
  void executeSingle(bool enterVariant);   // "Выполнить" (group) / Enter in the data box
  void repeat();                           // "Повторить команду"
  void addToList();                        // "В список"
  void useSavedLine(const QString& line);  // double click on a saved line
  void openFile();                         // "Открыть файл"
  void run();                              // "Выполнить" (bottom row)
  void stop();                             // "Стоп"
  void continueRun();                      // "Продолжить"
  void step();                             // "Шаг"
  void showVariables();                    // "Переменные"

  QLineEdit* codeBox() const { return code_; }
  QLineEdit* passwordBox() const { return password_; }
  QLineEdit* dataBox() const { return data_; }
  QLineEdit* errorBox() const { return error_; }
  QLineEdit* statusBox() const { return status_; }
  QLineEdit* lineBox() const { return lineBox_; }
  QComboBox* fileList() const { return files_; }
  QListWidget* savedLines() const { return saved_; }
  QPlainTextEdit* log() const { return log_; }
  QPushButton* executeButton() const { return execute_; }
  QCheckBox* noOutput() const { return noOutput_; }
  QCheckBox* noRepaint() const { return noRepaint_; }
  QStringList recentScripts() const { return recent_; }
  int commandCode() const { return commandCode_; }
  ScriptRunner& runner() { return *runner_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  // ScriptHost
  void Message(const std::string& utf8) override;
  void Log(const std::string& bytes) override;
  void ShowCommand(const std::string& code, const std::string& password,
                   const std::string& data) override;
  void ShowReply(const std::string& errorCode, const std::string& status) override;
  void ShowLineNumber(long n) override;
  void VariableDeclared(int row, const std::string& name) override;
  void VariableSet(int row, const std::string& value) override;
  void ReplyReceived(const link::ReplyRecord& reply) override;
  void ProcessEvents() override;
  void Repaint() override;
  bool SuppressOutput() override;
  bool NoRepaint() override;
  bool ReopenSerial(int baud, std::string& port) override;

  void codeChanged();
  void updateExecuteButton();
  void convertCode();
  bool replyFailed(const link::ReplyRecord* r);
  void appendLog(const QString& line);
  void readRecentScripts();
  void writeRecentScripts();
  int numFiles() const;
  QString currentFile() const;

  app::AppContext& ctx_;
  app::StatusBytesDialog& statusDialog_;
  app::VariablesWindow& variables_;
  // Null once the variables window is gone: when the main window closes, it
  // may delete that window before this one.
  QPointer<app::VariablesWindow> variablesAlive_;
  MainWindowLink main_;
  std::unique_ptr<ScriptRunner> runner_;
  int commandCode_ = 0;
  QStringList recent_;
  QString currentFile_;

  QPlainTextEdit* log_;
  QLineEdit *code_, *password_, *data_, *error_, *status_, *lineBox_;
  QListWidget* saved_;
  QComboBox* files_;
  QCheckBox *noOutput_, *noRepaint_;
  QPushButton *execute_, *toList_, *openFile_;
};

}  // namespace tesmar::script
