#include <gtest/gtest.h>

#include "cli_options.h"
#include "encoding.h"
#include "reply_output.h"

using namespace tesmar;

namespace {

std::string Parse(std::vector<std::string> args, cli::Options& o) {
  std::vector<char*> argv{const_cast<char*>("tesmar-cli")};
  for (auto& a : args) argv.push_back(a.data());
  return cli::ParseOptions(static_cast<int>(argv.size()), argv.data(), o);
}

}  // namespace

TEST(CliOptions, sendWithPortSpeedConfigAndJson) {
  cli::Options o;
  EXPECT_EQ(Parse({"-p", "/dev/ttyUSB0", "-b", "115200", "--config", "/etc/t", "--json", "send",
                   "a0", "731942;"},
                  o),
            "");
  EXPECT_EQ(o.port, "/dev/ttyUSB0");
  EXPECT_EQ(o.baud, 115200);
  EXPECT_EQ(o.configDir, "/etc/t");
  EXPECT_TRUE(o.json);
  EXPECT_EQ(o.command, "send");
  EXPECT_EQ(cli::ParseCommandCode(o.args[0]), 0xA0);
}

TEST(CliOptions, badUsageIsNamed) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "no command given"},
      {{"-q"}, "unknown option -q"},
      {{"-b", "12345", "send", "80"}, "unsupported speed 12345"},
      {{"-p"}, "option -p needs a value"},
      {{"send"}, "send needs CODE and optionally PARAMS"},
      {{"send", "8", "x"}, "command code must be two hexadecimal digits: 8"},
      {{"send", "G0"}, "command code must be two hexadecimal digits: G0"},
      {{"send", "800"}, "command code must be two hexadecimal digits: 800"},
      {{"ports", "x"}, "ports takes no arguments"},
      {{"dance"}, "unknown command dance"},
  };
  for (const auto& [args, message] : cases) {
    cli::Options o;
    EXPECT_EQ(Parse(args, o), message);
  }
}

TEST(CliOutput, jsonCarriesEveryFieldInUtf8AndEscapes) {
  link::ReplyRecord r;
  r.commandCode = 0x80;
  r.errorCode.Assign("0000");
  r.dataText.Assign(link::Utf8ToCp1251("Модель \"X\";1.0;"));
  r.SetFields(link::Utf8ToCp1251("Модель \"X\";1.0;"));
  r.status = {0x01, 0, 0, 0, 0, 0x10};
  r.sentFrame.Assign(std::string_view("\x01\x2B", 2));
  r.rawReply.Assign(std::string_view("\x15", 1));
  r.flags = 0x00000010;
  EXPECT_EQ(cli::ReplyAsJson(r),
            "{\"code\":\"80\",\"sent\":\"012B\",\"raw\":\"15\",\"error\":\"0000\","
            "\"data\":\"Модель \\\"X\\\";1.0;\",\"fields\":[\"Модель \\\"X\\\"\",\"1.0\"],"
            "\"status\":[\"01\",\"00\",\"00\",\"00\",\"00\",\"10\"],\"flags\":\"00000010\","
            "\"timeout\":false,\"nak\":false,\"checksum_error\":false}");
  EXPECT_EQ(cli::ExitStatusFor(r), 0);
  r.errorCode.Assign("0006");
  EXPECT_EQ(cli::ExitStatusFor(r), 1);
  r.flags = link::kFlagNak;
  EXPECT_EQ(cli::ExitStatusFor(r), 2);
  EXPECT_NE(cli::ReplyAsJson(r).find("\"nak\":true"), std::string::npos);
}
