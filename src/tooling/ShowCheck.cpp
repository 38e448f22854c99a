#include "tooling/ShowCheck.h"

#include "environment/AnsiCodePage.h"
#include "environment/LibFile.h"
#include "environment/PathText.h"
#include "environment/Utf8Text.h"
#include "listtext/Serialize.h"
#include "model/SequenceUtils.h"
#include "showfile/DamagedNames.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

namespace bw::ShowCheck {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A musical sequence is a ".kms" file; Windows does not care for the letter case of extensions.
bool IsMusicalSequence(const std::string& fileName) {
    const std::string_view name = PathText::FileNamePart(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot != 4)
        return false;
    std::string extension;
    for (char ch : name.substr(dot + 1))
        extension += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return extension == "kms";
}

// The trigger as the editor's lists show it ("Regular, Unit 01, Input 1"), with the unit id in
// decimal where it has no two-digit text, and the user's name for it when that says more.
std::string TriggerLabel(const Trigger& trigger) {
    const int unitId = trigger.UnitId();
    std::string unit;
    if (unitId >= 0 && unitId <= 255)
        unit = SequenceUtils::UnitIdText(1, true, static_cast<std::uint8_t>(unitId));
    if (unit.empty())
        unit = std::to_string(unitId);
    const std::string address = SequenceUtils::NetworkName(trigger.Network()) + ", Unit " + unit +
                                ", Input " + std::to_string(trigger.InputNumber());
    if (trigger.Name().empty() || trigger.Name() == address)
        return address;
    return Quoted(trigger.Name()) + " (" + address + ")";
}

std::string GroupLabel(std::size_t position, const InteractiveGroup& group) {
    return "Interactive group " + std::to_string(position) + " " + Quoted(group.Name());
}

class Checker {
public:
    explicit Checker(const std::string& sequenceFolder) : folder_(sequenceFolder) {}

    void Playlist(const char* section, const PlaylistPtr& playlist, bool animationOnly) {
        const std::string where = std::string(section) + " section";
        if (!playlist || playlist->List().empty()) {
            Report(where + " is empty");
            return;
        }
        int position = 1;
        for (const std::string& name : playlist->List()) {
            const std::string entry = where + ", entry " + std::to_string(position++);
            SequenceFile(entry, name);
            if (animationOnly && IsMusicalSequence(name))
                Report(entry + ": " + Quoted(name) + " is a musical sequence; the " + section +
                       " section plays animation sequences only");
        }
        if (!playlist->CleanUp().empty() && !Exists(playlist->CleanUp()))
            Report(where + ": cleanup sequence " + Missing(playlist->CleanUp()));
    }

    void Groups(const GroupCollectionPtr& groups) {
        if (!groups || groups->empty()) {
            Report("Interactive section is empty");
            return;
        }
        for (std::size_t g = 0; g < groups->size(); ++g)
            if (const InteractiveGroupPtr& group = (*groups)[g])
                Group(g + 1, *group);
        SharedTriggers(*groups);
    }

    void StartupOptions(const Show& show) {
        const int type = show.StartupType();
        if (show.StartupTrigger())
            return;
        if (type == Show::StartsOnTrigger)
            Report("Show options: the show starts on a trigger, but it has no startup trigger");
        else if (type == Show::BackgroundImmediatelyRestOnTrigger)
            Report("Show options: the rest of the show starts on a trigger, but the show has no "
                   "startup trigger");
    }

    std::vector<std::string> Findings() { return std::move(findings_); }

private:
    void Report(std::string finding) { findings_.push_back(std::move(finding)); }

    std::string Resolved(const std::string& name) const {
        return LibFile::ResolveSequencePath(name, folder_);
    }
    bool Exists(const std::string& name) const { return LibFile::FileExists(Resolved(name)); }

    // "not found: NAME", with the path looked at when the name was resolved to another.
    std::string Missing(const std::string& name) const {
        const std::string path = Resolved(name);
        std::string text = "not found: " + Quoted(name);
        if (path != name)
            text += " (looked for " + Quoted(path) + ")";
        return text;
    }

    void SequenceFile(const std::string& where, const std::string& name) {
        if (name.empty())
            Report(where + ": the sequence file name is empty");
        else if (!Exists(name))
            Report(where + ": sequence file " + Missing(name));
    }

    void Group(std::size_t position, const InteractiveGroup& group) {
        const std::string label = GroupLabel(position, group);
        if (group.Independent() && !group.Interruptible())
            Report(label + " is independent but not interruptible, which is none of the group "
                           "types Jukebox, Soundboard and Magic Toy");
        const bool magicToy = group.Independent() && group.Interruptible();
        for (int i = 0; i < group.Count(); ++i) {
            const TriggeredSequences& entry = *group.GetTriggeredSequences(i);
            const std::string where =
                label + ", " +
                (entry.Trig() ? "trigger " + TriggerLabel(*entry.Trig()) : "entry without trigger");
            for (const std::string& name : entry.Sequences()) {
                SequenceFile(where, name);
                if (magicToy && IsMusicalSequence(name))
                    Report(where + ": " + Quoted(name) +
                           " is a musical sequence; a Magic Toy group plays animation sequences "
                           "only");
            }
        }
    }

