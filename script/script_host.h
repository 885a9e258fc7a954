// What a script run shows and asks of the window (or the command line) that
// hosts it. Texts of messages are UTF-8; log lines are the raw bytes the
// registrar exchanged (Windows-1251, frames with their control bytes).
#pragma once

#include <string>

#include "link/reply_record.h"

namespace tesmar::script {

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;

  // A modal message with one OK button.
  virtual void Message(const std::string& utf8) = 0;
  // One line appended to the exchange log.
  virtual void Log(const std::string& bytes) = 0;

  // The single-command boxes: code, password, data (as read from the line).
  virtual void ShowCommand(const std::string& /*code*/, const std::string& /*password*/,
                           const std::string& /*data*/) {}
  // The error-code box and the status box ("80 80 80 80 80 80 " style).
  virtual void ShowReply(const std::string& /*errorCode*/, const std::string& /*status*/) {}
  // The line box "Ном. стр. скрипта:".
  virtual void ShowLineNumber(long /*n*/) {}
  // Variables grid: a row per declared variable, numbered from 1.
  virtual void VariableDeclared(int /*row*/, const std::string& /*name*/) {}
  virtual void VariableSet(int /*row*/, const std::string& /*value*/) {}
  // The reply of the last exchange became the last reply.
  virtual void ReplyReceived(const link::ReplyRecord& /*reply*/) {}

  // Lets the window process pending events (Stop, the check boxes).
  virtual void ProcessEvents() {}
  virtual void Repaint() {}

  // "Не выводить данные" and "Не перерисовывать форму".
  virtual bool SuppressOutput() { return false; }
  virtual bool NoRepaint() { return false; }

  // SetSpeed: closes the serial link and opens it again at `baud` on the
  // program's port; gives that port's name and whether the open succeeded.
  virtual bool ReopenSerial(int baud, std::string& port) = 0;
};

}  // namespace tesmar::script
