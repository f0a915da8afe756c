#include "common/bytes.h"

#include <gtest/gtest.h>

#include "common/convert.h"

namespace {

TEST(BytesTest, BytesLeftZeroBytesAndCopyFromMemory) {
    EXPECT_EQ(bytesLeft(Bytes{1, 2, 3}, 2), (Bytes{1, 2}));
    EXPECT_EQ(bytesLeft(Bytes{1, 2, 3}, 9), (Bytes{1, 2, 3}));
    EXPECT_EQ(bytesLeft(Bytes{1, 2, 3}, -1), Bytes());
    EXPECT_EQ(zeroBytes(3), (Bytes{0, 0, 0}));
    EXPECT_EQ(zeroBytes(-3), Bytes());
    const char memory[] = {'a', '\0', 'b'};
    EXPECT_EQ(bytesFromMemory(memory, 3), (Bytes{'a', 0, 'b'}));
    EXPECT_EQ(bytesFromMemory(nullptr, 3), Bytes());
}

TEST(BytesTest, ReadsWhatToBytesWroteInSequence) {
    Bytes record;
    for (const Bytes& part :
         {toBytes(std::uint8_t{0xFE}), toBytes(std::int16_t{-2}), toBytes(std::int32_t{-70000}),
          toBytes(std::int64_t{-1} << 40), toBytes(1.5f), toBytes(-2.25), toBytes(true),
          toBytes(45000.5), toBytes("中文"), Bytes{0}, toBytes("x")}) {
        record.insert(record.end(), part.begin(), part.end());
    }
    std::int32_t position = 1;
    EXPECT_EQ(readByte(record, &position), 0xFE);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(readInt16(record, &position), -2);
    EXPECT_EQ(readInt32(record, &position), -70000);
    EXPECT_EQ(readInt64(record, &position), std::int64_t{-1} << 40);
    EXPECT_EQ(readFloat(record, &position), 1.5f);
    EXPECT_EQ(readDouble(record, &position), -2.25);
    EXPECT_TRUE(readLogical(record, &position));
    EXPECT_EQ(readDate(record, &position), 45000.5);
    EXPECT_EQ(readText(record, &position), "中文");
    // The last text has no zero byte: it runs to the end, which ends the reading.
    EXPECT_EQ(readText(record, &position), "x");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(readInt32(record, &position), 0);
    EXPECT_EQ(position, -1);
}

TEST(BytesTest, NeverReadsOutsideTheArray) {
    const Bytes bytes = {1, 2, 3};
    for (std::int32_t start : {2, 4, 0, -1}) {
        std::int32_t position = start;
        EXPECT_EQ(readInt32(bytes, &position), 0) << start;
        EXPECT_EQ(position, -1) << start;
    }
    std::int32_t position = 4;
    EXPECT_EQ(readText(bytes, &position), "");
    EXPECT_EQ(readInt64(Bytes{}), 0);
    // A value that ends exactly at the last byte is read, then the end is reached.
    position = 2;
    EXPECT_EQ(readInt16(bytes, &position), 0x0302);
    EXPECT_EQ(position, -1);
}

}  // namespace

TEST(BytesTest, JoinBytesConcatenatesAnyNumberOfArrays) {
    EXPECT_EQ(joinBytes(Bytes{1, 2}, Bytes{}, Bytes{3}), (Bytes{1, 2, 3}));
    EXPECT_EQ(joinBytes(Bytes{}, Bytes{}), Bytes{});
    EXPECT_EQ(joinBytes(Bytes{0, 9}), (Bytes{0, 9}));
}
