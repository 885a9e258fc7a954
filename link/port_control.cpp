#include "link/port_control.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace tesmar::link {

namespace fs = std::filesystem;

namespace {

// A serial-core port reports its UART type; 0 means no hardware answers.
bool HasUart(const fs::path& ttyDir) {
  std::ifstream type(ttyDir / "type");
  if (!type) return true;  // not a serial-core port (USB serial, ACM)
  int value = 0;
  type >> value;
  return value != 0;
}

bool IsPresentSerialDevice(const fs::path& ttyDir) {
  std::error_code ec;
  if (!fs::exists(ttyDir / "device", ec)) return false;  // virtual consoles, ptys
  return HasUart(ttyDir);
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (std::isdigit(static_cast<unsigned char>(a[i])) &&
        std::isdigit(static_cast<unsigned char>(b[j]))) {
      size_t ie = i, je = j;
      while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie]))) ++ie;
      while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je]))) ++je;
      const std::string da = a.substr(i, ie - i), db = b.substr(j, je - j);
      const size_t za = da.find_first_not_of('0'), zb = db.find_first_not_of('0');
      const std::string va = za == std::string::npos ? "" : da.substr(za);
      const std::string vb = zb == std::string::npos ? "" : db.substr(zb);
      if (va.size() != vb.size()) return va.size() < vb.size();
      if (va != vb) return va < vb;
      i = ie;
      j = je;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

TPortControl::TPortControl(std::string sysfsRoot, std::string devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

int TPortControl::BeginEnumeratePorts() {
  if (enumerating_) return -27;
  index_ = 0;
  ports_.clear();
  std::error_code ec;
  fs::directory_iterator it(fs::path(sysfsRoot_) / "class" / "tty", ec);
  if (ec) return -27;
  std::vector<std::string> names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    if (IsPresentSerialDevice(it->path())) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), NaturalLess);
  for (const auto& n : names) ports_.push_back(devRoot_ + "/" + n);
  enumerating_ = true;
  return 0;
}

std::string TPortControl::EnumeratePorts() {
  if (!enumerating_ || index_ >= ports_.size()) {
    ports_.clear();
    return {};
  }
  return ports_[index_++];
}

int TPortControl::EndEnumeratePorts() {
  enumerating_ = false;
  index_ = 0;
  ports_.clear();
  return 0;
}

}  // namespace tesmar::link
