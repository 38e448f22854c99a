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
# --help and --version print without a display, also after the window system's own options;
# each row: the options, a pattern for what they print.
while IFS='|' read -r options printed; do
    # shellcheck disable=SC2086 # the options are words
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/bwshow" $options) ||
        fail "bwshow $options: exit status $?"
    # shellcheck disable=SC2254 # the expected text is a pattern
    case $out in $printed) ;; *) fail "bwshow $options printed: $out" ;; esac
done <<'ROWS'
--version|bwshow [0-9]*
-platform offscreen --version|bwshow [0-9]*
--help|*--print-caption*
-h|Usage:*
ROWS

# A new show as the editor writes it.
printf '((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,,,T,F,F),,(2,0,1,0,,,T,F,F),, 0,,F)\r\n' \
    >"$work/Halloween.kss"
caption=$(cd "$work" && env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/bwshow" --print-caption Halloween.kss)
case $caption in "BW Show Editor v"*" - Halloween") ;; *) fail "caption: $caption" ;; esac

# Shows that cannot be opened: no box waits, a message goes to standard error, the caption is a
# new show's, the exit status 1. Each row: the file's content ("-" for no file), a pattern for
# what is said (empty for nothing).
while IFS='|' read -r content said; do
    rm -f "$work/Bad.kss"
    [ "$content" = - ] || printf '%s' "$content" >"$work/Bad.kss"
    status=0
    shown=$(cd "$work" && env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
        timeout 60 "$prefix/bin/bwshow" --print-caption Bad.kss 2>"$work/said") || status=$?
    [ "$status" = 1 ] || fail "--print-caption Bad.kss ($content): exit status $status"
    grep -v "^QStandardPaths:" "$work/said" >"$work/said.lines" || true
    if [ -n "$said" ]; then
        grep -q "$said" "$work/said.lines" || fail "($content) said: $(cat "$work/said")"
    elif [ -s "$work/said.lines" ]; then
        fail "($content) said: $(cat "$work/said")"
    fi
    case $shown in "BW Show Editor v"*" - "*) fail "caption: $shown" ;; "BW Show Editor v"*) ;;
        *) fail "caption: $shown" ;; esac
done <<'ROWS'
-|^BWShow: Unable to open .*/Bad.kss$
abc|
ROWS

# BWPost recorded the installed programs' folder, and the help lies where the editor looks.
grep -qF "\"AppPath\"=\"$prefix/bin/\"" "$home/.config/Brightwave/registry.reg" ||
    fail "AppPath is not $prefix/bin/ in $(cat "$home/.config/Brightwave/registry.reg")"
[ -d "$home/Brightwave/Sequences" ] || fail "no sequence folder"
[ -f "$prefix/share/brightwave/BWHelp/show_editor.htm" ] || fail "no help page"
echo "installed editor started with $caption"
