// "Программирования логотипа": loads a BMP file, shows it, cuts it to the
// size the registrar allows and uploads it line by line (29h, then 31h).
#pragma once

#include <QImage>

#include "app/command_dialog.h"

class QLabel;
class QProgressBar;

namespace tesmar::service {

// The upload stream of `image`'s top left `width` x `height` pixels: every
// pixel that is not pure white prints.
std::vector<uint8_t> LogoStream(const QImage& image, int width, int height);

// The picture of the BMP file `path`, read whole; a null picture, with
// `error` naming the file and the fault, when the file cannot be read, is
// no BMP, or is cut or damaged.
QImage ReadLogoPicture(const QString& path, QString& error);

class LogoDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  LogoDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void activate();  // on showing: the registrar's maximum sizes (80h)
  void open();      // "Открыть"
  void program();   // "Программировать"

  QLabel* maxWidth() const { return maxWidth_; }
  QLabel* maxHeight() const { return maxHeight_; }
  QLabel* pictureWidth() const { return pictureWidth_; }
  QLabel* pictureHeight() const { return pictureHeight_; }
  QLineEdit* uploadWidth() const { return uploadWidth_; }
  QLineEdit* uploadHeight() const { return uploadHeight_; }
  QProgressBar* progress() const { return progress_; }
  QPushButton* programButton() const { return program_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool sendLines(const std::string& pwd, const std::vector<std::string>& lines);
  void clearPicture();  // after a failed open: nothing to program

  QLabel* maxWidth_;
  QLabel* maxHeight_;
  QLabel* pictureWidth_;
  QLabel* pictureHeight_;
  QLineEdit* uploadWidth_;
  QLineEdit* uploadHeight_;
  QLabel* view_;
  QProgressBar* progress_;
  QPushButton* program_;
  QImage image_;
};

}  // namespace tesmar::service
