#!/bin/sh
# Installs the build into a prefix of its own and starts the installed editor there, offscreen,
# for a user who has never run it: the installation check must pass once BWPost has run, and the
# show named on the command line must be open (the caption names it).
# Arguments: the cmake program, the build folder.
set -eu
cmake=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/some prefix"
home="$work/home"
mkdir "$home"

fail() { echo "FAILED: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
# The programs know their folder with every link resolved.
prefix=$(cd "$prefix" && pwd -P)
version=$("$prefix/bin/bwshow" -platform offscreen --version)
case $version in "bwshow "[0-9]*) ;; *) fail "--version printed: $version" ;; esac
"$prefix/bin/bwshow" -platform offscreen --help | grep -q -- "--print-caption" ||
    fail "--help does not list --print-caption"

# A new show as the editor writes it.
printf '((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,,,T,F,F),,(2,0,1,0,,,T,F,F),, 0,,F)\r\n' \
    >"$work/Halloween.kss"
caption=$(cd "$work" && env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/bwshow" --print-caption Halloween.kss)
case $caption in "BW Show Editor v"*" - Halloween") ;; *) fail "caption: $caption" ;; esac

# BWPost recorded the installed programs' folder, and the help lies where the editor looks.
grep -qF "\"AppPath\"=\"$prefix/bin/\"" "$home/.config/Brightwave/registry.reg" ||
    fail "AppPath is not $prefix/bin/ in $(cat "$home/.config/Brightwave/registry.reg")"
[ -d "$home/Brightwave/Sequences" ] || fail "no sequence folder"
[ -f "$prefix/share/brightwave/BWHelp/show_editor.htm" ] || fail "no help page"
echo "installed editor started with $caption"
