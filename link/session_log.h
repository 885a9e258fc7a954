// The session log: every request and reply, and the opening and closing of
// the serial link, appended to a Windows-1251 text file with CR LF line ends.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace tesmar::link {

class SessionLog {
 public:
  using Clock = std::function<std::tm()>;  // local time of the moment of writing
  using CurrentDirectory = std::function<std::string()>;

  SessionLog();

  // Copies the name (at most 299 characters). Empty turns logging off.
  void SetLogFileName(std::string_view name);
  // Whether entries are written at all (a name is set).
  bool Enabled() const { return !name_.empty(); }
  // "No" in tsinit.ini turns the comment lines off.
  void SetComments(bool on) { comments_ = on; }
  bool Comments() const { return comments_; }

  // One entry: empty `first` is the session start, empty `second` the
  // session end, anything else a time-stamp line with `first` (unless
  // comments are off) followed by `second` as it stands.
  void WriteLogEntry(std::string_view first, std::string_view second);

  // A reply entry: the time-stamp line with `first`, then `raw` as received,
  // even when nothing was received. Left out when comments are off.
  void WriteReplyEntry(std::string_view first, std::string_view raw);

  // The file the entries go to; empty until the first entry fixed it.
  const std::string& Path() const { return path_; }

  void SetClock(Clock clock) { clock_ = std::move(clock); }
  void SetCurrentDirectory(CurrentDirectory cwd) { cwd_ = std::move(cwd); }

 private:
  void FixPath();
  void Append(const std::string& text);

  std::string name_;
  std::string path_;
  bool comments_ = true;
  Clock clock_;
  CurrentDirectory cwd_;
};

}  // namespace tesmar::link
