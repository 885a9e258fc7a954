// Command line of tesmar-cli.
#pragma once

#include <string>
#include <vector>

#include "link/ini_profile.h"

namespace tesmar::cli {

struct Options {
  std::string port;  // empty: "Communication"/"Port" of tsinit.ini
  int baud = 0;      // 0: "Communication"/"Speed" of tsinit.ini, else 9600
  bool usb = false;
  bool json = false;
  std::string language;  // --lang; empty: tsinit.ini, then the locale
  std::string configDir = ".";
  std::string command;  // ports, send, run
  std::vector<std::string> args;
};

// Fills `o`; returns an empty text, or the reason the line is not usable.
std::string ParseOptions(int argc, char** argv, Options& o);

// Two hexadecimal digits, nothing else; -1 otherwise.
int ParseCommandCode(const std::string& text);

// The speed -b gives, else "Communication"/"Speed" of `ini` (9600 when the
// key is absent), in `baud`; or what is wrong with the configured one,
// naming the file and the key. Empty when it can be used.
std::string LineSpeed(int optionBaud, const link::IniProfile& ini, int& baud);

// The parameter string as typed (UTF-8) in Windows-1251 for the wire, in
// `wire`; or what is wrong with it (text that cannot be converted, or longer
// than a command can carry), naming it. Empty when it can be sent.
std::string WireParameters(const std::string& typed, std::string& wire);

// What is wrong with SCRIPT as a script file (a folder, a device), or empty.
// A file that is not there is left to the script runner to report.
std::string ScriptFileProblem(const std::string& path);

extern const char* kHelp;

}  // namespace tesmar::cli
