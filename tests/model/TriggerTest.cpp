#include "DocumentedErrors.h"
#include "model/SequenceUtils.h"
#include "model/TriggerFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::TriggerFunctions;
using bw::test::ErrorNumberOf;

TEST(Trigger, EqualityIgnoresTheName) {
    const TriggerPtr a = NewTrigger(1, 2, 3, "front");
    const TriggerPtr b = NewTrigger(1, 2, 3, "back");
    EXPECT_TRUE(a->Equals(b));
    EXPECT_FALSE(a->Equals(nullptr));
    EXPECT_FALSE(a->Equals(NewTrigger(0, 2, 3, "front")));
    EXPECT_FALSE(a->Equals(NewTrigger(1, 3, 3, "front")));
    EXPECT_FALSE(a->Equals(NewTrigger(1, 2, 4, "front")));

    Trigger copy;
    copy.Copy(*a);
    EXPECT_TRUE(copy.Equals(a));
    EXPECT_EQ(copy.Name(), "front");
    copy.SetUnitId(9);
    copy.SetName("changed");
    EXPECT_EQ(a->UnitId(), 2);
    EXPECT_EQ(a->Name(), "front");
}

TEST(TriggerText, RoundTripsFourFields) {
    const TriggerPtr trigger = NewTrigger(0, 1, 1, "Regular, Unit 01, Input 1");
    const std::string text = TriggerToText(trigger);
    EXPECT_EQ(text, "( 1,Regular*S Unit 01*S Input 1, 1, 0)");
    const TriggerPtr read = TriggerFromText(text);
    EXPECT_TRUE(read->Equals(trigger));
    EXPECT_EQ(read->Name(), trigger->Name());

    EXPECT_EQ(TriggerToText(std::make_shared<Trigger>()), "( 0,, 0, 0)");
    EXPECT_EQ(TriggerToText(NewTrigger(-1, 300, -5, "")), "(-5,, 300,-1)");

    const TriggerPtr unpadded = TriggerFromText("(1,x,2,3,ignored)");
    EXPECT_EQ(unpadded->InputNumber(), 1);
    EXPECT_EQ(unpadded->Name(), "x");
    EXPECT_EQ(unpadded->UnitId(), 2);
    EXPECT_EQ(unpadded->Network(), 3);

    EXPECT_EQ(ErrorNumberOf([] { TriggerFromText("(,x,2,3)"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { TriggerFromText("(1,x,2)"); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { TriggerFromText(""); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { TriggerFromText("(1,x,2,9999999999)"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { TriggerFromText("(1,x,(2,3)"); }), 2);
    EXPECT_EQ(ErrorNumberOf([] { TriggerToText(nullptr); }), 91);
}

TEST(TriggerText, DisplayNamesAndNetworkNames) {
    EXPECT_EQ(TriggerDisplayName(0, 1, 1), "Regular, Unit 01, Input 1");
    EXPECT_EQ(TriggerDisplayName(5, 171, 12), "Net 5, Unit AB, Input 12");
    EXPECT_EQ(TriggerDisplayName(3, 16, 512), "Aux C, Unit 10, Input 512");
    EXPECT_EQ(TriggerDisplayName(0, 0, 1), "Regular, Unit , Input 1");
    EXPECT_EQ(TriggerDisplayName(1, 255, -3), "Aux A, Unit , Input -3");
    EXPECT_EQ(ErrorNumberOf([] { TriggerDisplayName(0, 256, 1); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { TriggerDisplayName(0, -1, 1); }), 6);

    const char* names[] = {"Regular", "Aux A", "Aux B", "Aux C", "Net 4"};
    for (int network = 0; network < 5; ++network)
        EXPECT_EQ(SequenceUtils::NetworkName(network), names[network]);
    EXPECT_EQ(SequenceUtils::NetworkName(-1), "Net -1");
}

TEST(TriggerText, UnitIdTextsInAllFiveStyles) {
    using SequenceUtils::UnitIdText;
    struct Case {
        int style;
        int unit;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, ""},     {1, 1, "01"},  {1, 10, "0A"},   {1, 16, "10"},  {1, 171, "AB"},
        {1, 240, "F0"}, {1, 241, ""},  {1, 255, ""},    {2, 0, "0"},    {2, 99, "99"},
        {2, 100, ""},   {3, 0, "A-1"}, {3, 15, "A-16"}, {3, 16, "B-1"}, {3, 255, "P-16"},
        {4, 0, ""},     {4, 1, "1"},   {4, 106, "106"}, {4, 107, ""},   {5, 42, "42"},
        {5, 100, ""},   {0, 5, ""},    {6, 5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnitIdText(c.style, true, static_cast<std::uint8_t>(c.unit)), c.text)
            << "style " << c.style << " unit " << c.unit;
    EXPECT_EQ(UnitIdText(1, false, 5), "");
}
