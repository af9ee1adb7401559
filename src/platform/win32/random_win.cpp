#include "platform/win32/random_win.h"

#include <windows.h>

#include <bcrypt.h>

#include "platform/error.h"

namespace tw {

void Win32Random::Fill(std::span<std::uint8_t> bytes) {
    // The generator takes at most 4 GiB a call; shredder blocks are small.
    const NTSTATUS status = BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()),
                                            BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (status < 0) throw Error("The system's random number generator failed");
}

}  // namespace tw
