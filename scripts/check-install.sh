#!/bin/sh
# Installs a build into a temporary DESTDIR with the prefix /usr and checks the
# installed tree: every file in place, the programs report the project
# version, the desktop entry, AppStream metadata, file type, icons and manual
# pages are well-formed and agree with each other, and the examples are
# complete. The validators are used where they are installed.
#
#   sh scripts/check-install.sh BUILD_DIR VERSION
set -u
BUILD=$1
VERSION=$2
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
APP_ID=de.zek_projekt.zek
ICON_SIZES="16 22 24 32 48 64 128 256"

DESTDIR=$(mktemp -d "${TMPDIR:-/tmp}/zek-install-XXXXXX")
trap 'rm -rf "$DESTDIR"' EXIT
failures=0
fail() {
  echo "FEHLER: $*"
  failures=$((failures + 1))
}
have() { command -v "$1" >/dev/null 2>&1; }

if ! DESTDIR="$DESTDIR" cmake --install "$BUILD" --prefix /usr >"$DESTDIR/install.log" 2>&1; then
  cat "$DESTDIR/install.log"
  echo "FEHLER: cmake --install ist gescheitert"
  exit 1
fi
ROOT=$DESTDIR/usr
SHARE=$ROOT/share

# Files in place.
for file in bin/zek bin/zekrun; do
  [ -x "$ROOT/$file" ] || fail "$file fehlt oder ist nicht ausführbar"
done
for file in applications/$APP_ID.desktop metainfo/$APP_ID.metainfo.xml mime/packages/zek.xml \
  icons/hicolor/scalable/apps/$APP_ID.svg icons/hicolor/scalable/mimetypes/text-x-zek.svg \
  man/man1/zek.1.gz man/man1/zekrun.1.gz doc/zek/copyright doc/zek/changelog.Debian.gz doc/zek/README.md; do
  [ -f "$SHARE/$file" ] || fail "share/$file fehlt"
done

# Every PNG size of both icons, each of the size its folder names.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in $ICON_SIZES; do
  for icon in apps/$APP_ID.png mimetypes/text-x-zek.png; do
    png=$SHARE/icons/hicolor/${size}x$size/$icon
    if [ ! -f "$png" ]; then
      fail "Symbol ${size}x$size/$icon fehlt"
    elif [ "$(png_size "$png")" != "${size}x$size" ]; then
      fail "Symbol ${size}x$size/$icon ist $(png_size "$png") groß"
    fi
  done
done

# Both programs report the project version.
[ "$("$ROOT/bin/zek" --version 2>&1)" = "zek $VERSION" ] || fail "zek --version meldet nicht 'zek $VERSION'"
[ "$("$ROOT/bin/zekrun" --version 2>&1)" = "zekrun $VERSION" ] || fail "zekrun --version meldet nicht 'zekrun $VERSION'"

# Every example, expected output, test file and data file, unchanged.
for example in "$SOURCE"/examples/*; do
  name=$(basename "$example")
  case $name in
    *.zek | *.expected | *.zektest | *.dat)
      cmp -s "$example" "$SHARE/zek/examples/$name" || fail "Beispiel $name fehlt oder weicht ab" ;;
  esac
done
for installed in "$SHARE"/zek/examples/* "$SHARE"/zek/examples/.[!.]*; do
  case $(basename "$installed") in
    .* | *~ | *.bak | *.orig | *.rej | *.swp | *.tmp) [ -e "$installed" ] && fail "Bauüberrest installiert: $installed" ;;
  esac
done

# The desktop entry, the metadata and the file type name each other.
desktop=$SHARE/applications/$APP_ID.desktop
metainfo=$SHARE/metainfo/$APP_ID.metainfo.xml
grep -qx "Icon=$APP_ID" "$desktop" || fail "Icon= im Menüeintrag ist nicht $APP_ID"
grep -qx "MimeType=text/x-zek;" "$desktop" || fail "MimeType= im Menüeintrag ist nicht text/x-zek"
grep -qx "Exec=zek %f" "$desktop" || fail "Exec= im Menüeintrag ist nicht 'zek %f'"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
  fail "die AppStream-Daten starten nicht $APP_ID.desktop"
grep -q "<mime-type type=\"text/x-zek\">" "$SHARE/mime/packages/zek.xml" || fail "zek.xml beschreibt text/x-zek nicht"

# One version everywhere: the changelog's newest entry and the newest release
# of the metadata follow the project version.
changelog_version=$(gzip -dc "$SHARE/doc/zek/changelog.Debian.gz" | sed -n '1s/^zek (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$VERSION-1" ] || fail "Changelog beginnt mit Version '$changelog_version', nicht $VERSION-1"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$release" = "$VERSION" ] || fail "neueste Version in den AppStream-Daten ist '$release', nicht $VERSION"
head -n 1 "$SHARE/doc/zek/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright ist nicht im maschinenlesbaren Format"

# The validators, where installed.
if have desktop-file-validate; then
  desktop-file-validate --no-hints "$desktop" || fail "desktop-file-validate lehnt den Menüeintrag ab"
fi
if have appstreamcli; then
  appstreamcli validate --no-net --pedantic "$metainfo" >"$DESTDIR/appstream.log" 2>&1 ||
    { cat "$DESTDIR/appstream.log"; fail "appstreamcli lehnt die AppStream-Daten ab"; }
fi
if have update-mime-database; then
  update-mime-database "$SHARE/mime" >/dev/null 2>&1 || fail "update-mime-database lehnt zek.xml ab"
  grep -q '^[0-9]*:text/x-zek:\*\.zek$' "$SHARE/mime/globs2" || fail "*.zek ist nicht text/x-zek"
  grep -qx 'text/x-zek text/plain' "$SHARE/mime/subclasses" || fail "text/x-zek ist keine Unterart von text/plain"
fi
for page in zek zekrun; do
  gzip -t "$SHARE/man/man1/$page.1.gz" || fail "$page.1.gz ist kein gzip"
  if have man; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$SHARE/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "Warnungen in $page.1: $warnings"
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "$failures Fehler im installierten Baum"
  exit 1
fi
echo "Installierter Baum in Ordnung"
