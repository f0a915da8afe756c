#include "sample_images.h"

#include <cstring>

namespace sample {

namespace {

void put32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

}  // namespace

PeBuilder libraryBuilder() {
    PeBuilder builder;
    builder.imageBase = kImageBase;
    builder.entryPoint = kEntry;
    builder.sizeOfUninitializedData = 0x800;

    std::vector<std::uint8_t> text(0x40, 0xCC);
    put32(text, kTextPointer - kText, kTextPointerValue);
    put32(text, kPaddedWord - kText, kPaddedWordValue);
    builder.addSection(".text", 0x60000020, text);
    std::vector<std::uint8_t> data(0x10, 0);
    put32(data, 0, kDataPointerValue);
    builder.addSection(".data", 0xC0000040, data);
    builder.addSection(".bss", 0xC0000080, {}, 0x800);

    builder.addRelocationBlock(kText, {0x3000 | (kTextPointer - kText), kPaddedWord - kText});
    builder.addRelocationBlock(kData, {0x3000, 0x0000});
    builder.addImport({"KERNEL32.dll", {{"GetTickCount"}, {"", 5}}});
    builder.addImport({"USER32.dll", {{"MessageBoxW"}}, false});
    builder.addExport("SkinStart", kText);
    builder.addExport("skinstart", kText + 4);
    builder.addExport("SkinStop", kText + 8);
    return builder;
}

PeImage libraryImage() {
    return libraryBuilder().build();
}

void addLibraries(MappedImageServices& services) {
    MappedImageServices::FakeLibrary& kernel = services.libraries["KERNEL32.dll"];
    kernel.handle = kKernelHandle;
    kernel.functions["GetTickCount"] = kTickCount;
    kernel.ordinals[5] = kOrdinalFive;
    MappedImageServices::FakeLibrary& user = services.libraries["USER32.dll"];
    user.handle = kUserHandle;
    user.functions["MessageBoxW"] = kMessageBox;
}

}  // namespace sample
