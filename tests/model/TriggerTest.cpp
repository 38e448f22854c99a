#include "DataFile.h"
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

TEST(TriggerText, WritesFourFieldsAndShowsNames) {
    EXPECT_EQ(TriggerToText(NewTrigger(-1, 300, -5, "a,b")), "(-5,a*Sb, 300,-1)");
    EXPECT_EQ(ErrorNumberOf([] { TriggerToText(nullptr); }), 91);
    EXPECT_EQ(TriggerDisplayName(5, 171, 12), "Net 5, Unit AB, Input 12");
    EXPECT_EQ(TriggerDisplayName(1, 255, -3), "Aux A, Unit , Input -3");
    EXPECT_EQ(ErrorNumberOf([] { TriggerDisplayName(0, 256, 1); }) +
                  ErrorNumberOf([] { TriggerDisplayName(0, -1, 1); }),
              12);
    const char* names[] = {"Net -1", "Regular", "Aux A", "Aux B", "Aux C", "Net 4"};
    for (int network = -1; network < 5; ++network)
        EXPECT_EQ(SequenceUtils::NetworkName(network), names[network + 1]);
}

TEST(TriggerText, UnitIdsFollowTheirStyle) {
    for (const auto& row : test::DataRows("model/unit-ids.txt"))
        EXPECT_EQ(SequenceUtils::UnitIdText(std::stoi(row[0]), true,
                                            static_cast<std::uint8_t>(std::stoi(row[1]))),
                  row[2])
            << "style " << row[0] << " unit " << row[1];
    EXPECT_EQ(SequenceUtils::UnitIdText(1, false, 5), "");
}
