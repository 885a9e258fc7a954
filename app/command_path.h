// The one way a window sends a command and judges its reply.
//
// A window hands a formatter call to a `CommandPath`; the path sends it (a
// formatter's refusal comes back as its value and nothing is sent), makes
// `LastReply` refer to the reply, fills the window's error-code box, enables
// its "Состояние регистратора" button, and judges the reply in one of two
// ways: the direct check (time-out message, then an error message for a
// code other than "0000") or the decoded check (the decoder's text behind
// the step's title). No window repeats that judging.
#pragma once

#include <QString>
#include <type_traits>

#include "app/app_context.h"
#include "link/reply_record.h"

class QLineEdit;
class QWidget;

namespace tesmar::app {

// The access password that some steps always send, and that every
// "Пароль:" field starts with.
inline constexpr const char* kDefaultPassword = "731942";

// A reply the registrar accepted whose data the window cannot read (fewer
// result fields than it reads, or a field out of its form).
inline constexpr const char* kWrongReplyData =
    Tesmar::mark("Информация переданная регистратором неверна. Чтение данных остановлено.");

// What became of one command.
struct Sent {
  const link::ReplyRecord* reply = nullptr;  // nullptr: nothing went out
  link::Outcome outcome;                     // what the command came to
  int refusal = 0;                           // the formatter's negative result
  bool ok = false;                           // the reply passed the check asked for
  explicit operator bool() const { return ok; }
};

class CommandPath {
 public:
  explicit CommandPath(AppContext& ctx, QLineEdit* errorBox = nullptr,
                       QWidget* statusButton = nullptr)
      : ctx_(ctx), errorBox_(errorBox), statusButton_(statusButton) {}

  void setErrorBox(QLineEdit* box) { errorBox_ = box; }
  void setStatusButton(QWidget* button) { statusButton_ = button; }

  // Sends without judging. `send` is a formatter call: `(Driver&)` or
  // `(Driver&, int& result)` returning the reply record.
  template <class Send>
  Sent send(Send&& s) {
    int refusal = 0;
    const link::ReplyRecord* r = nullptr;
    if constexpr (std::is_invocable_v<Send, link::Driver&, int&>)
      r = &s(ctx_.driver, refusal);
    else
      r = &s(ctx_.driver);
    return finish(r, refusal);
  }

  // The decoded check: on failure `title` + ":\n  " + the decoder's text,
  // or the text alone when `title` is empty.
  template <class Send>
  Sent decoded(const QString& title, Send&& s) {
    Sent out = send(std::forward<Send>(s));
    if (out.reply) out.ok = judgeDecoded(*out.reply, title);
    return out;
  }

  // The direct check: `timeoutText` when no answer came, `errorText` when
  // the registrar refused (an empty text is not shown); a NAK, a damaged
  // reply or a lost answer shows the outcome's own text.
  template <class Send>
  Sent direct(const QString& timeoutText, const QString& errorText, Send&& s) {
    Sent out = send(std::forward<Send>(s));
    if (out.reply) out.ok = judgeDirect(*out.reply, timeoutText, errorText);
    return out;
  }

  // The decoded check with the step's own text for a reply that never came.
  template <class Send>
  Sent timedDecoded(const QString& timeoutText, const QString& title, Send&& s) {
    Sent out = send(std::forward<Send>(s));
    if (out.reply) out.ok = judgeDecoded(*out.reply, title, timeoutText);
    return out;
  }

  // The judging alone, for a reply the window already has. With a
  // `timeoutText`, a reply that never came shows it instead of the
  // decoder's time-out text, and the line's other failures show their own
  // text without the title.
  bool judgeDecoded(const link::ReplyRecord& r, const QString& title,
                    const QString& timeoutText = {});
  bool judgeDirect(const link::ReplyRecord& r, const QString& timeoutText,
                   const QString& errorText);
  // Whether an accepted reply carries the `count` result fields a window
  // reads; when it does not, says the data are wrong (kWrongReplyData), so
  // that no field of an older reply is shown as this one's.
  bool requireFields(const link::ReplyRecord& r, int count);

  AppContext& context() { return ctx_; }

 private:
  Sent finish(const link::ReplyRecord* r, int refusal);
  bool showDriverMessage(const link::ReplyRecord& r);

  AppContext& ctx_;
  QLineEdit* errorBox_;
  QWidget* statusButton_;
};

// "Title:\n  text", the program's way of showing a decoded failure.
QString TitledFailure(const QString& title, const std::string& decodedText);

}  // namespace tesmar::app
