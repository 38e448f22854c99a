#include "environment/Help.h"

#include "environment/BWCommon.h"

#include <array>
#include <filesystem>
#include <string_view>

#ifdef _WIN32
#include "environment/AnsiCodePage.h"

#include <windows.h>
#endif

namespace bw::libHelp {

namespace {

constexpr std::string_view HelpFile = "BWHelp.chm";
constexpr std::string_view PageSeparator = "::/";
constexpr std::string_view HelpFolder = "BWHelp/";
// Where the installation keeps its data, seen from the programs' folder ("../share/brightwave/"
// for the usual layout); the build gives its own tree the same shape.
constexpr std::string_view DataFromPrograms = BWSHOW_DATA_FROM_PROGRAMS;

} // namespace

std::string HelpTopicPage(std::int32_t topic) {
    static constexpr std::array<std::string_view, 6> pages{
        "hardware_utility.htm", "schedule_editor.htm", "sequence_editor.htm",
        "show_editor.htm",      "control_panel.htm",   "Verifier.htm"};
    if (topic >= 1 && topic <= static_cast<std::int32_t>(pages.size()))
        return std::string(pages[static_cast<std::size_t>(topic - 1)]);
    return "getting_started_with_brightwave.htm";
}

std::string HelpTopicAddress(std::int32_t topic) {
    return BWCommon::GetAppPath() + std::string(HelpFile) + std::string(PageSeparator) +
           HelpTopicPage(topic);
}

void ShowHelpTopic(NativeWindow owner, std::int32_t topic, const HelpViewer& viewer) {
    viewer(owner, HelpTopicAddress(topic));
}

std::string HelpFolderPage(const std::string& address) {
    const std::string marker = std::string(HelpFile) + std::string(PageSeparator);
    const std::size_t at = address.rfind(marker);
    if (at == std::string::npos)
        return address;
    const std::filesystem::path page = address.substr(0, at) + std::string(DataFromPrograms) +
                                       std::string(HelpFolder) + address.substr(at + marker.size());
    return page.lexically_normal().string();
}

#ifdef _WIN32

void ShowHelpTopic(NativeWindow owner, std::int32_t topic) {
    ShowHelpTopic(owner, topic, OpenHelpViewer);
}

void OpenHelpViewer(NativeWindow owner, const std::string& address) {
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    constexpr UINT DisplayTableOfContents = 0x0001; // HH_DISPLAY_TOC
    // The viewer lives in hhctrl.ocx; it stays loaded for as long as its window may be open.
    static const HMODULE viewer = LoadLibraryA("hhctrl.ocx");
    if (viewer == nullptr)
        return;
    const auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")));
    if (htmlHelp == nullptr)
        return;
    // The viewer takes the address in the ANSI code page, the code page of the registry from
    // which the installation folder came.
    const std::string ansiAddress = AnsiCodePage::FromUtf8(address);
    htmlHelp(reinterpret_cast<HWND>(owner), ansiAddress.c_str(), DisplayTableOfContents, 0);
}

#endif

} // namespace bw::libHelp
