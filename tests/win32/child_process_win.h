#pragma once
#include <optional>
#include <string>

#include "platform/win32/windows_win.h"

namespace tw::test {

// Starts a program, waits for it and gives its exit code; nullopt when it
// could not be started or did not finish within the time.
std::optional<DWORD> RunAndWait(const std::wstring& application, std::wstring commandLine,
                                DWORD timeoutMilliseconds = 120000);

// The full path of the running test executable.
std::wstring ThisExecutable();

// Sets an environment variable for the life of the object, so that child
// processes inherit it; the variable is removed again at the end.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::wstring name, const std::wstring& value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();

private:
    std::wstring name_;
};

}  // namespace tw::test
