// Command line of tesmar-cli.
#pragma once

#include <string>
#include <vector>

namespace tesmar::cli {

struct Options {
  std::string port;  // empty: "Communication"/"Port" of tsinit.ini
  int baud = 0;      // 0: "Communication"/"Speed" of tsinit.ini, else 9600
  bool usb = false;
  bool json = false;
  std::string configDir = ".";
  std::string command;  // ports, send, run
  std::vector<std::string> args;
};

// Fills `o`; returns an empty text, or the reason the line is not usable.
std::string ParseOptions(int argc, char** argv, Options& o);

// Two hexadecimal digits, nothing else; -1 otherwise.
int ParseCommandCode(const std::string& text);

extern const char* kHelp;

}  // namespace tesmar::cli
