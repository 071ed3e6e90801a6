#!/bin/sh
# Installs the Debian packages that building and testing ZEK need, if missing.
set -e
packages="cmake make g++ libgtest-dev qt6-base-dev qt6-translations-l10n fonts-liberation locales clang-format desktop-file-utils appstream libtomlplusplus-dev"
[ -n "$ZEK_EXTRA_PACKAGES" ] && packages="$packages $ZEK_EXTRA_PACKAGES"

# The tests check that numbers keep their decimal point under a German locale.
ensure_german_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [ "$(id -u)" -eq 0 ] && command -v localedef >/dev/null; then
      localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
    fi
  fi
}

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -z "$missing" ]; then
  ensure_german_locale
  exit 0
fi

echo "Installing missing packages:$missing"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
ensure_german_locale
