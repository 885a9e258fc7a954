// Feeds arbitrary byte streams to the receiver and the completion step, as
// several exchanges in a row, and checks what the record promises. Frames
// are dropped as the driver drops late replies, by a rule of the input's
// choosing, so dropping is exercised in every state.
#include <cstdlib>
#include <cstring>

#include "link/frame.h"
#include "link/receiver.h"
#include "link/reply_record.h"

using namespace tesmar::link;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  Receiver rx;
  ReplyRecord rec;
  // The first byte picks the command (so every patch is reached); 0xFF bytes
  // split the rest into consecutive exchanges.
  const int code = data[0];
  rx.BeginExchange();
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0xFF && i + 1 < size) {
      rx.Complete(rec, code);
      rx.BeginExchange();
      continue;
    }
    rx.Feed(data[i]);
    // Bit 0 of the command byte: drop every complete frame without a
    // header; bit 1: drop every complete frame with one.
    if (!rx.FrameComplete() || !rx.AnswerComplete() || rx.Nak()) continue;
    const bool drop = rx.FrameHasHeader() ? (code & 2) != 0 : (code & 1) != 0;
    if (!drop) continue;
    const uint32_t syn = rx.SynCount();
    rx.DropFrame();
    if (rx.FrameComplete() || rx.AnswerComplete() || !rx.ReceivedNow().empty()) std::abort();
    if (rx.SynCount() != syn) std::abort();
  }
  rx.Complete(rec, code);

  if (rec.fieldCount < 0 || rec.fieldCount > kMaxFields) std::abort();
  size_t total = 0;
  for (int i = 0; i < kMaxFields; ++i) total += rec.Field(i).size();
  if (total > 300) std::abort();
  const uint32_t transport = rec.flags & kTransportFlags;
  if (transport && (transport & (transport - 1))) std::abort();  // at most one
  if (transport && (rec.flags & ~kTransportFlags)) std::abort();
  if (rec.flags & ((1u << 15) | (7u << 29))) std::abort();
  for (uint8_t s : rec.status)
    if (s & 0x80) std::abort();
  if (rec.rawReply.Size() > 299 || rec.errorCode.Size() > 19) std::abort();
  // The data text ends at the data area's first NUL.
  if (std::memchr(rec.dataText.CStr(), 0, rec.dataText.Size())) std::abort();
  ReplyShapeIsValid(rec.rawReply.Bytes(), rec.rawReply.Size());
  return 0;
}
