// Pixel rows on the tape (bar codes, the logo), and the tape file's form of
// every line: UTF-8 text, and a pixel row as "▌" followed by "█" for each
// black pixel and " " for each white one, which a person reads as a
// picture and the program's tape window draws.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::emu {

class Registrar;

// `pixels` holds '1' for black and '0' for white, left to right.
void PrintPixelRow(Registrar& r, std::string_view pixels);
// A tape line (Windows-1251 text, or a pixel row) in the tape file's form.
std::string TapeFileLine(std::string_view tapeLine);

}  // namespace tesmar::emu
