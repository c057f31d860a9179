#!/usr/bin/env bash
# Installs those of the Debian packages named on the command line that are missing; apt-get is skipped
# when all are there. A package of another architecture (wine32:i386) adds that architecture first.
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
for p in "${missing[@]}"; do
  if [[ "$p" == *:* ]] && ! dpkg --print-foreign-architectures | grep -qx "${p#*:}"; then
    $sudo dpkg --add-architecture "${p#*:}"
  fi
done
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
