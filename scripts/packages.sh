# Package lists shared by the scripts.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
                qt6-base-dev qt6-base-private-dev libqt6svg6 qt6-svg-dev libgl-dev
                nlohmann-json3-dev libcli11-dev rapidjson-dev libmimalloc-dev libxcb1-dev)
EDITOR_PACKAGES=(xvfb xauth)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# Building the Debian package and checking it and the desktop files.
PACKAGE_CHECK_PACKAGES=(dpkg-dev file fakeroot desktop-file-utils appstream lintian)
# Building the Qt and the programs for Windows, running them under Wine and building the installer.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 fonts-wine fonts-dejavu-core nsis dpkg-dev
                  xz-utils perl googletest xvfb xauth x11-utils file qt6-base-dev-tools)
