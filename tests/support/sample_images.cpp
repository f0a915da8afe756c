#include "sample_images.h"

#include <cstddef>
#include <cstring>

#include "app/module_loader/pe_image.h"

namespace sample {

namespace {

template <class Word>
void put(std::vector<std::uint8_t>& bytes, std::size_t offset, Word value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// The sections, relocations, imports and exports of both forms; Word is the
// pointer size, `type` the relocation type of a pointer.
template <class Word>
PeBuilder builderOf(bool wide, std::uint64_t base, std::uint16_t type) {
    PeBuilder builder;
    builder.wide = wide;
    builder.imageBase = base;
    builder.entryPoint = kEntry;
    builder.sizeOfUninitializedData = 0x800;

    std::vector<std::uint8_t> text(0x40, 0xCC);
    put(text, kTextPointer - kText, static_cast<Word>(base + kData + 4));
    put(text, kPaddedWord - kText, kPaddedWordValue);
    builder.addSection(".text", 0x60000020, text);
    std::vector<std::uint8_t> data(0x10, 0);
    put(data, 0, static_cast<Word>(base + kText));
    builder.addSection(".data", 0xC0000040, data);
    builder.addSection(".bss", 0xC0000080, {}, 0x800);

    const auto pointer = static_cast<std::uint16_t>(type << 12);
    builder.addRelocationBlock(
        kText, {static_cast<std::uint16_t>(pointer | (kTextPointer - kText)), kPaddedWord - kText});
    builder.addRelocationBlock(kData, {pointer, 0x0000});
    builder.addImport({"KERNEL32.dll", {{"GetTickCount"}, {"", 5}}});
    builder.addImport({"USER32.dll", {{"MessageBoxW"}}, false});
    builder.addExport("SkinStart", kText);
    builder.addExport("skinstart", kText + 4);
    builder.addExport("SkinStop", kText + 8);
    return builder;
}

}  // namespace

PeBuilder libraryBuilder() {
    return builderOf<std::uint32_t>(false, kImageBase, pe::kRelocationHighLow);
}

PeImage libraryImage() {
    return libraryBuilder().build();
}

PeBuilder libraryBuilder64() {
    PeBuilder builder = builderOf<std::uint64_t>(true, kImageBase64, pe::kRelocationDir64);
    builder.addRuntimeFunction(kEntry, kEntry + 0x10, kUnwindData);
    return builder;
}

PeImage libraryImage64() {
    return libraryBuilder64().build();
}

PeImage tableAfterZeroFill(std::uint32_t tableCharacteristics) {
    PeBuilder builder;
    builder.wide = true;
    builder.imageBase = kImageBase64;
    builder.sizeOfUninitializedData = 0x2000;
    builder.addSection(".text", 0x60000020, std::vector<std::uint8_t>(0x40, 0xC3));
    builder.addSection(".bss", 0xC0000080, {}, 0x1000);
    builder.addRuntimeFunction(kText, kText + 0x10, kText + 0x20);
    PeImage image = builder.build();
    image.put32(image.sectionTableOffset + 2 * sizeof(pe::SectionHeader) +
                    offsetof(pe::SectionHeader, Characteristics),
                tableCharacteristics);
    return image;
}

void addLibraries(MappedImageServices& services) {
    const std::uint64_t high = services.machine() == pe::kMachineAmd64 ? kHighFunctions : 0;
    MappedImageServices::FakeLibrary& kernel = services.libraries["KERNEL32.dll"];
    kernel.handle = kKernelHandle;
    kernel.functions["GetTickCount"] = high + kTickCount;
    kernel.ordinals[5] = high + kOrdinalFive;
    MappedImageServices::FakeLibrary& user = services.libraries["USER32.dll"];
    user.handle = kUserHandle;
    user.functions["MessageBoxW"] = high + kMessageBox;
}

}  // namespace sample
