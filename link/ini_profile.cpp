#include "link/ini_profile.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "link/atomic_file.h"
#include "link/encoding.h"
#include "link/platform.h"

namespace tesmar::link {

namespace {

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return std::string(s.substr(b, e - b));
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// "[name]" -> name; empty when the line is not a section header.
bool SectionName(const std::string& line, std::string& name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  name = Trim(std::string_view(t).substr(1, t.size() - 2));
  return true;
}

bool KeyValue(const std::string& line, std::string& key, std::string& value) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(std::string_view(line).substr(0, eq));
  value = Trim(std::string_view(line).substr(eq + 1));
  return !key.empty() && key[0] != ';';
}

// A value as the file holds it, cut to `limit` bytes, in UTF-8: as it
// stands when its bytes are UTF-8 (cut between characters), else read as
// Windows-1251.
std::string ValueText(std::string_view bytes, size_t limit) {
  if (IsUtf8(bytes)) return std::string(Utf8Prefix(bytes, limit));
  return Cp1251ToUtf8(bytes.substr(0, limit));
}

bool Fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

// `value` (UTF-8) as the file's lines hold text: Windows-1251 when some
// line is not UTF-8.
bool ValueBytes(const std::vector<std::string>& lines, std::string_view value, std::string& out,
                std::string* error) {
  if (!IsUtf8(value)) return Fail(error, "the value is not UTF-8 text");
  for (const std::string& l : lines)
    if (!IsUtf8(l)) {
      Cp1251Text c = Utf8ToCp1251Exact(value);
      if (!c.ok) return Fail(error, "the value has a character the Windows-1251 file cannot hold");
      out = std::move(c.text);
      return true;
    }
  out = std::string(value);
  return true;
}

}  // namespace

int ParseLeadingInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;
  }
  return static_cast<int>(negative ? -value : value);
}

bool IniProfile::Exists() const {
  return platform::FileExists(path_);
}

std::string IniProfile::GetString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue, size_t bufferSize) const {
  if (bufferSize == 0) return {};
  std::string k, v, name;
  bool inSection = false;
  for (const std::string& line : ReadLines(path_)) {
    if (SectionName(line, name)) {
      inSection = SameText(name, section);
      continue;
    }
    if (inSection && KeyValue(line, k, v) && SameText(k, key)) {
      // Matching quotes around a value are taken off, as Windows does.
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return ValueText(v, bufferSize - 1);
    }
  }
  return std::string(Utf8Prefix(defaultValue, bufferSize - 1));
}

int IniProfile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  const std::string marker =
      "\x01"
      "absent"
      "\x01";
  const std::string v = GetString(section, key, marker);
  return v == marker ? defaultValue : ParseLeadingInt(v);
}

bool IniProfile::WriteString(std::string_view section, std::string_view key, std::string_view value,
                             std::string* error) {
  std::vector<std::string> lines = ReadLines(path_);
  std::string bytes;
  if (!ValueBytes(lines, value, bytes, error)) return false;
  std::string name, k, v;
  int sectionLine = -1, insertAt = -1;
  bool written = false;
  for (size_t i = 0; i < lines.size() && !written; ++i) {
    if (SectionName(lines[i], name)) {
      if (sectionLine >= 0) break;  // the section ended without the key
      if (SameText(name, section)) sectionLine = static_cast<int>(i);
      continue;
    }
    if (sectionLine < 0) continue;
    if (!Trim(lines[i]).empty()) insertAt = static_cast<int>(i) + 1;
    if (KeyValue(lines[i], k, v) && SameText(k, key)) {
      lines[i] = k + "=" + bytes;
      written = true;
    }
  }
  if (!written) {
    const std::string entry = std::string(key) + "=" + bytes;
    if (sectionLine < 0) {
      if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(entry);
    } else {
      const int at = insertAt > sectionLine ? insertAt : sectionLine + 1;
      lines.insert(lines.begin() + at, entry);
    }
  }

  std::ostringstream out;
  for (const std::string& l : lines) out << l << "\r\n";
  return WriteFileAtomically(path_, out.str(), error);
}

}  // namespace tesmar::link
