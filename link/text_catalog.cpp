#include "link/text_catalog.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace tesmar::link {

namespace {

constexpr uint8_t kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr uint8_t kMessagesSection = 0x69;
enum Tag : uint8_t {
  kEnd = 1,
  kSourceText16 = 2,
  kTranslation = 3,
  kContext16 = 4,
  kObsolete1 = 5,
  kSourceText = 6,
  kContext = 7,
  kComment = 8,
  kObsolete2 = 9,
};
constexpr const char* kContextName = "Tesmar";

struct Reader {
  const std::string& bytes;
  size_t at;
  size_t end;
  bool Has(size_t n) const { return at + n <= end; }
  uint32_t U32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<uint8_t>(bytes[at++]);
    return v;
  }
};

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Utf16BeToUtf8(std::string_view s) {
  std::string out;
  for (size_t i = 0; i + 1 < s.size(); i += 2) {
    uint32_t c = static_cast<uint8_t>(s[i]) << 8 | static_cast<uint8_t>(s[i + 1]);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < s.size()) {
      const uint32_t low = static_cast<uint8_t>(s[i + 2]) << 8 | static_cast<uint8_t>(s[i + 3]);
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    AppendUtf8(out, c);
  }
  return out;
}

// A letter of a word: ASCII letters and digits, and any byte of a multibyte
// UTF-8 character (Cyrillic letters).
bool WordByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

}  // namespace

bool TextCatalog::Load(const std::string& path) {
  texts_.clear();
  byLength_.clear();
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < sizeof kMagic || !std::equal(std::begin(kMagic), std::end(kMagic),
                                                  reinterpret_cast<const uint8_t*>(bytes.data())))
    return false;
  Reader r{bytes, sizeof kMagic, bytes.size()};
  while (r.Has(5)) {
    const uint8_t section = static_cast<uint8_t>(bytes[r.at++]);
    const uint32_t length = r.U32();
    if (!r.Has(length)) break;
    if (section != kMessagesSection) {
      r.at += length;
      continue;
    }
    Reader m{bytes, r.at, r.at + length};
    r.at += length;
    std::string source, translation, context;
    while (m.Has(1)) {
      const uint8_t tag = static_cast<uint8_t>(bytes[m.at++]);
      if (tag == kEnd) {
        if (context == kContextName && !source.empty() && !translation.empty())
          texts_.emplace(source, translation);
        source.clear();
        translation.clear();
        context.clear();
        continue;
      }
      if (tag == kObsolete1 || tag == kObsolete2) continue;
      if (!m.Has(4)) break;
      const uint32_t n = m.U32();
      if (n == 0xFFFFFFFF) continue;  // an empty translation
      if (!m.Has(n)) break;
      const std::string_view value(bytes.data() + m.at, n);
      m.at += n;
      if (tag == kTranslation)
        translation = Utf16BeToUtf8(value);
      else if (tag == kSourceText)
        source = value;
      else if (tag == kContext)
        context = value;
      else if (tag == kSourceText16)
        source = Utf16BeToUtf8(value);
      else if (tag == kContext16)
        context = Utf16BeToUtf8(value);
    }
  }
  for (const auto& [source, translation] : texts_) byLength_.push_back(&source);
  std::sort(byLength_.begin(), byLength_.end(),
            [](const std::string* a, const std::string* b) { return a->size() > b->size(); });
  return !texts_.empty();
}

const std::string* TextCatalog::Find(std::string_view source) const {
  const auto it = texts_.find(std::string(source));
  return it == texts_.end() ? nullptr : &it->second;
}

std::string TextCatalog::Translate(std::string_view text) const {
  if (const std::string* whole = Find(text)) return *whole;
  // Marks which bytes a replacement already covers, so that a shorter text
  // never lands inside a longer one's translation.
  struct Hit {
    size_t at, length;
    const std::string* translation;
  };
  std::vector<Hit> hits;
  std::vector<bool> taken(text.size(), false);
  for (const std::string* source : byLength_) {
    if (source->size() < 4) break;
    for (size_t at = text.find(*source); at != std::string_view::npos;
         at = text.find(*source, at + 1)) {
      const size_t end = at + source->size();
      const bool bounded =
          (at == 0 || !WordByte(text[at - 1]) || !WordByte((*source)[0])) &&
          (end == text.size() || !WordByte(text[end]) || !WordByte(source->back()));
      if (!bounded ||
          std::any_of(taken.begin() + at, taken.begin() + end, [](bool t) { return t; }))
        continue;
      std::fill(taken.begin() + at, taken.begin() + end, true);
      hits.push_back({at, source->size(), &texts_.at(*source)});
    }
  }
  std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.at < b.at; });
  std::string out;
  size_t from = 0;
  for (const Hit& h : hits) {
    out.append(text.substr(from, h.at - from));
    out += *h.translation;
    from = h.at + h.length;
  }
  out.append(text.substr(from));
  return out;
}

bool IsLanguage(std::string_view language) {
  return language == "ru" || language == "uk" || language == "en";
}

std::string ChooseLanguage(std::string_view option, std::string_view configured,
                           std::string_view locale) {
  for (std::string_view value : {option, configured}) {
    std::string l;
    for (char c : value)
      if (c != ' ' && c != '\t')
        l += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (IsLanguage(l)) return l;
  }
  const std::string_view lang = locale.substr(0, 3);
  if (lang == "uk" || lang == "uk_" || lang == "uk-" || lang == "uk.") return "uk";
  if (lang == "en" || lang == "en_" || lang == "en-" || lang == "en.") return "en";
  return "ru";
}

std::string FindCatalog(const std::vector<std::string>& dirs, std::string_view language) {
  for (const std::string& dir : dirs) {
    if (dir.empty()) continue;
    const std::string path = dir + "/tesmar_" + std::string(language) + ".qm";
    if (std::ifstream(path).good()) return path;
  }
  return {};
}

}  // namespace tesmar::link
