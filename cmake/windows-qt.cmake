# The Windows build of the whole program: mingw-w64 (cmake/mingw-w64-x86_64.cmake) with the static
# Windows Qt that scripts/build-windows-qt makes. The Qt is found through BWSHOW_WINDOWS_QT (its
# prefix), or else where that script keeps it for this machine's qt6-base and compiler; run the
# script first to build it (it prints the prefix). Qt's own toolchain file puts its prefix into
# the find root, which a plain CMAKE_PREFIX_PATH would not reach.
if(DEFINED ENV{BWSHOW_WINDOWS_QT} AND NOT "$ENV{BWSHOW_WINDOWS_QT}" STREQUAL "")
    set(bwshow_windows_qt "$ENV{BWSHOW_WINDOWS_QT}")
else()
    execute_process(
        COMMAND "${CMAKE_CURRENT_LIST_DIR}/../scripts/build-windows-qt" --print-prefix
        OUTPUT_VARIABLE bwshow_windows_qt OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE bwshow_windows_qt_result)
    if(NOT bwshow_windows_qt_result EQUAL 0)
        message(FATAL_ERROR "scripts/build-windows-qt --print-prefix failed")
    endif()
    # Kept for the compiler checks, which read this file again in projects of their own.
    set(ENV{BWSHOW_WINDOWS_QT} "${bwshow_windows_qt}")
endif()
set(bwshow_qt_toolchain "${bwshow_windows_qt}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${bwshow_qt_toolchain}")
    message(FATAL_ERROR "No Windows Qt at ${bwshow_windows_qt}: run scripts/build-windows-qt")
endif()
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")
include("${bwshow_qt_toolchain}")
