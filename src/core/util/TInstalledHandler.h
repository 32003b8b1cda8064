#pragma once

namespace corvane {

// The one process-wide handler of an interface T that the window layer (or a test) installs
// for the core: T derives from TInstalledHandler<T>. The handler is not owned; nullptr
// removes it.
template <typename T> class TInstalledHandler {
public:
    static void Install(T* handler) { handler_ = handler; }
    static T* Installed() { return handler_; }

protected:
    TInstalledHandler() = default;
    ~TInstalledHandler() = default;

private:
    static inline T* handler_ = nullptr;
};

} // namespace corvane
