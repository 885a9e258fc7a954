#include "service/logo_dialog.h"

#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "service/core/logo_bmp.h"
#include "service/core/logo_stream.h"
#include "link/service_formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTimeout = Tesmar::mark("Ошибка! Таймаут устройства!");
constexpr const char* kWriteError = Tesmar::mark("Ошибка записи логотипа");
// The 80h reply lacks the fields of the maximum sizes.
constexpr int kLogoBytesField = 7, kMaxWidthField = 8;  // of 80h, from 1

// The picture's size, or the registrar's maximum when that is smaller and
// known: lines of a logo the registrar then refuses would already have
// overwritten the one it keeps.
int UploadLimit(int picture, const QLabel* maximum) {
  const int known = maximum->text().toInt();
  return known > 0 ? std::min(picture, known) : picture;
}

QLabel* Value(const char* name) {
  auto* l = new QLabel;
  l->setObjectName(name);
  return l;
}
}  // namespace

std::vector<uint8_t> LogoStream(const QImage& image, int width, int height) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  return PackLogo(width, height,
                  [&](int x, int y) { return (rgb.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu; });
}

// The picture of a BMP file, read whole, or a null picture and why not.
QImage ReadLogoPicture(const QString& path, QString& error) {
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (!file.isOpen() || file.error() != QFileDevice::NoError) {
    error = QString(Tesmar::mark("Ошибка чтения файла %1: %2")).arg(path, file.errorString());
    return {};
  }
  const QString notBmp = Tesmar::mark("Файл ") + path + Tesmar::mark(" не читается как рисунок BMP!");
  const QString damaged = Tesmar::mark("Файл ") + path + Tesmar::mark(" поврежден: ");
  const QString notLoaded = Tesmar::mark(" Рисунок не загружен!");
  const BmpCheck check = CheckBmp(std::string_view(bytes.constData(), bytes.size()));
  switch (check.fault) {
    case BmpFault::kNone:
      break;
    case BmpFault::kNotBmp:
      error = notBmp;
      return {};
    case BmpFault::kCut:
      error = damaged + Tesmar::mark("данных рисунка в нём меньше, чем указано в его заголовке.") + notLoaded;
      return {};
    case BmpFault::kBrokenRle:
      error = damaged + Tesmar::mark("сжатые данные рисунка выходят за его края.") + notLoaded;
      return {};
    case BmpFault::kRleGaps:
      error = damaged + Tesmar::mark("сжатые данные рисунка задают не все его точки.") + notLoaded;
      return {};
  }
  QImage image = QImage::fromData(bytes, "BMP");
  if (image.isNull() || image.width() != check.width || image.height() != check.height) {
    error = notBmp;
    return {};
  }
  return image;
}

LogoDialog::LogoDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Программирования логотипа"), parent) {
  password_->setMaxLength(6);
  maxWidth_ = Value("maxWidth");
  maxHeight_ = Value("maxHeight");
  pictureWidth_ = Value("pictureWidth");
  pictureHeight_ = Value("pictureHeight");
  uploadWidth_ = new QLineEdit;
  uploadWidth_->setObjectName("uploadWidth");
  uploadHeight_ = new QLineEdit;
  uploadHeight_->setObjectName("uploadHeight");
  view_ = new QLabel;
  auto* viewGroup = new QGroupBox(Tesmar::mark("Вид логотипа"));
  (new QVBoxLayout(viewGroup))->addWidget(view_);
  progress_ = new QProgressBar;
  progress_->setRange(0, 1);
  progress_->setValue(0);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Пароль для программирования:"), password_);
  form->addRow(Tesmar::mark("Максимальный размер логотипа (по X, в пикселях):"), maxWidth_);
  form->addRow(Tesmar::mark("Максимальный размер логотипа (по Y, в пикселях):"), maxHeight_);
  form->addRow(Tesmar::mark("Размер рисунка (по X, в пикселях):"), pictureWidth_);
  form->addRow(Tesmar::mark("Размер рисунка (по Y, в пикселях):"), pictureHeight_);
  form->addRow(Tesmar::mark("Размер для загрузки (по X):"), uploadWidth_);
  form->addRow(Tesmar::mark("Размер для загрузки (по Y):"), uploadHeight_);
  auto* openButton = new QPushButton(Tesmar::mark("Открыть"));
  program_ = new QPushButton(Tesmar::mark("Программировать"));
  program_->setEnabled(false);
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  for (QPushButton* b : {openButton, program_, close}) b->setAutoDefault(false);
  connect(openButton, &QPushButton::clicked, this, &LogoDialog::open);
  connect(program_, &QPushButton::clicked, this, &LogoDialog::program);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(viewGroup);
  root->addWidget(progress_);
  root->addLayout(app::ButtonRow({openButton, program_}, close));
}

