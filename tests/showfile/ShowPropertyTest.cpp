#include "DocumentedErrors.h"
#include "ShowGenerator.h"
#include "listtext/Error.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::ShowFunctions;

// Any show that keeps the model's invariants survives a write and a read unchanged.
TEST(ShowProperty, RandomShowsRoundTripThroughTheirText) {
    test::ShowGenerator generator(20261206);
    for (int i = 0; i < 3000; ++i) {
        const ShowPtr show = generator.RandomShow();
        const std::string text = ShowToText(*show);
        const ShowPtr read = ShowFromText(text);
        ASSERT_NE(read, nullptr) << text;
        ASSERT_EQ(ShowToText(*read), text);
        ASSERT_TRUE(read->HasSameContents(show));
        ASSERT_EQ(read->InteractiveGroups()->size(), show->InteractiveGroups()->size());
        for (size_t g = 0; g < show->InteractiveGroups()->size(); ++g) {
            const InteractiveGroup& original = *show->InteractiveGroups()->at(g);
            const InteractiveGroup& copy = *read->InteractiveGroups()->at(g);
            ASSERT_EQ(copy.TypeName(), original.TypeName());
            ASSERT_EQ(copy.TypeDesc(), original.TypeDesc());
        }
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
                ASSERT_TRUE(test::IsShowReadError(error))
                    << error.Number() << " " << error.Description() << " at " << cut;
            }
        }
    }
}
