// Who may run a command: each command belongs to one mode of the registrar,
// and its first field must be a password that mode takes.
//
//   programming    header lines, parameters, logo, operators, payment forms,
//                  serial, fiscal and tax numbers, tax groups, decimal point
//   reports        reports and the resources (A0h-A6h)
//   administrator  the mode passwords themselves (2Bh)
//   working        everything else: receipts, documents, reading the state
//   own            35h, which carries the maintenance reminder's password
//
// Each command's mode is in its row of the link's command descriptors.
// A command of the programming, reports or administrator mode takes that
// mode's password (the registrar's own until 2Bh sets one). A command of
// the working mode takes the registrar's own password or the password of
// any mode, so that a report or a programming step may open and close the
// service document around it with the password it was given.
#pragma once

#include <string_view>

#include "link/command_table.h"

namespace tesmar::emu {

class Registrar;

using Mode = link::PasswordMode;

Mode ModeOf(int code);
bool PasswordOpens(const Registrar& r, int code, std::string_view password);

}  // namespace tesmar::emu
