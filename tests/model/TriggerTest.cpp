#include "DocumentedErrors.h"
#include "model/SequenceUtils.h"
#include "model/TriggerFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::TriggerFunctions;
using bw::test::ErrorNumberOf;

TEST(Trigger, SameTriggerWhatEverItsName) {
    const TriggerPtr a = NewTrigger(1, 2, 3, "front");
    EXPECT_TRUE(a->Equals(NewTrigger(1, 2, 3, "back")));
    EXPECT_FALSE(*a == *NewTrigger(1, 2, 3, "back"));
    EXPECT_FALSE(a->Equals(nullptr));
    for (const TriggerPtr& other :
         {NewTrigger(0, 2, 3, "front"), NewTrigger(1, 3, 3, "front"), NewTrigger(1, 2, 4, "front")})
        EXPECT_FALSE(a->Equals(other) || *a == *other) << TriggerToText(other);

    Trigger copy;
    copy.Copy(*a);
    EXPECT_EQ(copy, *a);
    copy.SetName("changed");
    EXPECT_EQ(a->Name(), "front");
}

TEST(TriggerText, RoundTripsFourFields) {
    // clang-format off
    const std::pair<TriggerPtr, const char*> cases[] = {
        {NewTrigger(0, 1, 1, "Regular, Unit 01, Input 1"), "( 1,Regular*S Unit 01*S Input 1, 1, 0)"},
        {NewTrigger(-1, 300, -5, ""),                      "(-5,, 300,-1)"},
    };
    // clang-format on
    for (const auto& [trigger, text] : cases) {
        EXPECT_EQ(TriggerToText(trigger), text);
        EXPECT_EQ(*TriggerFromText(text), *trigger);
    }
    EXPECT_EQ(*TriggerFromText("(1,x,2,3,ignored)"), *NewTrigger(3, 2, 1, "x"));

    const std::pair<const char*, int> errors[] = {
        {"(,x,2,3)", 13}, {"(1,x,2)", 9}, {"", 9}, {"(1,x,2,9999999999)", 6}, {"(1,x,(2,3)", 2}};
    for (const auto& [text, number] : errors)
        EXPECT_EQ(ErrorNumberOf([&] { TriggerFromText(text); }), number) << text;
    EXPECT_EQ(ErrorNumberOf([] { TriggerToText(nullptr); }), 91);
}

TEST(TriggerText, DisplayNamesNetworkNamesAndUnitIds) {
    EXPECT_EQ(TriggerDisplayName(5, 171, 12), "Net 5, Unit AB, Input 12");
    EXPECT_EQ(TriggerDisplayName(1, 255, -3), "Aux A, Unit , Input -3");
    EXPECT_EQ(ErrorNumberOf([] { TriggerDisplayName(0, 256, 1); }) +
                  ErrorNumberOf([] { TriggerDisplayName(0, -1, 1); }),
              12);
    const char* names[] = {"Net -1", "Regular", "Aux A", "Aux B", "Aux C", "Net 4"};
    for (int network = -1; network < 5; ++network)
        EXPECT_EQ(SequenceUtils::NetworkName(network), names[network + 1]);

    struct Case {
        int style, unit;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {1, 0, ""}, {1, 1, "01"}, {1, 240, "F0"}, {1, 241, ""}, {2, 0, "0"}, {2, 99, "99"}, {2, 100, ""},
        {3, 0, "A-1"}, {3, 15, "A-16"}, {3, 16, "B-1"}, {4, 0, ""}, {4, 1, "1"}, {4, 106, "106"},
        {4, 107, ""}, {5, 42, "42"}, {5, 100, ""}, {0, 5, ""}, {6, 5, ""},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(SequenceUtils::UnitIdText(c.style, true, static_cast<std::uint8_t>(c.unit)),
                  c.text)
            << "style " << c.style << " unit " << c.unit;
    EXPECT_EQ(SequenceUtils::UnitIdText(1, false, 5), "");
}
