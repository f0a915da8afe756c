#pragma once
// System functions the program calls by name: each is looked up in its
// library the first time it is called and kept for later calls. A function
// that cannot be found ends the program with a fatal error naming it.

#include <windows.h>

#include <utility>

// The address of `function` in `library` (loaded on first need); a fatal
// error when either cannot be found.
FARPROC resolveExternalFunction(const char* library, const char* function);

// Frees the libraries loaded for external functions; the shutdown path calls
// it after the end procedures, when no external function is called any more.
void unloadExternalLibraries();

template <class Signature>
class ExternalFunction;

template <class Result, class... Args>
class ExternalFunction<Result WINAPI(Args...)> {
  public:
    constexpr ExternalFunction(const char* library, const char* function)
        : library_(library), function_(function) {}

    Result operator()(Args... args) {
        if (!address_) {
            address_ = reinterpret_cast<Result(WINAPI*)(Args...)>(
                reinterpret_cast<void*>(resolveExternalFunction(library_, function_)));
        }
        return address_(std::forward<Args>(args)...);
    }

  private:
    const char* library_;
    const char* function_;
    Result(WINAPI* address_)(Args...) = nullptr;
};
