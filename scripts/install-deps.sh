#!/bin/sh
# Installs the Debian packages that building and testing ZEK need, if missing.
set -e
packages="cmake make g++ libgtest-dev qt6-base-dev fonts-liberation"
[ -n "$ZEK_EXTRA_PACKAGES" ] && packages="$packages $ZEK_EXTRA_PACKAGES"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