    // One finding per trigger that more than one group uses, at the trigger's first use.
    void SharedTriggers(const GroupCollection& groups) {
        using Address = std::tuple<int, int, int>;
        struct Use {
            Address address;
            TriggerPtr trigger;
            std::vector<std::size_t> groups;
        };
        std::vector<Use> uses;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            if (!groups[g])
                continue;
            for (int i = 0; i < groups[g]->Count(); ++i) {
                const TriggerPtr& trigger = groups[g]->GetTriggeredSequences(i)->Trig();
                if (!trigger)
                    continue;
                const Address address{trigger->Network(), trigger->UnitId(),
                                      trigger->InputNumber()};
                auto use = std::find_if(uses.begin(), uses.end(),
                                        [&](const Use& u) { return u.address == address; });
                if (use == uses.end())
                    use = uses.insert(uses.end(), Use{address, trigger, {}});
                if (use->groups.empty() || use->groups.back() != g)
                    use->groups.push_back(g);
            }
        }
        for (const Use& use : uses) {
            if (use.groups.size() < 2)
                continue;
            std::string list;
            for (std::size_t g : use.groups)
                list += (list.empty() ? "" : ", ") + std::to_string(g + 1) + " " +
                        Quoted(groups[g]->Name());
            Report("Trigger " + TriggerLabel(*use.trigger) +
                   " is used by more than one group: " + list);
        }
    }

    std::string folder_;
    std::vector<std::string> findings_;
};

} // namespace

std::vector<std::string> CheckShow(const Show& show, const std::string& sequenceFolder) {
    Checker checker(sequenceFolder);
    checker.Playlist("Background", show.Background(), true);
    checker.Playlist("Startup", show.Startup(), false);
    checker.Playlist("Animation", show.Main(), true);
    checker.Playlist("Musical", show.Musical(), false);
    checker.Groups(show.InteractiveGroups());
    checker.Playlist("Shutdown", show.Shutdown(), false);
    checker.StartupOptions(show);
    return checker.Findings();
}

namespace {

bool HasValidCharacterBeyondAscii(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (!Utf8Text::Next(text, pos))
            ++pos;
        else if (pos - start > 1)
            return true;
    }
    return false;
}

// The first name of a code page text whose bytes read as other, valid UTF-8: the name as read
// and as UTF-8 would read it.
std::optional<std::pair<std::string, std::string>> ReadsOtherwiseAsUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("(),"), text.size());
        const std::string name = Serialize::UnescapeText(text.substr(0, end));
        const std::string bytes = AnsiCodePage::FromUtf8(name);
        if (bytes != name && Utf8Text::IsMultiByteText(bytes))
            return std::pair{name, bytes};
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> EncodingFindings(const std::string& text,
                                          TextEncoding::Encoding encoding) {
    std::vector<std::string> findings;
    for (const std::string& name : DamagedNames::InShowText(text, encoding))
        findings.push_back("Name " + Quoted(TextEncoding::Visible(name, encoding)) + " " +
                           DamagedNames::Explanation(encoding));
    if (encoding == TextEncoding::Encoding::Utf8) {
        if (HasValidCharacterBeyondAscii(text))
            findings.push_back(Utf8FileFinding(text));
    } else if (const auto other = ReadsOtherwiseAsUtf8(text)) {
        findings.push_back(
            "Show file has no byte order mark and was read in the code page, but its bytes also "
            "read as UTF-8 (" +
            Quoted(TextEncoding::Visible(other->first, encoding)) + " would be " +
            Quoted(TextEncoding::Visible(other->second, TextEncoding::Encoding::Utf8)) +
            "): if an earlier BWShow on Linux saved it in UTF-8, put the byte order mark EF BB "
            "BF at its start");
    }
    return findings;
}

std::string Utf8FileFinding(const std::string& text) {
    constexpr std::size_t MostListed = 8;
    std::vector<std::string> characters;
    bool more = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (!Utf8Text::Next(text, pos)) {
            ++pos; // a damaged byte, which has a finding of its own
            continue;
        }
        const std::string character = text.substr(start, pos - start);
        if (static_cast<unsigned char>(character[0]) < 0x80 ||
            std::find(characters.begin(), characters.end(), character) != characters.end())
            continue;
        if (characters.size() == MostListed) {
            more = true;
            break;
        }
        characters.push_back(character);
    }
    std::string list;
    for (const std::string& character : characters)
        list += (list.empty() ? "" : ", ") + Quoted(character);
    if (more)
        list += ", ...";
    return "Show file is written in UTF-8 (for " + list +
           "), which the editor on Windows does not read: names with these characters will be "
           "wrong there";
}

} // namespace bw::ShowCheck
