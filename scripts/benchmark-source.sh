#!/usr/bin/env bash
# Unpacks Debian's source of Google Benchmark (the package the Linux build links) into the folder named
# as the first argument, for building it with the cross compiler: Debian ships no Windows build of it.
# The source comes from Debian's archive through apt-get; the deb-src entry it needs is added in a file
# of its own when no source entry for bookworm is there yet. Does nothing when the folder holds the
# source already.
set -euo pipefail
target=$1
[ ! -f "$target/CMakeLists.txt" ] || exit 0

bash "$(dirname "$0")/install-packages.sh" dpkg-dev
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! apt-get source --print-uris benchmark >/dev/null 2>&1; then
  list=/etc/apt/sources.list.d/vexor-debian-src.sources
  if [ ! -f "$list" ]; then
    $sudo tee "$list" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  fi
  $sudo apt-get update -qq
fi

# The version of the source is the one of the Linux build's package, so both measure the same library.
version=$(dpkg-query -W -f='${Version}' libbenchmark-dev 2>/dev/null || true)
work=$(mktemp -d "${TMPDIR:-/tmp}/vexor-benchmark-src.XXXXXX")
trap 'rm -rf "$work"' EXIT
# apt-get downloads as its own user, who must be able to write there.
if [ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1; then chown _apt "$work"; else chmod 755 "$work"; fi
(cd "$work" && apt-get source -qq "benchmark${version:+=$version}" >/dev/null)
mkdir -p "$(dirname "$target")"
rm -rf "$target"
mv "$work"/benchmark-*/ "$target"
