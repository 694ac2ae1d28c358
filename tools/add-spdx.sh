#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts a short SPDX licence line at the top of every source file that has none (after a "#!"
# line where there is one), and changes nothing else:
#   tools/add-spdx.sh            adds the missing lines
#   tools/add-spdx.sh --check    lists the files without one and fails if there are any
# The code is under GPL-3.0-or-later; the artwork (assets/, docs/) under CC-BY-SA-4.0, which
# debian/copyright records for those folders.
set -euo pipefail
cd "$(dirname "$0")/.."
check=${1:-}
tag="SPDX-License-Identifier: GPL-3.0-or-later"
missing=0
while IFS= read -r file; do
  [ -f "$file" ] || continue
  grep -q "SPDX-License-Identifier" "$file" && continue
  case "$file" in
    *.cpp | *.h) line="// $tag" ;;
    *) line="# $tag" ;;
  esac
  if [ "$check" = "--check" ]; then
    echo "no SPDX line: $file"
    missing=1
    continue
  fi
  if head -n 1 "$file" | grep -q '^#!'; then
    sed -i "1a $line" "$file"
  else
    sed -i "1i $line" "$file"
  fi
done < <(git ls-files -- '*.cpp' '*.h' '*.sh' '*.py' '*CMakeLists.txt' '*.cmake' .ci/run debian/rules)
exit $missing
