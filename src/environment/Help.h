#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The suite's help: the help file "BWHelp.chm" in the installation folder, opened on a topic page.
namespace bw::libHelp {

// A window of the platform (HWND on Windows), as a number; 0 for none.
using NativeWindow = std::uintptr_t;

// Shows the help page at `address` (installation folder + "BWHelp.chm::/" + page), owned by
// `owner`.
using HelpViewer = std::function<void(NativeWindow owner, const std::string& address)>;

// The page of a topic: 1 "hardware_utility.htm", 2 "schedule_editor.htm", 3
// "sequence_editor.htm", 4 "show_editor.htm", 5 "control_panel.htm", 6 "Verifier.htm", any other
// "getting_started_with_brightwave.htm".
std::string HelpTopicPage(std::int32_t topic);

// Installation folder + "BWHelp.chm" + "::/" + the topic's page.
std::string HelpTopicAddress(std::int32_t topic);

// Opens the help on a topic's page with the help's table of contents beside it. Whether the help
// exists is the viewer's business. The editor's own page is topic 4.
void ShowHelpTopic(NativeWindow owner, std::int32_t topic, const HelpViewer& viewer);

#ifdef _WIN32
// The same with the HTML Help viewer. Elsewhere the user interface opens the page of
// HelpFolderPage on the desktop.
void ShowHelpTopic(NativeWindow owner, std::int32_t topic);
void OpenHelpViewer(NativeWindow owner, const std::string& address);
#endif

// Where a help address leads outside Windows: the page in the help folder "BWHelp" among the
// installation's data. With the programs in "<prefix>/bin/", "<prefix>/bin/BWHelp.chm::/<page>"
// becomes "<prefix>/share/brightwave/BWHelp/<page>". The path is lexically normalised.
std::string HelpFolderPage(const std::string& address);

} // namespace bw::libHelp
