#!/bin/sh
# Renders the icons drawn in resources/icons/*.svg to the PNG images that the build embeds and to the
# .ico files of the Windows build. The rendered files are kept in the repository, so only whoever
# changes a drawing needs to run this (from anywhere in the work tree).
#
# Needs: rsvg-convert (Debian package librsvg2-bin) and icotool (Debian package icoutils).
set -eu

missing=""
command -v rsvg-convert >/dev/null 2>&1 || missing="$missing librsvg2-bin (rsvg-convert)"
command -v icotool >/dev/null 2>&1 || missing="$missing icoutils (icotool)"
if [ -n "$missing" ]; then
    echo "render-icons.sh: missing tools, please install:$missing" >&2
    exit 1
fi

cd "$(dirname "$0")/../resources/icons"

# render NAME SIZE...: NAME.svg to NAME-SIZE.png for each size, then all of them into NAME.ico.
render() {
    name=$1
    shift
    pngs=""
    for size in "$@"; do
        rsvg-convert --width "$size" --height "$size" --format png --output "$name-$size.png" "$name.svg"
        pngs="$pngs $name-$size.png"
    done
    # shellcheck disable=SC2086 # the list of PNGs is meant to split into words
    icotool --create --output "$name.ico" $pngs
    echo "rendered $name:$pngs $name.ico"
}

render program 16 32 48   # icon 128, the program icon
render padlock 32         # icon 135, beside the administrator password
render users 16 32 48     # icon 138, top left of the main dialog
