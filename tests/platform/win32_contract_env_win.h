#pragma once
#include "contract_env.h"

namespace tw::test {

// The Win32 machine of the contract suites (a unique key under
// HKCU\Software\TidewellTests, a scratch folder under the temporary folder),
// also used by the Win32-only tests.
std::unique_ptr<ContractEnv> MakeWin32Env();

}  // namespace tw::test
