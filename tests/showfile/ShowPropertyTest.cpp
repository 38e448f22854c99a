#include "DocumentedErrors.h"
#include "ShowGenerator.h"
#include "listtext/Error.h"
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

// Cutting a show text anywhere never escapes with anything but the documented errors.
TEST(ShowProperty, TruncatedTextsRaiseOnlyDocumentedErrors) {
    test::ShowGenerator generator(7);
    for (int i = 0; i < 200; ++i) {
        const std::string text = ShowToText(*generator.RandomShow(3, 2));
        for (size_t cut = 0; cut < text.size(); cut += 1 + text.size() / 40) {
            try {
                ShowFromText(std::string_view(text).substr(0, cut));
            } catch (const Error& error) {
                ASSERT_TRUE(test::IsShowReadError(error)) << error.Number() << " at " << cut;
            }
        }
    }
}
