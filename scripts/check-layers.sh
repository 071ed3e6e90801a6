#!/bin/sh
# Checks the include graph between the folders of src/ against the layers:
# a folder may include only from the folders listed for it below (and from
# itself). The core and zekrun include no Qt header.
# Usage: sh scripts/check-layers.sh [SOURCE_DIR]   (default: the current directory)
cd "${1:-.}/src" || exit 2

allowed() {
  case "$1" in
    core/base)         echo "" ;;
    core/store)        echo "core/base" ;;
    core/assembler)    echo "core/base core/store" ;;
    core/reports)      echo "core/base core/store" ;;
    core/processor)    echo "core/base core/store core/reports" ;;
    core/exercise)     echo "core/base core/store core/assembler core/reports core/processor" ;;
    ui/util)           echo "core/base core/store core/assembler" ;;
    ui/dialogs)        echo "core/base core/store core/reports ui/util" ;;
    ui/textwindow)     echo "core/base core/store ui/util" ;;
    ui/workbench)      echo "core/base core/store core/assembler ui/util" ;;
    ui/shell)          echo "core/base core/store core/assembler core/reports core/processor core/exercise ui/util ui/dialogs ui/textwindow ui/workbench" ;;
    zek)               echo "core/base core/store ui/util ui/shell" ;;
    zekrun)            echo "core/base core/store core/assembler core/reports core/processor core/exercise" ;;
    *)                 echo "UNKNOWN" ;;
  esac
}

status=0
for file in $(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort); do
  folder=$(dirname "$file")
  permitted=$(allowed "$folder")
  if [ "$permitted" = UNKNOWN ]; then
    echo "$file: der Ordner $folder hat keinen Platz in den Schichten (scripts/check-layers.sh)"
    status=1
    continue
  fi
  case "$folder" in
    core/*|zekrun)
      if grep -Eq '^#include <Q' "$file"; then
        echo "$file: bindet Qt ein, $folder muss aber frei von Qt bleiben"
        status=1
      fi ;;
  esac
  for include in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
    target=$(dirname "$include")
    [ "$target" = "$folder" ] && continue
    [ "$target" = . ] && continue
    case " $permitted " in
      *" $target "*) ;;
      *) echo "$file: $folder darf $include nicht einbinden"; status=1 ;;
    esac
  done
done
[ "$status" -eq 0 ] && echo "Die Schichten sind eingehalten."
exit "$status"
