#pragma once
#include <windows.h>

namespace tw {

// The program's manifest asks for Common Controls 6; a test binary has
// none. A test of what only version 6 does (a picture beside a button's
// caption) creates its controls inside this scope.
class CommonControls6Scope {
public:
    CommonControls6Scope() {
        ACTCTXW context{};
        context.cbSize = sizeof(context);
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.hModule = GetModuleHandleW(nullptr);
        context.lpResourceName = MAKEINTRESOURCEW(2);
        context_ = CreateActCtxW(&context);
        active_ = context_ != INVALID_HANDLE_VALUE && ActivateActCtx(context_, &cookie_);
    }
    ~CommonControls6Scope() {
        if (active_) DeactivateActCtx(0, cookie_);
        if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
    }
    CommonControls6Scope(const CommonControls6Scope&) = delete;
    CommonControls6Scope& operator=(const CommonControls6Scope&) = delete;
    bool Active() const { return active_; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace tw
