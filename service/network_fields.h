// What the remote access and the acquirer link windows share: the eight
// settings fields, filled from a D1h or FAh reply, and the judging of their
// replies (a time-out message of their own, then the decoder's text).
#pragma once

#include <QString>
#include <QStringList>

#include "app/command_path.h"
#include "service/network_text.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;

namespace tesmar::app {
class Prompt;
}

namespace tesmar::service {

inline constexpr const char* kTimeoutMessage = Tesmar::mark("Ошибка выполнения команды. Таймаут");
inline constexpr const char* kWrongDataMessage = app::kWrongReplyData;
inline constexpr const char* kSuccessMessage = Tesmar::mark("Успешно!");
inline constexpr const char* kRegistrarStateTitle = Tesmar::mark("Проверка состояния регистратора");
// The failure title of reading the settings (D1h, FAh).
inline constexpr const char* kReadSettingsTitle = Tesmar::mark("Проверка состояния удаленного доступа ");

struct NetworkFields {
  QCheckBox* dhcp;
  QLineEdit* ip;
  QLineEdit* mask;
  QLineEdit* gateway;
  QLineEdit* server;
  QLineEdit* port;
  QLineEdit* period;
  QLineEdit* retry;

  // `serverCaption` names field 5: the remote access server or the
  // acquirer's address.
  explicit NetworkFields(const QString& serverCaption);
  void addRows(QFormLayout* form);
  LinkTexts texts() const;
  void show(const LinkTexts& t);
  // Fills the fields from the eight reply fields in order; at the first
  // that is not in the encoding says so and stops, the rest left as they
  // were.
  bool fill(const link::ReplyRecord& r, app::Prompt& prompt);

 private:
  QString serverCaption_;
};

// The reply's data split at every ";" (one trailing ";" ends the last
// field). The driver's fields join an empty field to the one before it;
// these replies have empty fields (no date yet, no network password).
QStringList PlainFields(const link::ReplyRecord& r);

// No answer: `timeout` shown; else the decoded check under `title`.
bool JudgeReply(app::CommandPath& path, const app::Sent& sent, const QString& timeout,
                const QString& title);

}  // namespace tesmar::service
