// The article file of the sales windows: the upload window loads and edits
// it, the receipt window offers its lines as the goods list. One store is
// shared by both windows of a main window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string_view>

namespace tesmar::sales {

// An article line's bytes as text on the screen. Every byte keeps a
// character of its own, so the Windows-1251 form of the text is the bytes
// again (what FromWire shows as "?" included).
QString ArticleText(std::string_view bytes);

class ArticleStore : public QObject {
  Q_OBJECT

 public:
  bool loaded() const { return !path_.isEmpty(); }
  const QString& path() const { return path_; }
  // The lines as text on the screen (the file is Windows-1251); each goes
  // back to the file's bytes unchanged.
  const QStringList& lines() const { return lines_; }

  // Reads `path` as the article file: every line, without its line end, a
  // last empty line after the final line end dropped. On failure the store
  // is unchanged and `error` says why.
  bool load(const QString& path, QString& error);
  // The lines as edited in the upload window.
  void setLines(const QStringList& lines);

 signals:
  void changed();

 private:
  QString path_;
  QStringList lines_;
};

}  // namespace tesmar::sales
