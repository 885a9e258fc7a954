#include "cli/reply_output.h"

#include <cstdio>

#include "link/encoding.h"
#include "link/reply_decoder.h"

namespace tesmar::cli {

namespace {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Text(std::string_view cp1251) {
  return link::Cp1251ToUtf8(cp1251);
}

std::string StatusPairs(const link::ReplyRecord& r, const char* sep, bool quoted) {
  std::string out;
  for (size_t i = 0; i < r.status.size(); ++i) {
    char b[8];
    std::snprintf(b, sizeof b, quoted ? "\"%02X\"" : "%02X", r.status[i]);
    if (i) out += sep;
    out += b;
  }
  return out;
}

}  // namespace

int ExitStatusFor(const link::Outcome& outcome) {
  if (outcome.ok()) return kExitOk;
  if (outcome.kind == link::OutcomeKind::kRefused) return kExitRefused;
  if (outcome.mayHaveRun()) return kExitUnknown;
  return kExitNoAnswer;
}

int RunExitStatus(script::Outcome run, link::OutcomeKind lastCommand) {
  if (run == script::Outcome::kEndOfFile) return kExitOk;
  // A command that may have run always ends the run at once: it is the failure.
  if (run == script::Outcome::kFailed && link::Outcome{lastCommand}.mayHaveRun())
    return kExitUnknown;
  return 1;
}

std::string ReplyAsJson(const link::ReplyRecord& r) {
  char code[8], flags[16];
  std::snprintf(code, sizeof code, "%02X", r.commandCode & 0xFF);
  std::snprintf(flags, sizeof flags, "%08X", r.flags);
  std::string fields;
  for (int i = 0; i < r.fieldCount; ++i) fields += (i ? "," : "") + JsonString(Text(r.Field(i)));
  auto boolean = [](bool b) { return b ? "true" : "false"; };
  return std::string("{") + "\"code\":\"" + code + "\"," + "\"sent\":\"" +
         link::HexBytes(r.sentFrame.View()) + "\"," + "\"raw\":\"" +
         link::HexBytes(r.rawReply.View()) + "\"," +
         "\"error\":" + JsonString(Text(r.errorCode.View())) + "," +
         "\"data\":" + JsonString(Text(r.dataText.View())) + "," + "\"fields\":[" + fields + "]," +
         "\"status\":[" + StatusPairs(r, ",", true) + "]," + "\"flags\":\"" + flags + "\"," +
         "\"timeout\":" + boolean(r.flags & link::kFlagNoAnswer) + "," +
         "\"nak\":" + boolean(r.flags & link::kFlagNak) + "," +
         "\"checksum_error\":" + boolean(r.flags & link::kFlagChecksum) + "," +
         "\"outcome\":\"" + std::string(link::OutcomeName(r.outcome)) + "\"}";
}

std::string ReplyAsText(const link::ReplyRecord& r, const link::TextCatalog& texts) {
  std::string out = texts.Translate(r.caption) + "\n";
  out += texts.Translate(Tesmar::mark("Код ошибки: ")) + Text(r.errorCode.View()) + "\n";
  out += texts.Translate(Tesmar::mark("Данные: ")) + Text(r.dataText.View()) + "\n";
  for (int i = 0; i < r.fieldCount; ++i)
    out += "  " + std::to_string(i + 1) + ": " + Text(r.Field(i)) + "\n";
  out += texts.Translate(Tesmar::mark("Статус: ")) + StatusPairs(r, " ", false) + "\n";
  const link::DecodedReply d = link::DecodeReplyError(r);
  if (!d.ok && !d.text.empty()) out += texts.Translate(d.text) + "\n";
  return out;
}

}  // namespace tesmar::cli
