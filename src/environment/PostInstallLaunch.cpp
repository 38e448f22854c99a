#include "environment/PostInstallLaunch.h"

#include "environment/BWCommon.h"
#include "environment/ProductSettings.h"

#ifdef _WIN32
#include "environment/WideText.h"

#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;
#endif

namespace bw::PostInstallLaunch {

namespace {

constexpr std::int32_t RequiredVersion = 5;

} // namespace

bool PostInstallDone() {
    return LibRegistryBWShared::ReadSharedBool("PostInstall", "", false);
}

std::int32_t PostInstallVersion() {
    return LibRegistryBWShared::ReadSharedLong("PostInstallVer", "", 0);
}

bool IsInstalledCorrectly(bool checkFolder) {
    bool ok = PostInstallVersion() >= RequiredVersion && PostInstallDone();
    if (checkFolder)
        ok = ok && BWCommon::ExeFolder() == BWCommon::GetAppPath();
    return ok;
}

bool CheckInstallation(const ShowMessage& showMessage) {
    return CheckInstallation(showMessage, RunProgramAndWait);
}

bool CheckInstallation(const ShowMessage& showMessage, const ProgramRunner& runProgram) {
    if (!IsInstalledCorrectly(true)) {
        // A program that cannot be started shows up in the check that follows.
        runProgram(BWCommon::ProgramPath("BWPost"));
    }
    // The post-install program is expected to have written the markers.
    const bool ok = IsInstalledCorrectly(true);
    if (!ok)
        showMessage("Brightwave is not correctly installed.", "Brightwave");
    return ok;
}

#ifdef _WIN32

bool RunProgramAndWait(const std::string& programPath) {
    const std::wstring path = WideText::FromUtf8(programPath);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    // Wait through a handle opened by process id for synchronisation only, as for any program
    // that one knows only by its id. The creation handles stay open until then, so that the id
    // cannot have passed to another process in the meantime.
    const HANDLE waitable = OpenProcess(SYNCHRONIZE, TRUE, process.dwProcessId);
    if (waitable != nullptr) {
        WaitForSingleObject(waitable, INFINITE);
        CloseHandle(waitable);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

#else

bool RunProgramAndWait(const std::string& programPath) {
    std::string program = programPath;
    char* arguments[] = {program.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, programPath.c_str(), nullptr, nullptr, arguments, environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        // A process that cannot be waited for ends the wait at once.
        if (errno != EINTR)
            break;
    }
    return true;
}

#endif

} // namespace bw::PostInstallLaunch
