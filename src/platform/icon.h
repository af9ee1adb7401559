#pragma once
#include <utility>

namespace tw {

// An icon the platform handed out, given back through the platform when
// its owner drops it. The handle is opaque here; only the implementation
// that made it (and the window code drawing it) knows what it is.
class Icon {
public:
    using Handle = void*;
    using Release = void (*)(Handle);

    Icon() = default;
    Icon(Handle handle, Release release) : handle_(handle), release_(release) {}
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    Icon(Icon&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), release_(std::exchange(other.release_, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
            release_ = std::exchange(other.release_, nullptr);
        }
        return *this;
    }
    ~Icon() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_ && release_) release_(handle_);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
    Release release_ = nullptr;
};

}  // namespace tw
