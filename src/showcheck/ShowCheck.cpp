#include "showcheck/ShowCheck.h"

#include "environment/AnsiCodePage.h"
#include "environment/LibFile.h"
#include "environment/PathText.h"
#include "environment/SequenceName.h"
#include "environment/Utf8Text.h"
#include "listtext/Serialize.h"
#include "model/SequenceUtils.h"
#include "showfile/DamagedNames.h"
#include "showfile/ShowFunctions.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace bw::ShowCheck {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

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

std::string EntryLabel(const TriggeredSequences& entry) {
    return entry.Trig() ? "trigger " + TriggerLabel(*entry.Trig()) : "entry without trigger";
}

bool StartsOnTrigger(const Show& show) {
    return show.StartupType() == Show::StartsOnTrigger ||
           show.StartupType() == Show::BackgroundImmediatelyRestOnTrigger;
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// Whether every text that the show text holds is ASCII, so that it is written in the code page
// whatever else: the show need not be written out to learn that, which on a show of thousands of
// entries costs more than the rest of the check.
bool AllTextIsAscii(const Show& show) {
    for (const PlaylistPtr* playlist :
         {&show.Background(), &show.Startup(), &show.Main(), &show.Musical(), &show.Shutdown()}) {
        if (!*playlist)
            continue;
        if (!IsAscii((*playlist)->CleanUp()))
            return false;
        for (const std::string& name : (*playlist)->List())
            if (!IsAscii(name))
                return false;
    }
    if (show.StartupTrigger() && !IsAscii(show.StartupTrigger()->Name()))
        return false;
    if (!show.InteractiveGroups())
        return true;
    for (const InteractiveGroupPtr& group : *show.InteractiveGroups()) {
        if (!group)
            continue;
        if (!IsAscii(group->Name()) || !IsAscii(group->Description()))
            return false;
        for (int i = 0; i < group->Count(); ++i) {
            const TriggeredSequences& entry = *group->GetTriggeredSequences(i);
            if (entry.Trig() && !IsAscii(entry.Trig()->Name()))
                return false;
            for (const std::string& name : entry.Sequences())
                if (!IsAscii(name))
                    return false;
        }
    }
    return true;
}

bool HasSequences(const PlaylistPtr& playlist) {
    return playlist && !playlist->List().empty();
}

class Checker {
public:
    explicit Checker(const std::string& sequenceFolder) : folder_(sequenceFolder) {}

    void Playlist(Section section, const PlaylistPtr& playlist, bool animationOnly) {
        const std::string name = SectionName(section);
        const std::string where = name + " section";
        if (!HasSequences(playlist)) {
            Report(Severity::Warning, section, 0, -1, where + " is empty");
            return;
        }
        // Each file's first position, to point repeats at it, by its resolved path: a view of
        // the name where that resolves to itself, else of a copy kept in `resolved`.
        std::unordered_map<std::string_view, int> firstPosition;
        firstPosition.reserve(playlist->List().size());
        std::deque<std::string> resolved;
        int position = 0;
        for (const std::string& file : playlist->List()) {
            ++position;
            auto entry = [&] { return where + ", entry " + std::to_string(position); };
            const std::string& path = LibFile::ResolvesToItself(file, folder_)
                                          ? file
                                          : resolved.emplace_back(Resolved(file));
            SequenceFile(section, position, -1, entry, file, path);
            if (animationOnly && IsMusicalSequence(file))
                Report(Severity::Problem, section, position, -1,
                       entry() + ": " + Quoted(file) + " is a musical sequence; the " + name +
                           " section plays animation sequences only");
            if (file.empty())
                continue;
            const auto [first, isNew] = firstPosition.try_emplace(path, position);
            if (!isNew)
                Report(Severity::Warning, section, position, -1,
                       entry() + ": " + Quoted(file) + " is also entry " +
                           std::to_string(first->second) + " (a repeat, which can be meant)");
        }
        if (!playlist->CleanUp().empty() && !LibFile::FileExists(Resolved(playlist->CleanUp())))
            Report(Severity::Problem, section, 0, -1,
                   where + ": cleanup sequence " + Missing(playlist->CleanUp()));
    }

    void Groups(const Show& show) {
        const GroupCollectionPtr& groups = show.InteractiveGroups();
        if (!groups || groups->empty()) {
            Report(Severity::Warning, Section::Interactive, 0, -1, "Interactive section is empty");
        } else {
            for (std::size_t g = 0; g < groups->size(); ++g)
                if (const InteractiveGroupPtr& group = (*groups)[g])
                    Group(static_cast<int>(g + 1), *group);
        }
        SharedTriggers(show);
    }

    void PlaysSomething(const Show& show) {
        if (HasSequences(show.Background()) || HasSequences(show.Main()) ||
            HasSequences(show.Musical()))
            return;
        Report(Severity::Problem, Section::Background, 0, -1,
               "The show plays nothing: its Background, Animation and Musical sections are "
               "empty");
    }

    void StartupOptions(const Show& show) {
        const int type = show.StartupType();
        if (show.StartupTrigger())
            return;
        if (type == Show::StartsOnTrigger)
            Report(Severity::Problem, Section::Options, 0, -1,
                   "Show options: the show starts on a trigger, but it has no startup trigger");
        else if (type == Show::BackgroundImmediatelyRestOnTrigger)
            Report(Severity::Problem, Section::Options, 0, -1,
                   "Show options: the rest of the show starts on a trigger, but the show has no "
                   "startup trigger");
    }

    void FileEncoding(const Show& show, const Options& options) {
        std::string text;
        TextEncoding::Encoding encoding{};
        if (options.fileEncoding) {
            encoding = *options.fileEncoding;
            text = options.fileText;
        } else {
            if (AllTextIsAscii(show))
                return;
            try {
                text = ShowFunctions::ShowToText(show);
            } catch (const std::exception&) {
                // A show that cannot be written has findings of its own (an empty group).
                return;
            }
            encoding = TextEncoding::Encode(text).encoding;
        }
        for (const std::string& name : DamagedNames::InShowText(text, encoding))
            Report(Severity::Problem, Section::ShowFile, 0, -1,
                   "Name " + Quoted(TextEncoding::Visible(name, encoding)) + " " +
                       DamagedNames::Explanation(encoding));
        if (encoding == TextEncoding::Encoding::Utf8) {
            if (HasValidCharacterBeyondAscii(text))
                Report(Severity::Problem, Section::ShowFile, 0, -1, Utf8FileFinding(text));
        } else if (options.fileEncoding) {
            if (const auto other = ReadsOtherwiseAsUtf8(text))
                Report(
                    Severity::Problem, Section::ShowFile, 0, -1,
                    "Show file has no byte order mark and was read in the code page, but its "
                    "bytes also read as UTF-8 (" +
                        Quoted(TextEncoding::Visible(other->first, encoding)) + " would be " +
                        Quoted(TextEncoding::Visible(other->second, TextEncoding::Encoding::Utf8)) +
                        "): if an earlier BWShow on Linux saved it in UTF-8, put the byte "
                        "order mark EF BB BF at its start");
        }
    }

    std::vector<Finding> Findings() { return std::move(findings_); }

private:
    void Report(Severity severity, Section section, int entry, int groupEntry, std::string text) {
        findings_.push_back(Finding{severity, section, entry, groupEntry, std::move(text)});
    }

    std::string Resolved(const std::string& name) const {
        return LibFile::ResolveSequencePath(name, folder_);
    }

    // "not found: NAME", with the path looked at when the name was resolved to another. Half
    // the files of a moved show are missing, so the text is made in one piece.
    std::string Missing(const std::string& name) const {
        std::string text;
        text.reserve(16 + 2 * name.size() + folder_.size() + 20);
        text.append("not found: \"").append(name).append("\"");
        if (!LibFile::ResolvesToItself(name, folder_))
            text.append(" (looked for \"").append(Resolved(name)).append("\")");
        return text;
    }

    // `where` makes the place's text, which only a finding needs.
    template <typename Where>
    void SequenceFile(Section section, int entry, int groupEntry, const Where& where,
                      const std::string& name, const std::string& path) {
        if (name.empty())
            Report(Severity::Problem, section, entry, groupEntry,
                   where() + ": the sequence file name is empty");
        else if (!LibFile::FileExists(path))
            Report(Severity::Problem, section, entry, groupEntry,
                   where().append(": sequence file ").append(Missing(name)));
    }

    void Group(int position, const InteractiveGroup& group) {
        const std::string label = GroupLabel(static_cast<std::size_t>(position), group);
        if (group.Independent() && !group.Interruptible())
            Report(Severity::Problem, Section::Interactive, position, -1,
                   label + " is independent but not interruptible, which is none of the group "
                           "types Jukebox, Soundboard and Magic Toy");
        if (group.Count() == 0)
            Report(Severity::Problem, Section::Interactive, position, -1,
                   label + " has no triggers");
        const bool magicToy = group.Independent() && group.Interruptible();
        for (int i = 0; i < group.Count(); ++i) {
            const TriggeredSequences& entry = *group.GetTriggeredSequences(i);
            auto where = [&] { return label + ", " + EntryLabel(entry); };
            if (entry.Sequences().empty())
                Report(Severity::Problem, Section::Interactive, position, i,
                       where() + ": the trigger starts no sequence file");
            for (const std::string& name : entry.Sequences()) {
                if (LibFile::ResolvesToItself(name, folder_))
                    SequenceFile(Section::Interactive, position, i, where, name, name);
                else
                    SequenceFile(Section::Interactive, position, i, where, name, Resolved(name));
                if (magicToy && IsMusicalSequence(name))
                    Report(Severity::Problem, Section::Interactive, position, i,
                           where() + ": " + Quoted(name) +
                               " is a musical sequence; a Magic Toy group plays animation "
                               "sequences only");
            }
        }
    }

    // One finding per input that more than one group uses, at the first use by the second group,
    // then one per group whose input also starts the show.
    void SharedTriggers(const Show& show) {
        const std::vector<TriggerUse> uses = TriggerMap(show);
        const GroupCollectionPtr& groups = show.InteractiveGroups();
        using Address = std::tuple<int, int, int>;
        struct Shared {
            const TriggerUse* first = nullptr;
            const TriggerUse* second = nullptr;
            std::vector<int> groups;
        };
        std::map<Address, Shared> byAddress;
        std::vector<Address> order;
        const TriggerUse* startup = nullptr;
        for (const TriggerUse& use : uses) {
            if (!use.conflict)
                continue;
            if (use.group == 0) {
                startup = &use;
                continue;
            }
            const Address address{use.network, use.unitId, use.inputNumber};
            auto [it, isNew] = byAddress.try_emplace(address);
            if (isNew) {
                order.push_back(address);
                it->second.first = &use;
            }
            Shared& shared = it->second;
            if (shared.groups.empty() || shared.groups.back() != use.group) {
                shared.groups.push_back(use.group);
                if (shared.groups.size() == 2)
                    shared.second = &use;
            }
        }
        auto groupName = [&](int g) {
            return std::to_string(g) + " " +
                   Quoted((*groups)[static_cast<std::size_t>(g - 1)]->Name());
        };
        for (const Address& address : order) {
            const Shared& shared = byAddress[address];
            if (shared.groups.size() < 2)
                continue;
            std::string list;
            for (int g : shared.groups)
                list += (list.empty() ? "" : ", ") + groupName(g);
            Report(Severity::Problem, Section::Interactive, shared.second->group,
                   shared.second->groupEntry,
                   "Trigger " + shared.first->trigger + " is used by more than one group: " + list);
        }
        if (!startup)
            return;
        for (const TriggerUse& use : uses) {
            if (use.group == 0 ||
                std::tie(use.network, use.unitId, use.inputNumber) !=
                    std::tie(startup->network, startup->unitId, startup->inputNumber))
                continue;
            Report(Severity::Problem, Section::Interactive, use.group, use.groupEntry,
                   "Trigger " + startup->trigger + " starts the show and is also used by group " +
                       groupName(use.group));
        }
    }

    std::string folder_;
    std::vector<Finding> findings_;
};

} // namespace

