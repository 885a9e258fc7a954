// "Загрузка артикулов в регистратор": loads an article file into the shared
// article list, lets it be edited, and programs every line with 24h.
#pragma once

#include <memory>

#include "app/command_dialog.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace tesmar::sales {

class ArticleStore;

class ArticleUploadDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  ArticleUploadDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                      std::shared_ptr<ArticleStore> articles, QWidget* parent = nullptr);

  void loadFile();   // "Загрузить"
  void upload();     // "Записать в регистратор"
  void clearList();  // "Очистить"

  QPlainTextEdit* list() const { return list_; }
  QLabel* fileName() const { return fileName_; }
  QProgressBar* progress() const { return progress_; }
  QLabel* statusLine() const { return statusLine_; }
  QPushButton* uploadButton() const { return upload_; }

 private:
  void showStore();
  void keepEdits();

  std::shared_ptr<ArticleStore> articles_;
  QPlainTextEdit* list_;
  QLabel *fileName_, *statusLine_;
  QProgressBar* progress_;
  QPushButton* upload_;
  bool showing_ = false;  // the list is being filled from the store
  bool editing_ = false;  // the store is taking the list's edits
};

}  // namespace tesmar::sales
