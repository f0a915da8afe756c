// Finding exports by their exact names and calling them in both calling
// conventions through the loader.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dll_file.h"
#include "memory_image_owner.h"
#include "win32/stack_checked_call.h"

namespace {

MemoryImageOwner load(const DllFile& file) {
    return MemoryImageOwner(loadImageFromMemory(file.bytes().data(), file.bytes().size()));
}

bool exports(const DllFile& file, const char* name) {
    const std::vector<std::string> names = file.exportNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// What the probe's calling-convention functions compute from their arguments.
std::uint32_t fold(std::uint32_t start, const std::vector<std::uint32_t>& values) {
    for (std::uint32_t value : values) {
        start = start * 33u + value;
    }
    return start;
}

}  // namespace

TEST(MemoryImageExportTest, FindsNamesThatDifferOnlyInCaseExactly) {
    const DllFile file(LOADER_PLAIN_DLL);
    ASSERT_TRUE(exports(file, "Value"));
    ASSERT_TRUE(exports(file, "value"));
    MemoryImageOwner image = load(file);
    ASSERT_NE(image, nullptr);
    void* upper = findExport(image.get(), "Value");
    void* lower = findExport(image.get(), "value");
    ASSERT_NE(upper, nullptr);
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(callExport(upper, true, {}), 0x7A1Eu);
    EXPECT_EQ(callExport(lower, true, {}), 0x7A1Fu);
    EXPECT_EQ(findExport(image.get(), "VALUE"), nullptr);
    EXPECT_EQ(findExport(image.get(), "valuE"), nullptr);
    EXPECT_EQ(findExport(image.get(), "Valu"), nullptr);
    EXPECT_EQ(findExport(image.get(), "Values"), nullptr);
}

// The probe's functions of each calling convention, and whether the caller
// removes their arguments. x86-64 has a single convention, so its "stdcall"
// functions are the same kind as the others and one round covers them.
struct Convention {
    const char* name;
    bool callerCleans;
};
#if defined(__i386__)
constexpr Convention kConventions[] = {{"Cdecl", true}, {"Stdcall", false}};
#else
constexpr Convention kConventions[] = {{"Cdecl", true}};
#endif

// Each function is called three times from one place; the frame it finds
// moves if a call leaves the stack unbalanced. On 32-bit x86 the probe's two
// kinds of function really differ: the stack-checked call, which leaves the
// arguments to the callee, finds them still on the stack after a cdecl one
// and gone after a stdcall one. A call in the wrong convention leaves the
// stack that far off, which the calls through callExport do not survive.
TEST(MemoryImageCallTest, PassesArgumentsInOrderAndKeepsTheStackBalanced) {
    const DllFile file(LOADER_PROBE_DLL);
    MemoryImageOwner image = load(file);
    ASSERT_NE(image, nullptr);
    const auto* stackMark =
        static_cast<const std::uintptr_t*>(findExport(image.get(), "probeStackMark"));
    ASSERT_NE(stackMark, nullptr);

    for (const auto& [convention, callerCleans] : kConventions) {
        for (unsigned count : {0u, 1u, 3u, 15u}) {
            const std::string name = "probe" + std::string(convention) + std::to_string(count);
            SCOPED_TRACE(name);
            void* function = findExport(image.get(), name.c_str());
            ASSERT_NE(function, nullptr);
            ExportArguments arguments = {};
            std::vector<std::uint32_t> values;
            for (unsigned i = 0; i < count; ++i) {
                values.push_back(0x01000193u * (i + 1) + 0x811C9DC5u);
                arguments[i] = values.back();
            }
#if defined(__i386__)
            std::uint32_t unbalanced = 2;
            EXPECT_EQ(static_cast<std::uint32_t>(
                          callCheckingStack(function, values.data(), count, &unbalanced)),
                      fold(callerCleans ? 7 : 5, values));
            EXPECT_EQ(unbalanced, callerCleans && count > 0 ? 1u : 0u);
#endif
            std::vector<std::uintptr_t> marks;
            for (int round = 0; round < 3; ++round) {
                // The probe returns 32 bits; in the 64-bit build the rest of
                // the register is not its result.
                EXPECT_EQ(static_cast<std::uint32_t>(callExport(function, callerCleans, arguments)),
                          fold(callerCleans ? 7 : 5, values));
                marks.push_back(*stackMark);
            }
            EXPECT_EQ(marks[1], marks[0]);
            EXPECT_EQ(marks[2], marks[0]);
        }
    }
}

TEST(MemoryImageCallTest, SkipsEmptySlots) {
    const DllFile file(LOADER_PROBE_DLL);
    MemoryImageOwner image = load(file);
    ASSERT_NE(image, nullptr);
    void* function = findExport(image.get(), "probeStdcall3");
    ASSERT_NE(function, nullptr);
    ExportArguments arguments = {};
    arguments[1] = 10;
    arguments[6] = 20;
    arguments[14] = 30;
    EXPECT_EQ(static_cast<std::uint32_t>(callExport(function, false, arguments)),
              fold(5, {10, 20, 30}));
}
