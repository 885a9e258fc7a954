#include "app/exchange_log.h"

#include <QColor>
#include <QRegularExpression>

#include "link/command_table.h"
#include "link/reply_decoder.h"
#include "app/wire_text.h"

namespace tesmar::app {

namespace {

const char* const kHeaders[ExchangeLogModel::kColumns] = {
    Tesmar::mark("Время"),  "SEQ",         Tesmar::mark("Код"),    Tesmar::mark("Команда"),  Tesmar::mark("Параметры"),
    Tesmar::mark("Ошибка"), Tesmar::mark("Расшифровка"), Tesmar::mark("Статус"), Tesmar::mark("Повторов"), Tesmar::mark("мс")};

QString StatusText(const link::ReplyRecord& r) {
  QStringList bytes;
  for (uint8_t b : r.status) bytes << QString("%1").arg(b, 2, 16, QChar('0')).toUpper();
  return bytes.join(' ');
}

QByteArray Bytes(std::string_view s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

constexpr int kFlushIntervalMs = 100;

ExchangeLogModel::ExchangeLogModel(size_t capacity, QObject* parent)
    : QAbstractTableModel(parent), capacity_(capacity > 0 ? capacity : 1) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kFlushIntervalMs);
  connect(&flushTimer_, &QTimer::timeout, this, &ExchangeLogModel::flush);
}

void ExchangeLogModel::ExchangeFinished(const link::ExchangeReport& r) {
  LoggedExchange e;
  e.time = QDateTime::fromMSecsSinceEpoch(
      std::chrono::duration_cast<std::chrono::milliseconds>(r.started.time_since_epoch()).count());
  e.seq = r.seq;
  e.code = r.code;
  e.caption = QString::fromUtf8(link::CommandCaption(r.code));
  e.parameters = FromWire(r.parameters);
  e.resends = r.resends;
  e.synCount = static_cast<int>(r.synCount);
  e.milliseconds = std::chrono::duration<double, std::milli>(r.duration).count();
  e.request = Bytes(r.request);
  e.reply = Bytes(r.reply);
  if (r.record && r.replyAwaited) {
    e.errorCode = FromWire(r.record->errorCode.View());
    const link::DecodedReply d = link::DecodeReplyError(*r.record);
    e.decoded = QString::fromStdString(d.text);
    e.failed = !d.ok;
    e.status = StatusText(*r.record);
  } else {
    e.decoded = Tesmar::mark("ответ не ожидается");
  }
  pending_.push_back(std::move(e));
  if (pending_.size() > capacity_) pending_.pop_front();
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void ExchangeLogModel::add(LoggedExchange row) {
  pending_.push_back(std::move(row));
  flush();
}

void ExchangeLogModel::flush() {
  flushTimer_.stop();
  if (!pending_.empty()) append(pending_);
  pending_.clear();
}

void ExchangeLogModel::append(std::deque<LoggedExchange>& rows) {
  const size_t keep = std::min(rows.size(), capacity_);
  const size_t drop = rows_.size() + keep > capacity_ ? rows_.size() + keep - capacity_ : 0;
  if (drop > 0) {
    beginRemoveRows({}, 0, static_cast<int>(drop) - 1);
    rows_.erase(rows_.begin(), rows_.begin() + static_cast<long>(drop));
    endRemoveRows();
  }
  const int at = static_cast<int>(rows_.size());
  beginInsertRows({}, at, at + static_cast<int>(keep) - 1);
  for (size_t i = rows.size() - keep; i < rows.size(); ++i) rows_.push_back(std::move(rows[i]));
  endInsertRows();
}

void ExchangeLogModel::clear() {
  beginResetModel();
  rows_.clear();
  pending_.clear();
  endResetModel();
}

int ExchangeLogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ExchangeLogModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QString ExchangeLogModel::text(int row, int column) const {
  const LoggedExchange& e = at(row);
  switch (column) {
    case kTime:
      return e.time.toString("HH:mm:ss.zzz");
    case kSeq:
      return QString::number(e.seq);
    case kCode:
      return QString("%1").arg(e.code, 2, 16, QChar('0')).toUpper();
    case kCaption:
      return e.caption;
    case kParameters:
      return e.parameters;
    case kError:
      return e.errorCode;
    case kText:
      return e.decoded;
    case kStatus:
      return e.status;
    case kResends:
      return QString::number(e.resends);
    case kDuration:
      return QString::number(e.milliseconds, 'f', 1);
  }
  return {};
}

QVariant ExchangeLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return text(index.row(), index.column());
  if (role == Qt::ForegroundRole && at(index.row()).failed) return QColor(Qt::darkRed);
  return {};
}

QVariant ExchangeLogModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns)
    return {};
  return QString::fromUtf8(kHeaders[section]);
}

void ExchangeLogFilter::setCode(int code) {
  code_ = code;
  invalidateFilter();
}

void ExchangeLogFilter::setFailuresOnly(bool on) {
  failuresOnly_ = on;
  invalidateFilter();
}

bool ExchangeLogFilter::filterAcceptsRow(int row, const QModelIndex&) const {
  const auto* m = static_cast<const ExchangeLogModel*>(sourceModel());
  const LoggedExchange& e = m->at(row);
  return (code_ < 0 || e.code == code_) && (!failuresOnly_ || e.failed);
}

QString HexDump(const QByteArray& bytes) {
  QString out;
  for (qsizetype at = 0; at < bytes.size(); at += 16) {
    const QByteArray line = bytes.mid(at, 16);
    QString hex, text;
    for (char c : line) {
      const auto b = static_cast<uint8_t>(c);
      hex += QString("%1 ").arg(b, 2, 16, QChar('0')).toUpper();
      text += b >= 0x20 && b != 0x7F ? FromWire(std::string_view(&c, 1)) : QString(".");
    }
    out += QString("%1  %2 |%3|\n").arg(at, 4, 16, QChar('0')).arg(hex, -48).arg(text);
  }
  return out;
}

QString CsvLine(const QStringList& cells) {
  QStringList quoted;
  for (QString c : cells) {
    if (c.contains(QRegularExpression("[\",\\n\\r;]"))) c = '"' + c.replace('"', "\"\"") + '"';
    quoted << c;
  }
  return quoted.join(',');
}

}  // namespace tesmar::app
