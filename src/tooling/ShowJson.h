#pragma once

#include "model/Show.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <string_view>

// A show as JSON, for people who script their displays: the keys are the model's own property
// names, always in the same order, so that two dumps of similar shows diff line by line. The
// layout is described in docs/show-json.md.
namespace bw::ShowJson {

using Json = nlohmann::ordered_json;

// What is wrong with a JSON text or with the show it describes. `Path` says where, as in
// "InteractiveGroups[0].TriggeredSequences[1].Trig.UnitId"; it is empty for the whole text.
class JsonError : public std::runtime_error {
public:
    JsonError(std::string path, std::string problem);

    const std::string& Path() const { return path_; }
    const std::string& Problem() const { return problem_; }

private:
    std::string path_;
    std::string problem_;
};

// Every field of the show that its show text carries, and each group's TypeName for the reader.
Json ShowToJson(const Show& show);

// The JSON text as the tool writes it: two blanks of indentation, one key or array element per
// line, UTF-8, ending in a newline.
std::string ShowToJsonText(const Show& show);

// Parses a JSON text. Raises JsonError for a syntax error, text that is not UTF-8, and a key that
// appears twice in one object (which JSON readers disagree about, so it is refused here).
Json ParseJson(std::string_view text);

// Builds the show that a JSON text describes. A missing key takes the value that a new show (or
// new group, entry or trigger) has. Raises JsonError naming the place for an unknown key, a value
// of the wrong type and anything the show could not hold as given: a playlist of the wrong type
// for its section, an option that the playlist's type does not keep, a group without entries,
// an entry without a trigger or without files, and a TypeName that the group's flags contradict.
// Whatever it accepts, ShowToJson gives back.
ShowPtr ShowFromJson(const Json& json);

} // namespace bw::ShowJson
