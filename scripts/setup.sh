#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=$(grep -v '^#' "$here/packages.txt" | tr '\n' ' ')
wanted=$(echo $packages | wc -w)
installed=$( (dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' $packages 2>/dev/null || true) \
    | awk '$1 == "ii" {print $2}' | sort -u | wc -l)
if [ "$installed" -ge "$wanted" ]; then
    exit 0  # everything is there already
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends $packages
