#!/usr/bin/env bash
# Brings every translation in translations/ up to date with the texts in the source: new texts
# come in unfinished, texts no longer in the source are marked vanished. Run it after changing a
# text, then translate in Qt Linguist (linguist translations/keymint_XX.ts). A language code
# given (de, pt_BR) starts a translation into that language.
#   update-translations.sh [language...]
# The check that every translation is up to date runs it on copies, in the folder TS_FOLDER.
set -euo pipefail
shopt -s nullglob
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
folder=${TS_FOLDER:-$root/translations}
files=("$folder"/keymint_*.ts)
for language in "$@"; do files+=("$folder/keymint_$language.ts"); done
cd "$root"
/usr/lib/qt6/bin/lupdate -silent -locations none -no-recursive ui app -ts "${files[@]}"
