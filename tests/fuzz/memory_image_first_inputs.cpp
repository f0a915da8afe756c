// Writes the fuzzer's first inputs into the folder it is given: the sample
// library at its usual base and at a free one, in both its 32-bit and its
// 64-bit form, an image with every protection combination, one without
// sections, 64-bit images whose exception table lies in a discardable or an
// unreadable section after a section without file data, and the 32-bit
// sample with forwarded exports.
#include <cstdio>
#include <string>

#include "support/pe_builder.h"
#include "support/sample_images.h"

namespace {

bool write(const std::string& path, const PeImage& image) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written =
        std::fwrite(image.bytes.data(), 1, image.bytes.size(), file) == image.bytes.size();
    return std::fclose(file) == 0 && written;
}

PeImage protections() {
    PeBuilder builder;
    builder.sizeOfInitializedData = 0x300;
    for (std::uint32_t bits = 0; bits < 8; ++bits) {
        builder.addSection(".s", bits << 29, {1, 2, 3});
    }
    builder.addSection(".nc", 0x44000000, {1});
    builder.addSection(".d", 0x42000000, {1});
    builder.addSection(".i", 0x40000040, {}, 0x10);
    return builder.build();
}

// The exports the fuzzer looks up besides the sample's own: forwarded by name
// and by ordinal to the fake kernel library, and to a library nobody has.
PeImage forwards() {
    PeBuilder builder = sample::libraryBuilder();
    builder.addForwardedExport("SkinTick", "KERNEL32.GetTickCount");
    builder.addForwardedExport("SkinFive", "KERNEL32.#5");
    builder.addForwardedExport("SkinGone", "NOWHERE.Nothing");
    return builder.build();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    PeBuilder elsewhere = sample::libraryBuilder();
    elsewhere.imageBase = 0x20000000;
    PeBuilder elsewhere64 = sample::libraryBuilder64();
    elsewhere64.imageBase = 0x510000000000;
    const bool written = write(folder + "/sample", sample::libraryImage()) &&
                         write(folder + "/sample-free-base", elsewhere.build()) &&
                         write(folder + "/sample64", sample::libraryImage64()) &&
                         write(folder + "/sample64-free-base", elsewhere64.build()) &&
                         write(folder + "/protections", protections()) &&
                         write(folder + "/no-sections", PeBuilder().build()) &&
                         write(folder + "/table-after-zero-fill-discarded",
                               sample::tableAfterZeroFill(0x42000040)) &&
                         write(folder + "/table-after-zero-fill-unreadable",
                               sample::tableAfterZeroFill(0x00000040)) &&
                         write(folder + "/forwards", forwards());
    return written ? 0 : 1;
}
