// Number texts with more digits than a double holds are read by the rules of their form: the
// place of the first significant digit decides between zero and overflow, not the digit count.
#include "DocumentedErrors.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <optional>

using namespace bw;

TEST(LongNumberTest, HundredsOfDigits_ReadByTheirPlace) {
    const std::string zeros(400, '0');
    const std::pair<std::string, std::optional<int>> cases[] = {
        // none: overflow
        {"0." + zeros + "1", 0},        {"-0." + zeros + "1", 0},
        {"1" + zeros + "e-400", 1},     {"1" + zeros + "e-1", std::nullopt},
        {"1e-99999999999999999999", 0}, {"0.1e99999999999999999999", std::nullopt}};
    for (const auto& [text, value] : cases) {
        for (int (*read)(std::string_view) : {&Serialize::IntFromText, &PlainIntFromText}) {
            const int error = test::ErrorNumberOf([&] { read(text); });
            EXPECT_EQ(error, value ? 0 : 6) << text.substr(0, 8);
            if (value && error == 0) {
                EXPECT_EQ(read(text), *value) << text.substr(0, 8);
            }
        }
    }
}
