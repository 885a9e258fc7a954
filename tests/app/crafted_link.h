// The harness's emulator behind an in-memory link on which the answers to
// some command codes are made by hand: a registrar that replies with other
// data than the emulator would (fewer fields, a field out of its form, a
// refusal), or whose reply to them arrives damaged.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "tests/app/app_harness.h"
#include "link/memory_transport.h"

namespace tesmar::test {

struct CraftedAnswer {
  std::string data;  // Windows-1251, as on the wire
  std::string error = "0000";
  bool damaged = false;  // instead: the emulator's own reply, one checksum digit altered
};

// From now on the driver of `h` talks to its emulator through this link;
// the commands of `answers` still run there, but their replies are these.
inline void AttachCrafted(AppHarness& h, std::map<int, CraftedAnswer> answers) {
  auto session = std::make_shared<emu::Session>(h.registrar->registrar);
  h.driver.AttachSerialLink(std::make_unique<link::MemoryTransport>(
      [session, answers](const std::vector<uint8_t>& frame) {
        std::vector<uint8_t> reply = session->Feed(frame).bytes;
        const auto it = frame.size() > 3 ? answers.find(frame[3]) : answers.end();
        if (it == answers.end()) return reply;
        if (!it->second.damaged)
          return Reply(SeqOf(frame), frame[3], it->second.data, it->second.error);
        if (reply.size() > 2) reply[reply.size() - 2] ^= 0x01;
        return reply;
      }));
}

}  // namespace tesmar::test
