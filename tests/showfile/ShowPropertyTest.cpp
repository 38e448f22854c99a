#include "ShowGenerator.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::ShowFunctions;

// Any show that keeps the model's invariants comes back equal from its text.
TEST(ShowProperty, RandomShowsRoundTripThroughTheirText) {
    test::ShowGenerator generator(20261206);
    for (int i = 0; i < 3000; ++i) {
        const ShowPtr show = generator.RandomShow();
        const std::string text = ShowToText(*show);
        const ShowPtr read = ShowFromText(text);
        ASSERT_NE(read, nullptr) << text;
        ASSERT_TRUE(*read == *show) << text << "\nread back as\n" << ShowToText(*read);
    }
}