void LogoDialog::showEvent(QShowEvent* e) {
  CommandDialog::showEvent(e);
  activate();
}

void LogoDialog::activate() {
  // Sizes an earlier reply gave are no guide to this registrar.
  maxWidth_->clear();
  maxHeight_->clear();
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s =
      path_.send([&](link::Driver & d) -> auto& { return link::ReadDiagnostics(d, pwd); });
  if (!s.reply || !path_.judgeDirect(*s.reply, kTimeout, {}) ||
      !path_.requireFields(*s.reply, kMaxWidthField))
    return;
  const int bytes = app::FieldNumber(*s.reply, kLogoBytesField);
  const int width = app::FieldNumber(*s.reply, kMaxWidthField);
  maxWidth_->setText(app::FromWire(s.reply->Field(kMaxWidthField - 1)));
  maxHeight_->setText(QString::number(MaxLogoHeight(bytes, width)));
}

void LogoDialog::clearPicture() {
  image_ = QImage();
  view_->clear();
  program_->setEnabled(false);
  for (QLabel* l : {pictureWidth_, pictureHeight_}) l->clear();
  for (QLineEdit* e : {uploadWidth_, uploadHeight_}) e->clear();
}

void LogoDialog::open() {
  const QString file = ctx_.prompt.openFileName("", Tesmar::mark("BMP файл (*.BMP *.bmp)"));
  if (file.isEmpty()) return;
  QString error;
  const QImage image = ReadLogoPicture(file, error);
  if (image.isNull()) {
    clearPicture();
    ctx_.prompt.showMessage(error);
    return;
  }
  image_ = image;
  view_->setPixmap(QPixmap::fromImage(image_));
  program_->setEnabled(true);
  pictureWidth_->setText(QString::number(image_.width()));
  pictureHeight_->setText(QString::number(image_.height()));
  uploadWidth_->setText(QString::number(std::min(image_.width(), maxWidth_->text().toInt())));
  uploadHeight_->setText(QString::number(std::min(image_.height(), maxHeight_->text().toInt())));
}

bool LogoDialog::sendLines(const std::string& pwd, const std::vector<std::string>& lines) {
  for (size_t n = 0; n < lines.size(); ++n) {
    const app::Sent s = path_.send([&](link::Driver & d, int& result) -> auto& {
      return link::SetLogoLine(d, pwd, static_cast<int>(n), lines[n], result);
    });
    if (!s.reply || !path_.judgeDirect(*s.reply, kTimeout, kWriteError)) return false;
    progress_->setValue(std::min(progress_->maximum(), progress_->value() + kLogoLineBytes));
  }
  return true;
}

void LogoDialog::program() {
  std::string pwd;
  int w = 0, h = 0;
  // The upload area lies inside the picture: pixels beyond it do not exist.
  if (image_.isNull() || !typedPassword(pwd) ||
      !typedNumber(Tesmar::mark("Размер для загрузки (по X):"), uploadWidth_, w, 1,
                   UploadLimit(image_.width(), maxWidth_)) ||
      !typedNumber(Tesmar::mark("Размер для загрузки (по Y):"), uploadHeight_, h, 1,
                   UploadLimit(image_.height(), maxHeight_)))
    return;
  const std::vector<uint8_t> stream = LogoStream(image_, w, h);
  progress_->setRange(0, static_cast<int>(stream.size()));
  progress_->setValue(0);
  if (!sendLines(pwd, LogoLines(stream))) return;
  // The registrar takes or refuses the size only now.
  if (!path_.timedDecoded(
          kTimeout,
          kWriteError, [&](link::Driver & d) -> auto& { return link::FinishLogo(d, pwd, w, h); }))
    return;
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
  progress_->setValue(0);
}

}  // namespace tesmar::service
