#include <cstdint>

#include "platform/text.h"

namespace tw {
namespace {

#include "platform/upcase_table.inc"

}  // namespace

char16_t UpcaseUnit(char16_t unit) {
    return static_cast<char16_t>(unit + kUpcaseDelta[kUpcasePage[unit >> 8]][unit & 0xff]);
}

}  // namespace tw
