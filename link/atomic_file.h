// Writing a file so that it is complete or not there: a temporary file beside
// it, flushed to the disk, then renamed over the old one.
//
// A symlink is written through: its target is replaced and the link stays.
// An existing file keeps its permission bits, and a file nobody may write
// (no write permission for us, or no write bit at all) is not replaced.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::link {

// How far a write is pushed before the call returns. kDisk survives a power
// cut; kProcesses only promises that every other process sees the old file
// or the whole new one (for small state rewritten at every exchange, where a
// flush to the disk each time would cost more than the exchange itself).
enum class Durability { kDisk, kProcesses };

// False (and the old file untouched) when any step fails; `error`, when
// given, then gets the reason: the path and the system's words.
bool WriteFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr, Durability durability = Durability::kDisk);

// Whether `path` may be written as WriteFileAtomically writes it (its
// folder is there, it is not a folder or a read-only file); false with the
// reason in `error`. Nothing is created.
bool CanReplaceFile(const std::string& path, std::string* error = nullptr);

// Gives a finished file the name `path`: `ready` (a file written beside it,
// closed) is flushed to the disk and renamed over `path`, by the same rules
// as WriteFileAtomically. False, with `ready` left where it is, when a step
// fails.
bool ReplaceWithFile(const std::string& ready, const std::string& path,
                     std::string* error = nullptr);

// The file a write of `path` lands in: `path` itself, or the final target
// of the symlinks it names (relative targets resolved against their link's
// folder). False when the chain is broken off by an error or a loop.
bool ResolveWriteTarget(const std::string& path, std::string& target, std::string* error = nullptr);

}  // namespace tesmar::link
