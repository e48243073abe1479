#!/usr/bin/env bash
# Every translation complete and up to date with the source, so that no text ships in English.
# Faults it catches: a message left unfinished or empty; a message whose text the source no
# longer has (vanished or obsolete); a text of the source that a translation lacks, or has under
# another context (lupdate over the source would change the file).
#   translations-complete.sh <source tree>
set -euo pipefail
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
cp "$1"/translations/keymint_*.ts "$work/" && TS_FOLDER=$work bash "$1/scripts/update-translations.sh"
! grep -E 'type="(unfinished|vanished|obsolete)"' "$1"/translations/*.ts && diff -ru "$1/translations" "$work" ||
    { echo "FAIL: translate the messages above; bash scripts/update-translations.sh first"; exit 1; }
echo "$(ls "$work" | wc -l) translations complete and up to date"
