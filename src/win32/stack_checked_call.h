#pragma once
// A call to a system function declared stdcall, with the stack pointer
// compared before and after: a function that is really cdecl leaves its
// arguments on the stack, one that takes more arguments than declared removes
// too many. Only 32-bit x86 has two conventions; x86-64 has one.

#include <cstdint>

#if defined(__i386__)

// Pushes the `count` 32-bit `slots` (the first slot is the first parameter)
// and calls `function`; returns its EDX:EAX. Sets `unbalanced` to 1 when the
// stack pointer after the call is not where it was before the pushes (and
// puts it back there), else to 0.
extern "C" std::uint64_t callCheckingStack(
    const void* function, const std::uint32_t* slots, std::uint32_t count,
    std::uint32_t* unbalanced) __asm__("nuvriCallCheckingStack");

#endif
