#include "common/automation.h"

#include <gtest/gtest.h>

#include "support/native_objects.h"
#include "support/scripted_object.h"

namespace {

ScriptedObject::Handler returns(Variant value) {
    return [value](std::span<const Variant>) { return std::optional<Variant>(value); };
}

std::vector<InvokeKind> kindsTried(const ScriptedObject& object) {
    std::vector<InvokeKind> kinds;
    for (const auto& call : object.calls) {
        kinds.push_back(call.kind);
    }
    return kinds;
}

}  // namespace

TEST(AutomationTest, ReadTriesPropertyGetThenMethod) {
    auto object = std::make_shared<ScriptedObject>();
    object->on("Count", InvokeKind::Method, returns(Variant(std::int32_t{3})));

    EXPECT_EQ(asInteger(automation::get(object, "Count")), 3);
    EXPECT_EQ(kindsTried(*object),
              (std::vector<InvokeKind>{InvokeKind::PropertyGet, InvokeKind::Method}));
}

TEST(AutomationTest, WriteTriesPutThenPutByReferenceThenMethodWithTheValueLast) {
    auto object = std::make_shared<ScriptedObject>();
    object->on("Option", InvokeKind::Method, returns(Variant()));

    EXPECT_TRUE(automation::put(object, "Option", Variant(true), {Variant(std::int32_t{6})}));
    EXPECT_EQ(kindsTried(*object),
              (std::vector<InvokeKind>{InvokeKind::PropertyPut, InvokeKind::PropertyPutRef,
                                       InvokeKind::Method}));
    ASSERT_EQ(object->calls.back().args.size(), 2u);
    EXPECT_EQ(asInteger(object->calls.back().args[0]), 6);
    EXPECT_TRUE(asBool(object->calls.back().args[1]));
}

TEST(AutomationTest, CallTriesMethodFirstThenPropertyGet) {
    auto object = std::make_shared<ScriptedObject>();
    object->on("Pattern", InvokeKind::PropertyGet, returns(textValue("中文")));
    object->on("Execute", InvokeKind::Method, [](std::span<const Variant> args) {
        return std::optional<Variant>(textValue("ran " + asText(args[0])));
    });

    EXPECT_EQ(asText(automation::call(object, "Execute", {textValue("主题")})), "ran 主题");
    EXPECT_EQ(object->calls.size(), 1u);
    EXPECT_EQ(asText(automation::call(object, "Pattern")), "中文");
    EXPECT_EQ(object->calls.back().kind, InvokeKind::PropertyGet);
}

TEST(AutomationTest, EveryFailureYieldsAnEmptyValueAndTheCallerGoesOn) {
    auto refusing = std::make_shared<ScriptedObject>();
    EXPECT_TRUE(automation::get(refusing, "Missing").isEmpty());
    EXPECT_FALSE(automation::put(refusing, "Missing", Variant(std::int32_t{1})));
    EXPECT_TRUE(automation::call(refusing, "Missing").isEmpty());

    const ObjectRef none;
    EXPECT_TRUE(automation::get(none, "Count").isEmpty());
    EXPECT_FALSE(automation::put(none, "Count", Variant(std::int32_t{1})));
    EXPECT_EQ(asInteger(automation::call(none, "Count")), 0);
    EXPECT_EQ(asText(automation::call(none, "Value")), "");
    EXPECT_EQ(asObject(automation::call(none, "Item")), nullptr);
}

TEST(AutomationTest, ObjectsComeFromTheirProgId) {
    registerObjectClass("Test.Object", [] { return std::make_shared<ScriptedObject>(); });
    EXPECT_NE(createObject("Test.Object"), nullptr);
    EXPECT_EQ(createObject("Missing.Object"), nullptr);
    clearObjectClasses();
    EXPECT_EQ(createObject("Test.Object"), nullptr);
}
