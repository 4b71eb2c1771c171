#!/usr/bin/env bash
# Builds the letter, label and envelope templates of the letters folder
# (letters/*.doc, Word 97 format) from the flat ODF sources in tools/letters/.
# Needs LibreOffice Writer (soffice) and python3-olefile on this machine only;
# the produced .doc files are committed.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v soffice >/dev/null || { echo "soffice not found (libreoffice-writer)" >&2; exit 1; }

python3 tools/letters/make_sources.py

# A throw-away profile keeps the conversion independent of the user's settings.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
soffice --headless --norestore "-env:UserInstallation=file://$profile" \
  --convert-to doc:"MS Word 97" --outdir letters \
  tools/letters/Brief-Vorlage.fodt tools/letters/Adress-Etikett.fodt \
  tools/letters/Briefumschlag.fodt

# Word's next-record fields between the labels (see next_record.py).
/usr/bin/python3 tools/letters/next_record.py letters/Adress-Etikett.doc

file letters/*.doc
