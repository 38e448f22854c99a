#include "tooling/ShowJson.h"

#include "listtext/Error.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace bw::ShowJson {

namespace {

// The sections in the order of the editor's tabs, with the playlist type each one holds.
struct Section {
    const char* key;
    const char* caption;
    int type;
    const PlaylistPtr& (Show::*playlist)() const;
};

const Section Sections[] = {
    {"Background", "Background", Playlist::AnimationPlaylist, &Show::Background},
    {"Startup", "Startup", Playlist::MusicalPlaylist, &Show::Startup},
    {"Main", "Animation", Playlist::AnimationPlaylist, &Show::Main},
    {"Musical", "Musical", Playlist::MusicalPlaylist, &Show::Musical},
    {"Shutdown", "Shutdown", Playlist::MusicalPlaylist, &Show::Shutdown},
};

using Keys = std::initializer_list<const char*>;

const Keys ShowKeys = {"Background",  "Startup",           "Main",
                       "Musical",     "InteractiveGroups", "Shutdown",
                       "StartupType", "StartupTrigger",    "PreloadSequences"};
const Keys PlaylistKeys = {"PlaylistType",
                           "AnimationType",
                           "MusicalType",
                           "Delay",
                           "CleanUp",
                           "LightsOffAtEnd",
                           "ShuffleAllowsBackToBack",
                           "ShuffleWithReplacement",
                           "List"};
const Keys GroupKeys = {"Name",          "TypeName",       "Description",    "Independent",
                        "Interruptible", "MusicalAllowed", "LightsOffAtEnd", "TriggeredSequences"};
const Keys EntryKeys = {"Trig", "Sequences"};
const Keys TriggerKeys = {"Network", "UnitId", "InputNumber", "Name"};

// ---- Writing ------------------------------------------------------------------------------------

Json PlaylistToJson(const PlaylistPtr& playlist) {
    if (!playlist)
        RaiseObjectNotSet();
    Json json = Json::object();
    json["PlaylistType"] = playlist->PlaylistType();
    json["AnimationType"] = playlist->AnimationType();
    json["MusicalType"] = playlist->MusicalType();
    json["Delay"] = playlist->Delay();
    json["CleanUp"] = playlist->CleanUp();
    json["LightsOffAtEnd"] = playlist->LightsOffAtEnd();
    json["ShuffleAllowsBackToBack"] = playlist->ShuffleAllowsBackToBack();
    json["ShuffleWithReplacement"] = playlist->ShuffleWithReplacement();
    json["List"] = playlist->List();
    return json;
}

Json TriggerToJson(const TriggerPtr& trigger) {
    if (!trigger)
        return nullptr;
    Json json = Json::object();
    json["Network"] = trigger->Network();
    json["UnitId"] = trigger->UnitId();
    json["InputNumber"] = trigger->InputNumber();
    json["Name"] = trigger->Name();
    return json;
}

Json GroupToJson(const InteractiveGroup& group) {
    Json json = Json::object();
    json["Name"] = group.Name();
    json["TypeName"] = group.TypeName();
    json["Description"] = group.Description();
    json["Independent"] = group.Independent();
    json["Interruptible"] = group.Interruptible();
    json["MusicalAllowed"] = group.MusicalAllowed();
    json["LightsOffAtEnd"] = group.LightsOffAtEnd();
    Json entries = Json::array();
    for (int i = 0; i < group.Count(); ++i) {
        const TriggeredSequences& entry = *group.GetTriggeredSequences(i);
        Json entryJson = Json::object();
        entryJson["Trig"] = TriggerToJson(entry.Trig());
        entryJson["Sequences"] = entry.Sequences();
        entries.push_back(std::move(entryJson));
    }
    json["TriggeredSequences"] = std::move(entries);
    return json;
}

// ---- Reading ------------------------------------------------------------------------------------

std::string Join(const Keys& keys) {
    std::string text;
    for (const char* key : keys) {
        if (!text.empty())
            text += ", ";
        text += key;
    }
    return text;
}

std::string ChildPath(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string ElementPath(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

// How a value that does not fit is named in a message.
std::string Found(const Json& value) {
    switch (value.type()) {
    case Json::value_t::null:
        return "null";
    case Json::value_t::boolean:
        return value.get<bool>() ? "true" : "false";
    case Json::value_t::string:
        return "a string";
    case Json::value_t::array:
        return "an array";
    case Json::value_t::object:
        return "an object";
    case Json::value_t::number_float:
        return "the number " + value.dump();
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
        return "the number " + value.dump();
    default:
        return "a value of another kind";
    }
}

[[noreturn]] void Fail(const std::string& path, const std::string& expected, const Json& value) {
    throw JsonError(path, "expected " + expected + ", found " + Found(value));
}

const std::string IntRange = "an integer from " +
                             std::to_string(std::numeric_limits<std::int32_t>::min()) + " to " +
                             std::to_string(std::numeric_limits<std::int32_t>::max());

int ReadInt(const Json& value, const std::string& path) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
            return static_cast<int>(number);
    } else if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number >= std::numeric_limits<std::int32_t>::min() &&
            number <= std::numeric_limits<std::int32_t>::max())
            return static_cast<int>(number);
    }
    Fail(path, IntRange, value);
}

