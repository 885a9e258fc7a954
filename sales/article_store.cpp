#include "article_store.h"

#include <QFile>

#include "wire_text.h"

namespace tesmar::sales {

bool ArticleStore::load(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QString("Не удалось открыть файл %1: %2").arg(path, file.errorString());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = QString("Ошибка чтения файла %1: %2").arg(path, file.errorString());
    return false;
  }
  QStringList lines;
  for (QByteArray line : bytes.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    lines << app::FromWire(std::string_view(line.constData(), line.size()));
  }
  if (!lines.isEmpty() && lines.last().isEmpty() && bytes.endsWith('\n')) lines.removeLast();
  if (bytes.isEmpty()) lines.clear();
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
