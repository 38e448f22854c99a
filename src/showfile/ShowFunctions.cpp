#include "showfile/ShowFunctions.h"

#include "listtext/Error.h"
#include "listtext/ListWriter.h"
#include "listtext/Serialize.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"

#include <algorithm>

namespace bw::ShowFunctions {

using namespace Serialize;
using InteractiveGroupFunctions::InteractiveGroupFromText;
using PlaylistFunctions::PlaylistFromText;

namespace {

// A Background section playing concurrently, without sequences, for texts that end before it.
constexpr std::string_view DefaultBackgroundText = "(2,0,1,0,,)";

void AppendPlaylist(std::string& out, const PlaylistPtr& playlist) {
    if (!playlist)
        RaiseObjectNotSet();
    PlaylistFunctions::AppendPlaylistText(out, *playlist);
}

// No groups give the empty text.
void AppendGroups(std::string& out, const GroupCollectionPtr& groups) {
    if (!groups)
        RaiseObjectNotSet();
    if (groups->empty())
        return;
    ListWriter texts(out);
    for (const InteractiveGroupPtr& group : *groups) {
        if (!group)
            RaiseObjectNotSet();
        InteractiveGroupFunctions::AppendInteractiveGroupText(texts.Next(), *group);
    }
    texts.Close();
}

// Everything below the top level of a show text is read by these: a part that fails is left
// empty and reading goes on.
template <typename Read> auto ReadOrNothing(Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const Error&) {
        return {};
    }
}

} // namespace

std::string ShowToText(const Show& show) {
    std::string text;
    ListWriter fields(text);
    AppendPlaylist(fields.Next(), show.Startup());
    AppendPlaylist(fields.Next(), show.Shutdown());
    AppendPlaylist(fields.Next(), show.Main());
    AppendPlaylist(fields.Next(), show.Musical());
    fields.Element(""); // reserved
    AppendPlaylist(fields.Next(), show.Background());
    AppendGroups(fields.Next(), show.InteractiveGroups());
    fields.Element(IntToText(show.StartupType()));
    std::string& triggerField = fields.Next();
    if (show.StartupTrigger())
        TriggerFunctions::AppendTriggerText(triggerField, *show.StartupTrigger());
    fields.Element(BoolToText(show.PreloadSequences()));
    fields.Close();
    return text;
}

ShowPtr ShowFromText(std::string_view text) {
    // Elements beyond the tenth are ignored.
    ElementArray fields = ListFromText(text, 1, 10);
    // A text without parentheses gives nothing to extend.
    if (fields.Empty())
        RaiseSubscriptOutOfRange();
    if (fields.Count() < 6) {
        fields.ExtendTo(6);
        fields.Set(6, DefaultBackgroundText);
    }
    if (fields.Count() < 7)
        fields.ExtendTo(7);
    if (fields.Count() < 8) {
        fields.ExtendTo(8);
        fields.Set(8, " 0");
    }
    if (fields.Count() < 9)
        fields.ExtendTo(9);
    if (fields.Count() < 10) {
        fields.ExtendTo(10);
        fields.Set(10, "F");
    }
    const ElementArray groupTexts = ListFromText(fields[7], 1);

    auto groups = std::make_shared<GroupCollection>();
    groups->reserve(static_cast<size_t>(groupTexts.Count()));
    for (std::string_view groupText : groupTexts)
        groups->push_back(ReadOrNothing([&] { return InteractiveGroupFromText(groupText); }));

    TriggerPtr startupTrigger;
    if (!fields[9].empty())
        startupTrigger =
            ReadOrNothing([&] { return TriggerFunctions::TriggerFromText(fields[9]); });

    auto playlist = [&](int field) {
        return ReadOrNothing([&] { return PlaylistFromText(fields[field]); });
    };
    PlaylistPtr startup = playlist(1);
    PlaylistPtr shutdown = playlist(2);
    PlaylistPtr main = playlist(3);
    PlaylistPtr musical = playlist(4);
    PlaylistPtr background = playlist(6);

    int startupType = 0;
    try {
        startupType = IntFromText(fields[8]);
    } catch (const Error&) {
    }
    const bool preloadSequences = BoolFromText(fields[10]);

    return ReadOrNothing([&] {
        return ShowFromParts(std::move(startup), std::move(shutdown), std::move(main),
                             std::move(musical), std::move(background), std::move(groups),
                             startupType, std::move(startupTrigger), preloadSequences);
    });
}

ShowPtr ShowFromParts(PlaylistPtr startup, PlaylistPtr shutdown, PlaylistPtr main,
                      PlaylistPtr musical, PlaylistPtr background, GroupCollectionPtr groups,
                      int startupType, TriggerPtr startupTrigger, bool preloadSequences) {
    auto show = std::make_shared<Show>();
    show->SetStartup(std::move(startup));
    show->SetShutdown(std::move(shutdown));
    show->SetMain(std::move(main));
    show->SetMusical(std::move(musical));
    show->SetInteractiveGroups(std::move(groups));
    show->SetBackground(std::move(background));
    show->SetStartupType(startupType);
    show->SetStartupTrigger(std::move(startupTrigger));
    show->SetPreloadSequences(preloadSequences);

    const std::pair<const PlaylistPtr*, int> sectionTypes[] = {
        {&show->Startup(), Playlist::MusicalPlaylist},
        {&show->Shutdown(), Playlist::MusicalPlaylist},
        {&show->Main(), Playlist::AnimationPlaylist},
        {&show->Background(), Playlist::AnimationPlaylist},
        {&show->Musical(), Playlist::MusicalPlaylist},
    };
    for (const auto& [playlist, type] : sectionTypes) {
        if (!*playlist)
            RaiseObjectNotSet();
        (*playlist)->SetPlaylistType(type);
    }

    if (const GroupCollectionPtr& collection = show->InteractiveGroups())
        std::erase(*collection, nullptr);
    return show;
}

bool HasSameContents(const Show& show, const ShowPtr& other) {
    if (!other)
        return false;
    try {
        return ShowToText(show) == ShowToText(*other);
    } catch (...) {
        return false;
    }
}

} // namespace bw::ShowFunctions
