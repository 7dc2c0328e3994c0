#!/usr/bin/env bash
# Brings the studio's Chinese catalogue up to date with its source: texts new
# in apps/studio (QCoreApplication::translate("Studio", ...)) and the data
# readers' complaints (platform/core/ReaderMessage.cpp) are added as
# unfinished, texts gone from the source are dropped. Translate the unfinished
# ones (Qt Linguist: linguist apps/studio/translations/tarnex_zh_CN.ts, or by
# hand: fill <translation> and remove type="unfinished"), then rebuild.
#   bash scripts/translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=""
for c in /usr/lib/qt6/bin/lupdate lupdate6 lupdate; do
  if command -v "$c" >/dev/null; then lupdate=$c; break; fi
done
[ -n "$lupdate" ] || { echo "translations.sh: lupdate not found (bash scripts/setup.sh installs it)" >&2; exit 1; }
ts=apps/studio/translations/tarnex_zh_CN.ts
# No source locations in the file: they would change with every edit of the
# source and make merges of the catalogue conflict.
"$lupdate" -silent -locations none -no-obsolete -source-language en -target-language zh_CN \
  -tr-function-alias QT_TRANSLATE_NOOP+=TARNEX_READER_TEXT \
  -extensions cpp,h apps/studio platform/core/ReaderMessage.cpp -ts "$ts"
left=$(grep -c 'type="unfinished"' "$ts" || true)
echo "translations.sh: $ts: $left text(s) to translate"
