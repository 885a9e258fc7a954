#include "sales/article_store.h"

#include <QFile>
#include <QStringDecoder>

#include "sales/article_upload.h"

namespace tesmar::sales {

QString ArticleText(std::string_view bytes) {
  // Qt's Windows-1251 table gives 98h, the one byte without a character,
  // U+0098, which its encoder turns back into 98h: a line read here goes
  // back to the wire byte for byte.
  QStringDecoder decode("windows-1251");
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool ArticleStore::load(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QString(Tesmar::mark("Не удалось открыть файл %1: %2")).arg(path, file.errorString());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = QString(Tesmar::mark("Ошибка чтения файла %1: %2")).arg(path, file.errorString());
    return false;
  }
  QStringList lines;
  for (const std::string& line :
       ArticleFileLines(std::string_view(bytes.constData(), bytes.size())))
    lines << ArticleText(line);
  path_ = path;
  lines_ = lines;
  emit changed();
  return true;
}

void ArticleStore::setLines(const QStringList& lines) {
  lines_ = lines;
  emit changed();
}

}  // namespace tesmar::sales
