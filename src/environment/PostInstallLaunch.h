#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The check, when the editor starts, that the suite's per-user installation is complete; when it
// is not, the post-install program BWPost completes it.
namespace bw::PostInstallLaunch {

// Shows a message box with an OK button and no icon.
using ShowMessage = std::function<void(const std::string& text, const std::string& title)>;

// Runs the program at `programPath` and waits until it ends; false when it could not be started.
using ProgramRunner = std::function<bool(const std::string& programPath)>;

// The system's way of running a program and waiting for it: on Windows with a normal, activated
// window, waiting on the process without a time limit.
bool RunProgramAndWait(const std::string& programPath);

// "PostInstall" of the shared settings, false when missing.
bool PostInstallDone();

// "PostInstallVer" of the shared settings, 0 when missing.
std::int32_t PostInstallVersion();

// Complete when "PostInstallVer" is at least 5 and "PostInstall" is true and, when `checkFolder`
// is set, this program's folder equals the installation folder exactly, letter case included.
// Every call reads the settings afresh.
bool IsInstalledCorrectly(bool checkFolder);

// When the installation is incomplete, runs BWPost and waits for it, then checks again. When it
// is still incomplete, shows "Brightwave is not correctly installed." under the title
// "Brightwave". A program that cannot be started is not reported by itself. Returns whether the
// installation is complete; the editor ends when it is not.
bool CheckInstallation(const ShowMessage& showMessage);
bool CheckInstallation(const ShowMessage& showMessage, const ProgramRunner& runProgram);

} // namespace bw::PostInstallLaunch
