// The skin binding against a library that records its calls, loaded from
// memory the way the program loads its skinning library.
#include "app/skin_binding.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "recording_skin/skin_call_log.h"

namespace {

std::vector<std::uint8_t> fileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SkinBindingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(SkinCallLog), SKIN_CALL_LOG_NAME);
        ASSERT_NE(mapping_, nullptr);
        log_ = static_cast<SkinCallLog*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0));
        ASSERT_NE(log_, nullptr);
        library_ = fileBytes(NUVRI_RECORDING_SKIN);
        ASSERT_FALSE(library_.empty());
    }

    void TearDown() override {
        UnmapViewOfFile(log_);
        CloseHandle(mapping_);
    }

    const SkinCall& last() const { return log_->calls[log_->count - 1]; }

    std::vector<std::uint32_t> lastArguments() const {
        return {last().arguments, last().arguments + last().count};
    }

    HANDLE mapping_ = nullptr;
    SkinCallLog* log_ = nullptr;
    std::vector<std::uint8_t> library_;
};

TEST_F(SkinBindingTest, AttachResPassesTheBytesTheirLengthThePasswordAndThreeZeros) {
    SkinBinding skin(library_);
    const std::vector<std::uint8_t> data = {'.', 'S', 'H', 'E', 1, 2, 3};

    EXPECT_EQ(skin.attachRes(data, std::nullopt), 12);
    EXPECT_STREQ(last().name, "SkinH_AttachRes");
    EXPECT_EQ(lastArguments(),
              (std::vector<std::uint32_t>{
                  static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(data.data())), 7, 0,
                  0, 0, 0}));

    EXPECT_EQ(skin.attachRes({}, Text("密码")), 12);
    EXPECT_EQ(last().arguments[1], 0u) << "an absent byte array has length 0";
    EXPECT_NE(last().arguments[2], 0u);
}

TEST_F(SkinBindingTest, LogicalsAreOneOrZeroTextsArePointersOrNull) {
    SkinBinding skin(library_);

    skin.setAero(true);
    EXPECT_EQ(lastArguments(), std::vector<std::uint32_t>{1});
    skin.setAero(false);
    EXPECT_EQ(lastArguments(), std::vector<std::uint32_t>{0});
    skin.setTitleMenuBar(5, true, -1, 7, 8);
    EXPECT_EQ(lastArguments(), (std::vector<std::uint32_t>{5, 1, 0xFFFFFFFF, 7, 8}));
    skin.setWindowMovable(9, false);
    EXPECT_EQ(lastArguments(), (std::vector<std::uint32_t>{9, 0}));
    skin.lockUpdate(9, true);
    EXPECT_EQ(lastArguments(), (std::vector<std::uint32_t>{9, 1}));

    EXPECT_EQ(skin.attachEx(Text("皮肤.she"), 1, 2, 3), 11);
    EXPECT_STREQ(last().firstText, "皮肤.she");
    EXPECT_EQ(last().count, 4u);
    EXPECT_EQ(skin.attachResEx(std::nullopt, Text("b")), 13);
    EXPECT_EQ(last().arguments[0], 0u);
}

TEST_F(SkinBindingTest, EveryMethodCallsItsExportWithItsIntegersUnchanged) {
    SkinBinding skin(library_);

    EXPECT_EQ(skin.setForeColor(1, 2, 3, 4), 15);
    EXPECT_EQ(lastArguments(), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(skin.setBackColor(5, 6, 7, 8), 16);
    EXPECT_STREQ(last().name, "SkinH_SetBackColor");
    EXPECT_EQ(skin.setMenuAlpha(200), 18);
    EXPECT_EQ(skin.nineBlt(1, 2, 3, 4, 5, 6), 19);
    EXPECT_EQ(lastArguments(), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(skin.map(1, 2), 22);
    EXPECT_EQ(skin.getColor(1, 2, 3), 23);
    EXPECT_EQ(skin.setWindowAlpha(1, 128), 24);
    EXPECT_EQ(skin.detachEx(77), 25);
    EXPECT_EQ(lastArguments(), std::vector<std::uint32_t>{77});
    EXPECT_EQ(skin.attach(), 26);
    EXPECT_EQ(last().count, 0u);
    EXPECT_EQ(skin.detach(), 27);
    EXPECT_STREQ(last().name, "SkinH_Detach");
}

TEST_F(SkinBindingTest, AdjustAeroKeepsTheLowEightBitsOfAllButTheFifthAndSixth) {
    SkinBinding skin(library_);

    EXPECT_EQ(skin.adjustAero(0x1FF, 0x100, -1, 0x234, 0x1FF, 0x12345, 0x2FF, 0x180, 0x7F), 28);
    EXPECT_EQ(lastArguments(), (std::vector<std::uint32_t>{0xFF, 0x00, 0xFF, 0x34, 0x1FF, 0x12345,
                                                           0xFF, 0x80, 0x7F}));
}

TEST_F(SkinBindingTest, DestructionDetachesTheSkinBeforeTheLibraryIsUnloaded) {
    auto skin = std::make_unique<SkinBinding>(library_);
    skin->attachRes({}, std::nullopt);
    const std::uint32_t before = log_->count;

    skin.reset();

    ASSERT_EQ(log_->count, before + 2);
    EXPECT_STREQ(log_->calls[before].name, "SkinH_Detach");
    EXPECT_STREQ(log_->calls[before + 1].name, "detach notification");
}

TEST_F(SkinBindingTest, ALibraryThatDidNotLoadMakesEveryMethodReturnZero) {
    std::vector<std::uint8_t> damaged(library_.begin(), library_.begin() + 64);
    {
        SkinBinding skin(damaged);
        EXPECT_EQ(skin.attachRes(library_, std::nullopt), 0);
        EXPECT_EQ(skin.setAero(true), 0);
        EXPECT_EQ(skin.detach(), 0);
    }
    EXPECT_EQ(log_->count, 0u) << "nothing of the library ran";
}

}  // namespace
