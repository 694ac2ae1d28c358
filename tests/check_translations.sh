#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations in translations/ are what lupdate makes of the sources, and complete:
#   check_translations.sh <lupdate> [lupdate options...]
# lupdate runs over the sources into a copy of each .ts file; any difference (a text added,
# changed or gone) fails, as does a message left unfinished, vanished or obsolete, or one whose
# translation is empty.
set -euo pipefail
lupdate=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
cd "$root"
for ts in translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" "$@" app ui frame games shell -ts "$copy" >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log" >&2; exit 1; }
  if ! diff -u "$ts" "$copy" >"$work/diff"; then
    echo "$ts is not up to date with the sources (cmake --build <dir> --target update_translations):" >&2
    cat "$work/diff" >&2
    status=1
  fi
  python3 - "$ts" <<'PY' || status=1
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
faults = []
count = 0
for context in ET.parse(path).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        count += 1
        source = message.findtext("source")
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("unfinished", "vanished", "obsolete", "missing") or not (translation.text or "").strip():
            faults.append(f"{name}: {source!r} is {kind or 'empty'}")
        elif any(f"%{n}" in source and f"%{n}" not in translation.text for n in range(1, 10)):
            faults.append(f"{name}: {source!r} loses a placeholder in {translation.text!r}")
for f in faults:
    print(f"{path}: {f}", file=sys.stderr)
print(f"{path}: {count} messages, {len(faults)} faults")
sys.exit(1 if faults else 0)
PY
done
exit $status
