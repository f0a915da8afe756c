// callExport: the present arguments become the parameters of a function
// type with exactly that many word-sized parameters (32 or 64 bits), called
// with the convention the caller names.
#include <cstddef>
#include <utility>

#include "memory_image.h"

// On i686 the callee removes its arguments with stdcall; x86-64 and other
// hosts have a single convention and warn about the attribute. On i686 GCC
// also takes a cdecl and a stdcall call through the same pointer with the
// same arguments for one and merges them (keeping the stdcall one), so each
// convention's call is compiled in a function of its own, never inlined.
#if defined(__i386__)
#define LOADER_STDCALL __attribute__((stdcall))
#define LOADER_APART __attribute__((noipa))
#else
#define LOADER_STDCALL
#define LOADER_APART
#endif

namespace {

template <std::size_t>
using Word = std::uintptr_t;

// One class per convention, each call apart from the other.
template <bool CallerCleans, std::size_t... Index>
struct Caller;

template <std::size_t... Index>
struct Caller<true, Index...> {
    LOADER_APART static std::uintptr_t call(void* function,
                                            [[maybe_unused]] const std::uintptr_t* values) {
        return reinterpret_cast<std::uintptr_t (*)(Word<Index>...)>(function)(values[Index]...);
    }
};

template <std::size_t... Index>
struct Caller<false, Index...> {
    LOADER_APART static std::uintptr_t call(void* function,
                                            [[maybe_unused]] const std::uintptr_t* values) {
        return reinterpret_cast<std::uintptr_t(LOADER_STDCALL*)(Word<Index>...)>(function)(
            values[Index]...);
    }
};

template <std::size_t... Index>
std::uintptr_t callWith(void* function, bool callerCleans, const std::uintptr_t* values,
                        std::index_sequence<Index...>) {
    return callerCleans ? Caller<true, Index...>::call(function, values)
                        : Caller<false, Index...>::call(function, values);
}

template <std::size_t Count>
std::uintptr_t callWith(void* function, bool callerCleans, const std::uintptr_t* values) {
    return callWith(function, callerCleans, values, std::make_index_sequence<Count>());
}

}  // namespace

std::uintptr_t callExport(void* function, bool callerCleans, const ExportArguments& arguments) {
    std::uintptr_t values[15] = {};
    std::size_t count = 0;
    for (const std::optional<std::uintptr_t>& argument : arguments) {
        if (argument) {
            values[count++] = *argument;
        }
    }
    switch (count) {
        case 0:
            return callWith<0>(function, callerCleans, values);
        case 1:
            return callWith<1>(function, callerCleans, values);
        case 2:
            return callWith<2>(function, callerCleans, values);
        case 3:
            return callWith<3>(function, callerCleans, values);
        case 4:
            return callWith<4>(function, callerCleans, values);
        case 5:
            return callWith<5>(function, callerCleans, values);
        case 6:
            return callWith<6>(function, callerCleans, values);
        case 7:
            return callWith<7>(function, callerCleans, values);
        case 8:
            return callWith<8>(function, callerCleans, values);
        case 9:
            return callWith<9>(function, callerCleans, values);
        case 10:
            return callWith<10>(function, callerCleans, values);
        case 11:
            return callWith<11>(function, callerCleans, values);
        case 12:
            return callWith<12>(function, callerCleans, values);
        case 13:
            return callWith<13>(function, callerCleans, values);
        case 14:
            return callWith<14>(function, callerCleans, values);
        default:
            return callWith<15>(function, callerCleans, values);
    }
}
