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
void ShowHelpTopic(NativeWindow owner, std::int32_t topic);
void ShowHelpTopic(NativeWindow owner, std::int32_t topic, const HelpViewer& viewer);

// The system's viewer. On Windows the HTML Help viewer; elsewhere the desktop's browser, started
// without waiting for it, on the page in the help folder "BWHelp" installed beside the help
// file's place (see HelpFolderPage).
void OpenHelpViewer(NativeWindow owner, const std::string& address);

// Where a help address leads outside Windows: "<folder>BWHelp.chm::/<page>" becomes
// "<folder>BWHelp/<page>".
std::string HelpFolderPage(const std::string& address);

} // namespace bw::libHelp
