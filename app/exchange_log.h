// "Журнал обмена": every exchange of the program, whichever window sent it,
// kept as table rows with the request and reply frames.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QDateTime>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <deque>
#include <vector>

#include "link/exchange_observer.h"

namespace tesmar::app {

struct LoggedExchange {
  QDateTime time;
  int seq = 0;
  int code = 0;
  QString caption;
  QString parameters;
  QString errorCode;
  QString decoded;  // the decoder's text; empty when the reply was good
  QString status;   // six bytes, "80 80 80 80 80 80"
  int resends = 0;
  int synCount = 0;
  double milliseconds = 0;
  bool failed = false;
  QByteArray request, reply;
};

// The rows, newest last, at most `capacity` of them (the oldest go first),
// so a long script never grows memory without bound. Finished exchanges are
// handed to the views in batches, at most ten times a second, so that an
// open log window never slows a fast script down to its repaints.
class ExchangeLogModel : public QAbstractTableModel, public link::ExchangeObserver {
  Q_OBJECT
 public:
  enum Column {
    kTime,
    kSeq,
    kCode,
    kCaption,
    kParameters,
    kError,
    kText,
    kStatus,
    kResends,
    kDuration,
    kColumns
  };
  explicit ExchangeLogModel(size_t capacity = 100000, QObject* parent = nullptr);

  void ExchangeFinished(const link::ExchangeReport& report) override;
  // Adds one row at once (with any exchanges still waiting before it).
  void add(LoggedExchange row);
  // Hands the waiting exchanges to the views now.
  void flush();
  void clear();
  const LoggedExchange& at(int row) const { return rows_[static_cast<size_t>(row)]; }
  size_t capacity() const { return capacity_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

  // The cell text as the table shows it.
  QString text(int row, int column) const;

 private:
  void append(std::deque<LoggedExchange>& rows);

  std::deque<LoggedExchange> rows_;
  std::deque<LoggedExchange> pending_;
  QTimer flushTimer_;
  size_t capacity_;
};

// Rows of one command code (two hexadecimal digits; empty: all) and, when
// asked, the failed ones only.
class ExchangeLogFilter : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void setCode(int code);  // -1: any
  void setFailuresOnly(bool on);

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  int code_ = -1;
  bool failuresOnly_ = false;
};

// "0000  01 2A 20 ...  |.* ...|": sixteen bytes a line, the printable ones
// beside them as Windows-1251 shows them.
QString HexDump(const QByteArray& bytes);
// One CSV line (UTF-8 fields, quoted where needed).
QString CsvLine(const QStringList& cells);

}  // namespace tesmar::app
