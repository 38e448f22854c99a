#pragma once

#include <string>

// The per-user settings file that stands in for the registry where there is none (not used on
// Windows): $XDG_CONFIG_HOME/Brightwave/registry.reg, or ~/.config/Brightwave/registry.reg when
// the variable is unset. The editor only reads it; the post-install program BWPost writes it, and
// on Windows writes the same values into the current user's registry instead.
namespace bw::SettingsStore {

std::string FilePath();

// BWPost's work: completes the per-user installation for the suite installed in `appFolder`.
// Sets "AppPath" to `appFolder`, keeps "NonAudioPath" when it is set and otherwise makes it
// ~/Brightwave/Sequences/ (%USERPROFILE%\Brightwave\Sequences\ on Windows), creating that
// folder, and sets "PostInstall" 1 and "PostInstallVer" 5 under Software\Brightwave\Shared,
// keeping every other key and value of the file. The file is replaced in one step, so a failure
// never leaves it half written. On failure returns false and says why in `failure`.
bool CompletePostInstall(const std::string& appFolder, std::string& failure);

} // namespace bw::SettingsStore