bool ReadBool(const Json& value, const std::string& path) {
    if (!value.is_boolean())
        Fail(path, "true or false", value);
    return value.get<bool>();
}

std::string ReadString(const Json& value, const std::string& path) {
    if (!value.is_string())
        Fail(path, "a string", value);
    return value.get<std::string>();
}

std::vector<std::string> ReadStrings(const Json& value, const std::string& path) {
    if (!value.is_array())
        Fail(path, "an array of strings", value);
    std::vector<std::string> strings;
    strings.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i)
        strings.push_back(ReadString(value[i], ElementPath(path, i)));
    return strings;
}

// One JSON object of a known kind: refuses keys it does not know and hands out the others with
// the path of each for messages.
class ObjectReader {
public:
    ObjectReader(const Json& json, std::string path, const char* kind, const Keys& keys)
        : json_(json), path_(std::move(path)) {
        if (!json.is_object())
            Fail(path_, "an object (" + std::string(kind) + ")", json);
        for (const auto& [key, value] : json.items()) {
            bool known = false;
            for (const char* name : keys)
                known = known || key == name;
            if (!known)
                throw JsonError(path_, "unknown key \"" + key + "\"; the keys of " + kind +
                                           " are " + Join(keys));
        }
    }

    const std::string& Path() const { return path_; }
    std::string PathOf(std::string_view key) const { return ChildPath(path_, key); }

    const Json* Find(const char* key) const {
        const auto it = json_.find(key);
        return it == json_.end() ? nullptr : &*it;
    }

    std::optional<int> Int(const char* key) const {
        const Json* value = Find(key);
        return value ? std::optional<int>(ReadInt(*value, PathOf(key))) : std::nullopt;
    }
    std::optional<bool> Bool(const char* key) const {
        const Json* value = Find(key);
        return value ? std::optional<bool>(ReadBool(*value, PathOf(key))) : std::nullopt;
    }
    std::optional<std::string> String(const char* key) const {
        const Json* value = Find(key);
        return value ? std::optional<std::string>(ReadString(*value, PathOf(key))) : std::nullopt;
    }

private:
    const Json& json_;
    std::string path_;
};

// A type option that the playlist's type does not keep is 0 in every playlist; any other value
// would be dropped by the setter, so it is refused instead.
void RequireUnused(const ObjectReader& reader, const char* key, std::optional<int> value,
                   const char* playlistKind) {
    if (value && *value != 0)
        throw JsonError(reader.PathOf(key), "expected 0, as " + std::string(playlistKind) +
                                                " has no " + key + ", found " +
                                                std::to_string(*value));
}

// Fills in the section's playlist of a new show, which already has the section's type.
void ReadPlaylist(const Json& json, const Section& section, Playlist& playlist) {
    const ObjectReader reader(json, section.key, "a playlist", PlaylistKeys);
    if (const auto type = reader.Int("PlaylistType"); type && *type != section.type)
        throw JsonError(reader.PathOf("PlaylistType"),
                        "expected " + std::to_string(section.type) + ", the type of the " +
                            section.caption + " section, found " + std::to_string(*type));
    const auto animationType = reader.Int("AnimationType");
    const auto musicalType = reader.Int("MusicalType");
    const auto delay = reader.Int("Delay");
    if (section.type == Playlist::AnimationPlaylist) {
        RequireUnused(reader, "MusicalType", musicalType, "an animation playlist");
        RequireUnused(reader, "Delay", delay, "an animation playlist");
    } else {
        RequireUnused(reader, "AnimationType", animationType, "a musical playlist");
    }
    // The same order as reading a show text: the type first, then the type's options.
    playlist.SetPlaylistType(section.type);
    if (animationType)
        playlist.SetAnimationType(*animationType);
    if (musicalType)
        playlist.SetMusicalType(*musicalType);
    if (delay)
        playlist.SetDelay(*delay);
    if (auto cleanUp = reader.String("CleanUp"))
        playlist.SetCleanUp(std::move(*cleanUp));
    if (const Json* list = reader.Find("List"))
        playlist.List() = ReadStrings(*list, reader.PathOf("List"));
    if (const auto value = reader.Bool("LightsOffAtEnd"))
        playlist.SetLightsOffAtEnd(*value);
    if (const auto value = reader.Bool("ShuffleAllowsBackToBack"))
        playlist.SetShuffleAllowsBackToBack(*value);
    if (const auto value = reader.Bool("ShuffleWithReplacement"))
        playlist.SetShuffleWithReplacement(*value);
}

