// "Параметры связи": the modem's link to the acquirer, read (FAh), set (FBh),
// printed (A6h kind 3 in a service document), loaded from and saved to a
// text file of one value a line.
#pragma once

#include "app/command_dialog.h"
#include "service/network_fields.h"

namespace tesmar::service {

inline constexpr const char* kNoFileMessage = Tesmar::mark("Файл не выбран. Ошибка.");
inline constexpr const char* kSettingsFileFilter = Tesmar::mark("Текстовые файлы (*.txt);;Все файлы (*)");

class AcquirerLinkDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  AcquirerLinkDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void readSettings();   // "Прочитать настройки сети"
  void setSettings();    // "Установить настройки сети"
  void printSettings();  // "Печатать настроек сети"
  void loadFromFile();   // "Загрузить из файла"
  void saveToFile();     // "Сохранить в файл"
  NetworkFields& fields() { return fields_; }

 private:
  bool judged(const app::Sent& s);
  NetworkFields fields_;
};

}  // namespace tesmar::service
