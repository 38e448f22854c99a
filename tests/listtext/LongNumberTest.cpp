// Number texts with more digits than a double holds are read by the rules of their form: the
// place of the first significant digit decides between zero and overflow, not the digit count.
#include "DocumentedErrors.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(LongNumberTest, HundredsOfDigits_ReadByTheirPlace) {
    const std::string zeros(400, '0');
    struct Case {
        std::string text;
        int value; // Overflow: error 6
    };
    constexpr int Overflow = -1;
    const Case cases[] = {
        {"0." + zeros + "1", 0},        {"-0." + zeros + "1", 0},
        {"1" + zeros + "e-400", 1},     {"1" + zeros + "e-1", Overflow},
        {"1" + zeros, Overflow},        {"0.1e99999999999999999999", Overflow},
        {"1e-99999999999999999999", 0},
    };
    for (const Case& test : cases) {
        for (int form = 0; form < 2; ++form) {
            const auto read = [&] {
                return form == 0 ? Serialize::IntFromText(test.text) : PlainIntFromText(test.text);
            };
            const int error = test::ErrorNumberOf(read);
            EXPECT_EQ(error, test.value == Overflow ? 6 : 0) << test.text.substr(0, 8) << form;
            if (error == 0) {
                EXPECT_EQ(read(), test.value) << test.text.substr(0, 8) << form;
            }
        }
    }
}
