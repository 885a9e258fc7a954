// An in-memory byte link: what is written goes to a peer function, what the
// peer answers is read back byte by byte. No time passes; an empty queue is
// a read time-out at once, so 50 empty reads cost nothing.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "link/transport.h"

namespace tesmar::link {

class MemoryTransport : public Transport {
 public:
  // Called with each written frame; returns the bytes the peer sends back.
  using Peer = std::function<std::vector<uint8_t>(const std::vector<uint8_t>& written)>;

  explicit MemoryTransport(Peer peer = {}) : peer_(std::move(peer)) {}

  bool Write(const uint8_t* data, size_t n) override {
    std::vector<uint8_t> frame(data, data + n);
    writes_.push_back(frame);
    if (peer_)
      for (uint8_t b : peer_(frame)) input_.push_back(b);
    return true;
  }
  ReadResult ReadByte(uint8_t& byte) override {
    ++reads_;
    if (input_.empty() && hangUpWhenDrained_) return ReadResult::kHangUp;
    if (input_.empty() || input_.front() < 0) {
      if (!input_.empty()) input_.pop_front();
      ++emptyReads_;
      return ReadResult::kTimeout;
    }
    byte = static_cast<uint8_t>(input_.front());
    input_.pop_front();
    return ReadResult::kByte;
  }
  void Flush() override {}
  void Purge() override { input_.clear(); }

  void Inject(const std::vector<uint8_t>& bytes) {
    input_.insert(input_.end(), bytes.begin(), bytes.end());
  }
  // `count` reads that find nothing, before whatever is queued after them.
  void InjectSilence(int count) { input_.insert(input_.end(), count, -1); }
  void SetPeer(Peer peer) { peer_ = std::move(peer); }
  void HangUpWhenDrained(bool on) { hangUpWhenDrained_ = on; }

  const std::vector<std::vector<uint8_t>>& Writes() const { return writes_; }
  long Reads() const { return reads_; }
  long EmptyReads() const { return emptyReads_; }

 private:
  Peer peer_;
  std::deque<int> input_;  // -1 is one empty read
  std::vector<std::vector<uint8_t>> writes_;
  long reads_ = 0;
  long emptyReads_ = 0;
  bool hangUpWhenDrained_ = false;
};

}  // namespace tesmar::link
