#include "environment/Help.h"

#include "environment/BWCommon.h"

#include <array>
#include <string_view>

#ifdef _WIN32
#include "environment/AnsiCodePage.h"

#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;
#endif

namespace bw::libHelp {

namespace {

constexpr std::string_view HelpFile = "BWHelp.chm";
constexpr std::string_view PageSeparator = "::/";
constexpr std::string_view HelpFolder = "BWHelp/";

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

void ShowHelpTopic(NativeWindow owner, std::int32_t topic) {
    ShowHelpTopic(owner, topic, OpenHelpViewer);
}

void ShowHelpTopic(NativeWindow owner, std::int32_t topic, const HelpViewer& viewer) {
    viewer(owner, HelpTopicAddress(topic));
}

std::string HelpFolderPage(const std::string& address) {
    const std::string marker = std::string(HelpFile) + std::string(PageSeparator);
    const std::size_t at = address.rfind(marker);
    if (at == std::string::npos)
        return address;
    return address.substr(0, at) + std::string(HelpFolder) + address.substr(at + marker.size());
}

#ifdef _WIN32

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

#else

void OpenHelpViewer(NativeWindow owner, const std::string& address) {
    static_cast<void>(owner);
    const std::string page = HelpFolderPage(address);
    // A shell that starts the browser in the background and ends at once: waiting for it takes
    // no time, and the browser, left to run on its own, needs no one to wait for it later.
    const char* script = "xdg-open \"$1\" >/dev/null 2>&1 &";
    char shell[] = "/bin/sh";
    char option[] = "-c";
    char name[] = "sh";
    std::string scriptText = script;
    std::string pageText = page;
    char* arguments[] = {shell, option, scriptText.data(), name, pageText.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, shell, nullptr, nullptr, arguments, environ) != 0)
        return;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

#endif

} // namespace bw::libHelp
