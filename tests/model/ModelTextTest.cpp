#include "DataFile.h"
#include "DocumentedErrors.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace bw;
using namespace bw::InteractiveGroupFunctions;
using namespace bw::PlaylistFunctions;
using namespace bw::TriggerFunctions;
using namespace bw::TriggeredSequencesFunctions;

TEST(ModelText, ReadsAndWritesTheTableOfTexts) {
    const std::map<std::string, std::function<std::string(const std::string&)>> rewrite = {
        {"trigger", [](const std::string& t) { return TriggerToText(TriggerFromText(t)); }},
        {"playlist", [](const std::string& t) { return PlaylistToText(PlaylistFromText(t)); }},
        {"group",
         [](const std::string& t) { return InteractiveGroupToText(*InteractiveGroupFromText(t)); }},
        {"entry", [](const std::string& t) {
             return TriggeredSequencesToText(*TriggeredSequencesFromText(t));
         }}};
    for (const auto& row : test::DataRows("model/texts.txt"))
        EXPECT_EQ(test::TextOrError([&] { return rewrite.at(row[0])(row[1]); }), row[2])
            << row[0] << " " << row[1];
}
