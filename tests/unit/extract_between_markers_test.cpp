#include "catalogue/extract_between_markers.h"

#include <gtest/gtest.h>

namespace {

Table<Text> extract(std::string_view text, std::string_view startMarker,
                    std::string_view endMarker) {
    Table<Text> pieces;
    extractBetweenMarkers(text, startMarker, endMarker, pieces);
    return pieces;
}

constexpr std::string_view kPlaylist =
    "<视频>第一集|<图片>http://p.example/1.jpg|<地址>http://v.example/1.mp4|\r\n"
    "<视频>第二集|<图片>http://p.example/2.jpg|<地址>http://v.example/2.mp4|\r\n"
    "<视频>第三集|<图片>http://p.example/3.jpg|<地址>http://v.example/3.mp4|";

TEST(ExtractBetweenMarkersTest, ReadsTitlesAndAddressesInRecordOrder) {
    Table<Text> titles{"stale"};
    EXPECT_EQ(extractBetweenMarkers(kPlaylist, "<视频>", "|", titles), 3);
    EXPECT_EQ(titles, (Table<Text>{"第一集", "第二集", "第三集"}));
    EXPECT_EQ(extract(kPlaylist, "<地址>", "|"),
              (Table<Text>{"http://v.example/1.mp4", "http://v.example/2.mp4",
                           "http://v.example/3.mp4"}));
    // Field order does not matter: the film playlist puts the address first.
    EXPECT_EQ(extract("<地址>a1|<视频>t1|\r\n<地址>a2|<视频>t2|\r\n", "<视频>", "|"),
              (Table<Text>{"t1", "t2"}));
}

TEST(ExtractBetweenMarkersTest, TrimsSpacesAndFullWidthBlanksOnly) {
    EXPECT_EQ(extract("<视频>　 第一集 　|<视频> 第　二 |", "<视频>", "|"),
              (Table<Text>{"第一集", "第　二"}));
    // Tabs and line breaks are not blanks here.
    EXPECT_EQ(extract("<a>\tx\r\n|", "<a>", "|"), (Table<Text>{"\tx\r\n"}));
    // A1 A1 counts only as a whole character: B0 A1 then A1 41 is no blank.
    EXPECT_EQ(extract("<a>\xB0\xA1\xA1\x41|", "<a>", "|"), (Table<Text>{"\xB0\xA1\xA1\x41"}));
}

TEST(ExtractBetweenMarkersTest, SkipsEmptyPiecesAndSearchesOnFromAfterTheTag) {
    EXPECT_EQ(extract("<视频>|<视频>　 |<视频>第一集|", "<视频>", "|"), (Table<Text>{"第一集"}));
    // After the empty piece the search starts just after the first "|", so the
    // closing "|" of that piece opens the next one.
    EXPECT_EQ(extract("| |a|b|", "|", "|"), (Table<Text>{"a", "b"}));
    EXPECT_TRUE(extract("", "<视频>", "|").empty());
}

TEST(ExtractBetweenMarkersTest, FoldsAsciiCaseInMarkersUnlessCaseSensitive) {
    constexpr std::string_view text = "<TITLE>One|<title>Two|";
    EXPECT_EQ(extract(text, "<Title>", "|"), (Table<Text>{"One", "Two"}));
    Table<Text> pieces;
    EXPECT_EQ(extractBetweenMarkers(text, "<title>", "|", pieces, true), 1);
    EXPECT_EQ(pieces, (Table<Text>{"Two"}));
}

TEST(ExtractBetweenMarkersTest, DecoratesAndFiltersPieces) {
    constexpr std::string_view text = "<a>abc|<A>ab|<a>abcd|<a> |";
    Table<Text> pieces;
    extractBetweenMarkers(text, "<a>", "|", pieces, false, 0, "[", "]");
    EXPECT_EQ(pieces, (Table<Text>{"[abc]", "[ab]", "[abcd]", "[]"}));
    // The markers kept are the ones asked for, not the spelling in the text.
    extractBetweenMarkers(text, "<a>", "|", pieces, false, 0, {}, {}, true, true);
    EXPECT_EQ(pieces, (Table<Text>{"<a>abc|", "<a>ab|", "<a>abcd|"}));
    // Only pieces shorter than maxLength are kept.
    EXPECT_EQ(extractBetweenMarkers(text, "<a>", "|", pieces, false, 4), 2);
    EXPECT_EQ(pieces, (Table<Text>{"abc", "ab"}));
    // The length measured includes the decoration.
    extractBetweenMarkers(text, "<a>", "|", pieces, false, 6, {}, {}, true);
    EXPECT_EQ(pieces, (Table<Text>{"<a>ab"}));
}

TEST(ExtractBetweenMarkersTest, StartsAtTheStartPosition) {
    constexpr std::string_view text = "<a>x|<a>y|";
    Table<Text> pieces;
    for (const std::int32_t fromTheBeginning : {-3, 0, 1}) {
        extractBetweenMarkers(text, "<a>", "|", pieces, false, 0, {}, {}, false, false,
                              fromTheBeginning);
        EXPECT_EQ(pieces, (Table<Text>{"x", "y"})) << fromTheBeginning;
    }
    extractBetweenMarkers(text, "<a>", "|", pieces, false, 0, {}, {}, false, false, 2);
    EXPECT_EQ(pieces, (Table<Text>{"y"}));
    for (const std::int32_t pastTheEnd : {11, 1000}) {
        EXPECT_EQ(extractBetweenMarkers(text, "<a>", "|", pieces, false, 0, {}, {}, false, false,
                                        pastTheEnd),
                  0);
        EXPECT_TRUE(pieces.empty());
    }
}

TEST(ExtractBetweenMarkersTest, EmptyMarkersFindNothing) {
    Table<Text> pieces{"stale"};
    EXPECT_EQ(extractBetweenMarkers("<a>x|", "", "|", pieces), 0);
    EXPECT_TRUE(pieces.empty());
    pieces.append("stale");
    EXPECT_EQ(extractBetweenMarkers("<a>x|", "<a>", "", pieces, false, 0, "p"), 0);
    EXPECT_TRUE(pieces.empty());
}

TEST(ExtractBetweenMarkersTest, EndMarkerNeverMatchesTheSecondByteOfACharacter) {
    // 東 is 96 7C in GBK: its second byte is "|".
    EXPECT_EQ(extract("<视频>東京|<视频>東|", "<视频>", "|"), (Table<Text>{"東京", "東"}));
}

TEST(ExtractBetweenMarkersTest, CollectionTitlesKeepTheDoubledAngle) {
    constexpr std::string_view collection =
        "<Nuvri老司机>>第一部|<图片>p1|<车牌号>http://v.example/1.mp4|\r\n"
        "<Nuvri老司机>>第二部|<图片>p2|<车牌号>http://v.example/2.mp4|\r\n";
    EXPECT_EQ(extract(collection, "<Nuvri老司机>", "|"), (Table<Text>{">第一部", ">第二部"}));
    EXPECT_EQ(extract(collection, "<车牌号>", "|"),
              (Table<Text>{"http://v.example/1.mp4", "http://v.example/2.mp4"}));
}

TEST(ExtractBetweenMarkersTest, MalformedRecordsShiftOrDropPieces) {
    // The first title tag lacks its "<": its title is not found, so the
    // titles and addresses no longer pair up by record.
    constexpr std::string_view missingAngle =
        "视频>t1|<图片>p1|<地址>a1|\r\n<视频>t2|<图片>p2|<地址>a2|\r\n<视频>t3|<图片>p3|<地址>a3|";
    EXPECT_EQ(extract(missingAngle, "<视频>", "|"), (Table<Text>{"t2", "t3"}));
    EXPECT_EQ(extract(missingAngle, "<地址>", "|"), (Table<Text>{"a1", "a2", "a3"}));
    // A last piece that is never closed is not read.
    EXPECT_EQ(extract("<视频>t1|<地址>a1|\r\n<视频>t2", "<视频>", "|"), (Table<Text>{"t1"}));
}

}  // namespace
