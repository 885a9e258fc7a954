#include "link/command_table.h"

#include <array>

#include "link/command_descriptors.h"

namespace tesmar::link {

namespace {

#define TESMAR_COMMAND_DESCRIPTOR(code, name, mode, patch, emulation, caption, parameterTemplate) \
  CommandDescriptor{code,                                                                         \
                    #name,                                                                        \
                    caption,                                                                      \
                    parameterTemplate,                                                            \
                    ReplyPatch::patch,                                                            \
                    PasswordMode::mode,                                                           \
                    Emulation::emulation},
constexpr CommandDescriptor kCommands[] = {TESMAR_LINK_COMMANDS(TESMAR_COMMAND_DESCRIPTOR)};
#undef TESMAR_COMMAND_DESCRIPTOR

constexpr bool CodesAscend() {
  for (size_t i = 1; i < std::size(kCommands); ++i)
    if (kCommands[i].code <= kCommands[i - 1].code) return false;
  return true;
}
static_assert(CodesAscend(), "command rows must stand in the order of their codes, each once");

// The table of captions and templates holds only codes 20h..A3h.
constexpr int kFirstTableCode = 0x20;
constexpr int kLastTableCode = 0xA3;

constexpr bool TableWithinRange() {
  for (const auto& c : kCommands)
    if (c.caption && (c.code < kFirstTableCode || c.code > kLastTableCode || !c.parameterTemplate))
      return false;
  return true;
}
static_assert(TableWithinRange(), "a caption outside 20h..A3h or without a template");

// Code -> descriptor, so the receiver finds its patch without a search.
constexpr std::array<const CommandDescriptor*, 256> Index() {
  std::array<const CommandDescriptor*, 256> index{};
  for (const auto& c : kCommands) index[static_cast<size_t>(c.code)] = &c;
  return index;
}
constexpr auto kIndex = Index();

}  // namespace

std::span<const CommandDescriptor> Commands() {
  return kCommands;
}

const CommandDescriptor* FindCommand(int code) {
  return code >= 0 && code < 256 ? kIndex[static_cast<size_t>(code)] : nullptr;
}

const char* CommandCaption(int code) {
  const CommandDescriptor* c = FindCommand(code);
  return c && c->caption ? c->caption : kWrongCommand;
}

bool LookupCommand(int code, std::string_view& caption, std::string_view& parameterTemplate) {
  const CommandDescriptor* c = FindCommand(code);
  if (!c || !c->caption) {
    caption = kWrongCommand;
    parameterTemplate = {};
    return false;
  }
  caption = c->caption;
  parameterTemplate = c->parameterTemplate;
  return true;
}

}  // namespace tesmar::link
