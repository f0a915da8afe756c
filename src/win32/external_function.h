#pragma once
// System functions the program calls by name: each is looked up in its
// library the first time it is called and kept for later calls. A function
// that cannot be found ends the program with a fatal error naming it. In the
// 32-bit program every call is made with the stack pointer checked: a
// function whose declaration here does not match its real calling convention
// or parameters ends the program with fatal error 6.

#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <utility>

#include "stack_checked_call.h"

// The address of `function` in `library` (loaded on first need); a fatal
// error when either cannot be found.
FARPROC resolveExternalFunction(const char* library, const char* function);

// Frees the libraries loaded for external functions; the shutdown path calls
// it after the end procedures, when no external function is called any more.
void unloadExternalLibraries();

#if defined(__i386__)
// Ends the program with fatal error 6: the stack was left unbalanced.
[[noreturn]] void raiseStackUnbalanced();

// An argument as the 32-bit stack slot it is passed in.
template <class Arg>
std::uint32_t stackSlot(Arg argument) {
    static_assert(sizeof(Arg) <= 4, "every argument of an external function is one slot");
    if constexpr (std::is_pointer_v<Arg>) {
        return reinterpret_cast<std::uintptr_t>(argument);
    } else {
        return static_cast<std::uint32_t>(argument);
    }
}

// A result from EDX:EAX.
template <class Result>
Result fromRegisters(std::uint64_t value) {
    if constexpr (std::is_pointer_v<Result>) {
        return reinterpret_cast<Result>(static_cast<std::uintptr_t>(value));
    } else {
        return static_cast<Result>(value);
    }
}
#endif

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
#if defined(__i386__)
        const std::uint32_t slots[sizeof...(Args) + 1] = {stackSlot(args)...};
        std::uint32_t unbalanced = 0;
        const std::uint64_t result = callCheckingStack(reinterpret_cast<const void*>(address_),
                                                       slots, sizeof...(Args), &unbalanced);
        if (unbalanced) {
            raiseStackUnbalanced();
        }
        if constexpr (!std::is_void_v<Result>) {
            return fromRegisters<Result>(result);
        }
#else
        return address_(std::forward<Args>(args)...);
#endif
    }

  private:
    const char* library_;
    const char* function_;
    Result(WINAPI* address_)(Args...) = nullptr;
};