TriggerPtr ReadTrigger(const Json& json, const std::string& path) {
    const ObjectReader reader(json, path, "a trigger", TriggerKeys);
    auto trigger = std::make_shared<Trigger>();
    if (const auto value = reader.Int("Network"))
        trigger->SetNetwork(*value);
    if (const auto value = reader.Int("UnitId"))
        trigger->SetUnitId(*value);
    if (const auto value = reader.Int("InputNumber"))
        trigger->SetInputNumber(*value);
    if (auto value = reader.String("Name"))
        trigger->SetName(std::move(*value));
    return trigger;
}

// A show file holds no entry without a trigger or without files, so neither is accepted.
TriggeredSequencesPtr ReadEntry(const Json& json, const std::string& path) {
    const ObjectReader reader(json, path, "an entry of TriggeredSequences", EntryKeys);
    const Json* trig = reader.Find("Trig");
    if (!trig)
        throw JsonError(path, "no Trig; every entry needs its trigger");
    TriggerPtr trigger = ReadTrigger(*trig, reader.PathOf("Trig"));
    const Json* sequences = reader.Find("Sequences");
    if (!sequences)
        throw JsonError(path, "no Sequences; every entry needs at least one sequence file");
    std::vector<std::string> files = ReadStrings(*sequences, reader.PathOf("Sequences"));
    if (files.empty())
        throw JsonError(reader.PathOf("Sequences"),
                        "expected at least one sequence file, found an empty array");
    return TriggeredSequencesFunctions::NewTriggeredSequences(std::move(trigger), files);
}

InteractiveGroupPtr ReadGroup(const Json& json, const std::string& path) {
    const ObjectReader reader(json, path, "an interactive group", GroupKeys);
    auto group = std::make_shared<InteractiveGroup>();
    if (auto value = reader.String("Description"))
        group->SetDescription(std::move(*value));
    // Through the setters, as a group read from a show text, so that the type texts follow.
    group->SetIndependent(reader.Bool("Independent").value_or(false));
    group->SetInterruptible(reader.Bool("Interruptible").value_or(false));
    group->SetMusicalAllowed(reader.Bool("MusicalAllowed").value_or(true));
    if (auto value = reader.String("Name"))
        group->SetName(std::move(*value));
    if (const auto value = reader.Bool("LightsOffAtEnd"))
        group->SetLightsOffAtEnd(*value);

    // TypeName follows from the flags; it is written for the reader and only checked here.
    if (const auto typeName = reader.String("TypeName"); typeName && *typeName != group->TypeName())
        throw JsonError(reader.PathOf("TypeName"),
                        "\"" + *typeName + "\" does not match Independent " +
                            (group->Independent() ? "true" : "false") + " and Interruptible " +
                            (group->Interruptible() ? "true" : "false") + ", which make \"" +
                            group->TypeName() + "\"; change the flags or leave TypeName out");

    const Json* entries = reader.Find("TriggeredSequences");
    if (!entries)
        throw JsonError(path, "no TriggeredSequences; every group needs at least one entry");
    const std::string entriesPath = reader.PathOf("TriggeredSequences");
    if (!entries->is_array())
        Fail(entriesPath, "an array of entries", *entries);
    if (entries->empty())
        throw JsonError(entriesPath, "expected at least one entry, found an empty array");
    for (std::size_t i = 0; i < entries->size(); ++i)
        group->AddTriggeredSequences(ReadEntry((*entries)[i], ElementPath(entriesPath, i)));
    return group;
}

// ---- Parsing ------------------------------------------------------------------------------------

