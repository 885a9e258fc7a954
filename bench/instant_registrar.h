// A registrar in software that answers at once, on a pty of its own.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "emulator/session.h"

namespace tesmar::bench {

class InstantRegistrar {
 public:
  InstantRegistrar() : session_(registrar_), server_(session_, {}) {
    std::string error;
    if (!server_.Open(&error)) throw std::runtime_error(error);
    server_.Start();
  }
  ~InstantRegistrar() { server_.Stop(); }
  const std::string& Path() const { return server_.Path(); }

 private:
  emu::Registrar registrar_;
  emu::Session session_;
  emu::PtyServer server_;
};

}  // namespace tesmar::bench
