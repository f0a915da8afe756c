#include <gtest/gtest.h>

#include "catalogue/extract_between_markers.h"
#include "support/native_pending_events.h"

namespace {

class ExtractBetweenMarkersPumpTest : public testing::Test {
  protected:
    void SetUp() override { resetPendingEvents(); }
    void TearDown() override { resetPendingEvents(); }
};

TEST_F(ExtractBetweenMarkersPumpTest, PumpsAfterEveryMarkerPair) {
    Table<Text> pieces;
    // Two pieces and one empty one; the unclosed tag at the end is no pair.
    extractBetweenMarkers("<a>x|<a> |<a>y|<a>", "<a>", "|", pieces);
    EXPECT_EQ(pendingEventCalls(), 3 * 3);

    // With a length limit each non-empty piece measured, kept or not, pumps
    // once more; the empty one does not.
    resetPendingEvents();
    extractBetweenMarkers("<a>x|<a> |<a>long|", "<a>", "|", pieces, false, 3);
    EXPECT_EQ(pieces, (Table<Text>{"x"}));
    EXPECT_EQ(pendingEventCalls(), 4 + 3 + 4);
}

TEST_F(ExtractBetweenMarkersPumpTest, NestedExtractionLeavesTheOuterOneIntact) {
    Table<Text> outer{"stale"};
    Table<Text> inner;
    Table<Text> outerSeenInside{"unset"};
    // Another handler runs after the first piece: it looks at the outer list
    // and fills a list of its own.
    onPendingEventsCall(1, [&] {
        outerSeenInside = outer;
        extractBetweenMarkers("<b>one|<b>two|", "<b>", "|", inner);
    });
    EXPECT_EQ(extractBetweenMarkers("<a>x|<a>y|<a>z|", "<a>", "|", outer), 3);
    EXPECT_EQ(outer, (Table<Text>{"x", "y", "z"}));
    EXPECT_EQ(inner, (Table<Text>{"one", "two"}));
    EXPECT_TRUE(outerSeenInside.empty());
    EXPECT_EQ(pendingEventCalls(), 3 * 3 + 2 * 3);
}

}  // namespace
