// Texts shown to a person are written in Russian where they stand, and that
// Russian is the source text of the translations (i18n/tesmar_*.ts). Code
// without Qt marks such a text with Tesmar::mark("..."): it is the text
// itself, and lupdate collects it (as an alias of QT_TR_NOOP) under the one
// context "Tesmar". The text is translated where it is shown.
#pragma once

struct Tesmar {
  static constexpr const char* mark(const char* text) { return text; }
};