// Where the parser is, kept from its events so that a duplicate key can be placed.
class ParsePosition {
public:
    void Observe(Json::parse_event_t event, const Json& parsed) {
        using Event = Json::parse_event_t;
        switch (event) {
        case Event::object_start:
            frames_.emplace_back(true);
            break;
        case Event::array_start:
            frames_.emplace_back(false);
            break;
        case Event::key:
            Key(parsed.get<std::string>());
            break;
        case Event::object_end:
        case Event::array_end:
            frames_.pop_back();
            ElementDone();
            break;
        case Event::value:
            ElementDone();
            break;
        }
    }

private:
    struct Frame {
        explicit Frame(bool isObject) : object(isObject) {}
        bool object;
        std::size_t index = 0;
        std::string key;
        std::set<std::string> keys;
    };

    void Key(std::string key) {
        Frame& frame = frames_.back();
        if (!frame.keys.insert(key).second)
            throw JsonError(Path(), "the key \"" + key + "\" appears more than once");
        frame.key = std::move(key);
    }

    // A value, object or array has been read; in an array the next one has the next index.
    void ElementDone() {
        if (!frames_.empty() && !frames_.back().object)
            ++frames_.back().index;
    }

    // The path of the innermost object or array.
    std::string Path() const {
        std::string path;
        for (std::size_t i = 0; i + 1 < frames_.size(); ++i)
            path = frames_[i].object ? ChildPath(path, frames_[i].key)
                                     : ElementPath(path, frames_[i].index);
        return path;
    }

    std::vector<Frame> frames_;
};

// nlohmann's messages begin with "[json.exception.parse_error.101] "; the rest is for people.
std::string WithoutExceptionId(const std::string& message) {
    if (message.starts_with("[json.exception.")) {
        const std::size_t end = message.find("] ");
        if (end != std::string::npos)
            return message.substr(end + 2);
    }
    return message;
}

} // namespace

JsonError::JsonError(std::string path, std::string problem)
    : std::runtime_error(path.empty() ? problem : path + ": " + problem), path_(std::move(path)),
      problem_(std::move(problem)) {}

Json ShowToJson(const Show& show) {
    Json json = Json::object();
    json["Background"] = PlaylistToJson(show.Background());
    json["Startup"] = PlaylistToJson(show.Startup());
    json["Main"] = PlaylistToJson(show.Main());
    json["Musical"] = PlaylistToJson(show.Musical());
    Json groups = Json::array();
    if (const GroupCollectionPtr& collection = show.InteractiveGroups())
        for (const InteractiveGroupPtr& group : *collection) {
            if (!group)
                RaiseObjectNotSet();
            groups.push_back(GroupToJson(*group));
        }
    json["InteractiveGroups"] = std::move(groups);
    json["Shutdown"] = PlaylistToJson(show.Shutdown());
    json["StartupType"] = show.StartupType();
    json["StartupTrigger"] = TriggerToJson(show.StartupTrigger());
    json["PreloadSequences"] = show.PreloadSequences();
    return json;
}

std::string ShowToJsonText(const Show& show) {
    return ShowToJson(show).dump(2, ' ', false, Json::error_handler_t::strict) + "\n";
}

Json ParseJson(std::string_view text) {
    ParsePosition position;
    const Json::parser_callback_t track = [&position](int, Json::parse_event_t event,
                                                      Json& parsed) {
        position.Observe(event, parsed);
        return true;
    };
    try {
        return Json::parse(text, track);
    } catch (const Json::exception& error) {
        throw JsonError("", WithoutExceptionId(error.what()));
    }
}

ShowPtr ShowFromJson(const Json& json) {
    const ObjectReader reader(json, "", "a show", ShowKeys);
    auto show = std::make_shared<Show>();
    for (const Section& section : Sections)
        if (const Json* playlist = reader.Find(section.key))
            ReadPlaylist(*playlist, section, *(show.get()->*section.playlist)());

    if (const Json* groups = reader.Find("InteractiveGroups")) {
        const std::string path = reader.PathOf("InteractiveGroups");
        if (!groups->is_array())
            Fail(path, "an array of interactive groups", *groups);
        for (std::size_t i = 0; i < groups->size(); ++i)
            show->InteractiveGroups()->push_back(ReadGroup((*groups)[i], ElementPath(path, i)));
    }
    if (const auto value = reader.Int("StartupType"))
        show->SetStartupType(*value);
    if (const Json* trigger = reader.Find("StartupTrigger"); trigger && !trigger->is_null()) {
        const std::string path = reader.PathOf("StartupTrigger");
        if (!trigger->is_object())
            Fail(path, "an object (a trigger) or null for none", *trigger);
        show->SetStartupTrigger(ReadTrigger(*trigger, path));
    }
    if (const auto value = reader.Bool("PreloadSequences"))
        show->SetPreloadSequences(*value);
    return show;
}

} // namespace bw::ShowJson
