#!/bin/sh
# Formats every C++ file of the tree with clang-format (the house style is
# .clang-format), or with --check only reports the files that differ.
# Usage: sh scripts/format.sh [--check] [SOURCE_DIR]
check=0
if [ "$1" = "--check" ]; then check=1; shift; fi
cd "${1:-.}" || exit 2
if ! command -v clang-format >/dev/null; then
  echo "clang-format fehlt (Debian-Paket clang-format)." >&2
  exit 2
fi
files=$(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if [ "$check" -eq 0 ]; then
  clang-format -i $files
  exit 0
fi
status=0
for file in $files; do
  if ! clang-format "$file" | cmp -s - "$file"; then
    echo "nicht formatiert: $file (make format)"
    status=1
  fi
done
exit "$status"