std::string SectionName(Section section) {
    switch (section) {
    case Section::Background:
        return "Background";
    case Section::Startup:
        return "Startup";
    case Section::Animation:
        return "Animation";
    case Section::Musical:
        return "Musical";
    case Section::Interactive:
        return "Interactive";
    case Section::Shutdown:
        return "Shutdown";
    case Section::Options:
        return "Show options";
    case Section::ShowFile:
        return "Show file";
    }
    return {};
}

std::vector<Finding> CheckShow(const Show& show, const Options& options) {
    Checker checker(options.sequenceFolder);
    checker.Playlist(Section::Background, show.Background(), true);
    checker.Playlist(Section::Startup, show.Startup(), false);
    checker.Playlist(Section::Animation, show.Main(), true);
    checker.Playlist(Section::Musical, show.Musical(), false);
    checker.Groups(show);
    checker.Playlist(Section::Shutdown, show.Shutdown(), false);
    checker.PlaysSomething(show);
    checker.StartupOptions(show);
    checker.FileEncoding(show, options);
    return checker.Findings();
}

std::vector<std::string> Lines(const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    lines.reserve(findings.size());
    for (const Finding& finding : findings)
        lines.push_back(finding.text);
    return lines;
}

std::vector<TriggerUse> TriggerMap(const Show& show) {
    std::vector<TriggerUse> uses;
    using Address = std::tuple<int, int, int>;
    // The groups that use each input, in order of first use.
    std::map<Address, std::vector<int>> groupsOf;
    auto use = [&](const Trigger& trigger, std::string starts, int group, int groupEntry) {
        uses.push_back(TriggerUse{trigger.Network(), trigger.UnitId(), trigger.InputNumber(),
                                  TriggerLabel(trigger), std::move(starts), group, groupEntry,
                                  false});
        std::vector<int>& users =
            groupsOf[{trigger.Network(), trigger.UnitId(), trigger.InputNumber()}];
        if (users.empty() || users.back() != group)
            users.push_back(group);
    };
    if (const GroupCollectionPtr& groups = show.InteractiveGroups()) {
        for (std::size_t g = 0; g < groups->size(); ++g) {
            const InteractiveGroupPtr& group = (*groups)[g];
            if (!group)
                continue;
            for (int i = 0; i < group->Count(); ++i) {
                const TriggeredSequences& entry = *group->GetTriggeredSequences(i);
                if (!entry.Trig())
                    continue;
                std::string files;
                for (const std::string& name : entry.Sequences())
                    files += (files.empty() ? "" : ", ") + File::SequenceDisplayName(name);
                use(*entry.Trig(),
                    GroupLabel(g + 1, *group) + ", entry " + std::to_string(i + 1) + ": " + files,
                    static_cast<int>(g + 1), i);
            }
        }
    }
    if (show.StartupTrigger() && StartsOnTrigger(show))
        use(*show.StartupTrigger(), "the show (startup trigger)", 0, -1);
    for (TriggerUse& each : uses) {
        const std::vector<int>& users = groupsOf[{each.network, each.unitId, each.inputNumber}];
        // Groups are numbered from 1 and the startup trigger 0, so two users are two groups
        // or a group and the startup trigger.
        std::vector<int> distinct = users;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        each.conflict = distinct.size() > 1;
    }
    return uses;
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
