#include <gtest/gtest.h>
#include <objbase.h>

#include "common/automation.h"
#include "common/com_apartment.h"

namespace {

class DispatchObjectTest : public testing::Test {
  protected:
    DispatchObjectTest() { regExp = createObject("VBScript.RegExp"); }

    ComApartment apartment;  // declared first: it outlives the object
    ObjectRef regExp;
};

}  // namespace

TEST_F(DispatchObjectTest, PropertiesRoundTripChineseTextAndLogicals) {
    ASSERT_NE(regExp, nullptr);
    EXPECT_TRUE(automation::put(regExp, "Pattern", textValue("标题(\\d+)")));
    EXPECT_EQ(asText(automation::get(regExp, "Pattern")), "标题(\\d+)");
    EXPECT_TRUE(automation::put(regExp, "IgnoreCase", Variant(true)));
    EXPECT_TRUE(asBool(automation::get(regExp, "IgnoreCase")));
}

TEST_F(DispatchObjectTest, MethodsReturnObjectsWhoseMembersAreReadByName) {
    automation::put(regExp, "Global", Variant(true));
    automation::put(regExp, "Pattern", textValue("文(\\w)"));
    ObjectRef matches = asObject(automation::call(regExp, "Execute", {textValue("中文a文b")}));
    ASSERT_NE(matches, nullptr);
    EXPECT_EQ(asInteger(automation::get(matches, "Count")), 2);
    ObjectRef second = asObject(automation::get(matches, "Item", {Variant(std::int32_t{1})}));
    EXPECT_EQ(asText(automation::get(second, "Value")), "文b");
    EXPECT_EQ(asInteger(automation::get(second, "FirstIndex")), 3);
    ObjectRef groups = asObject(automation::get(second, "SubMatches"));
    EXPECT_EQ(asText(automation::get(groups, "Item", {Variant(std::int32_t{0})})), "b");
}

TEST_F(DispatchObjectTest, RefusedCallsYieldEmptyValues) {
    EXPECT_EQ(createObject("No.Such.Object"), nullptr);
    EXPECT_TRUE(automation::get(regExp, "NoSuchMember").isEmpty());
    EXPECT_FALSE(automation::put(regExp, "NoSuchMember", Variant(true)));
    automation::put(regExp, "Pattern", textValue("(abc"));
    EXPECT_EQ(asObject(automation::call(regExp, "Execute", {textValue("abc")})), nullptr);

    automation::put(regExp, "Pattern", textValue("a"));
    ObjectRef matches = asObject(automation::call(regExp, "Execute", {textValue("a")}));
    EXPECT_EQ(asObject(automation::get(matches, "Item", {Variant(std::int32_t{5})})), nullptr);
}

TEST_F(DispatchObjectTest, ByteArraysCrossAsSafeArrays) {
    // The round trip through a platform that keeps variants: a scripting
    // dictionary stores the byte array and hands it back unchanged.
    ObjectRef dictionary = createObject("Scripting.Dictionary");
    ASSERT_NE(dictionary, nullptr);
    const Bytes body = {0x00, 0xB8, 0xA3, 0xFF, 0x41};
    automation::call(dictionary, "Add", {textValue("body"), Variant(body)});
    EXPECT_EQ(asBytes(automation::get(dictionary, "Item", {textValue("body")})), body);
}
