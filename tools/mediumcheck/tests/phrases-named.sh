#!/usr/bin/env bash
# Fails when a page asks the dictionary for a phrase by a bare number: every
# GetPhrase call names its phrase from localisation/PhraseNumbers.h, whose
# table the medium checker asks every dictionary for.
#
# usage: phrases-named.sh [SOURCE_DIR]   (default: this repository)
set -euo pipefail
source_dir=${1:-$(cd "$(dirname "$0")/../../.." && pwd)}
cd "$source_dir"
# Each call up to its first comma, over line breaks: the phrase it asks for.
faults=$(find app install localisation system -name '*.cpp' -o -name '*.h' | sort |
    while read -r file; do
        grep -Pzo 'GetPhrase\(\s*[^,]*' "$file" | tr '\0\n' '\n ' | tr -s ' ' | sed 's/^GetPhrase( /GetPhrase(/' |
            grep -vE '^GetPhrase\((phrase::k[A-Za-z]+|State\.IsInstallation \? phrase::k[A-Za-z]+ : phrase::k[A-Za-z]+|long number)$' |
            sed "s|^|$file: |" || true
    done)
if [ -n "$faults" ]; then
    echo "$faults"
    echo "phrases asked by number: name them in localisation/PhraseNumbers.h and its table"
    exit 1
fi
echo "every phrase a page shows is named in localisation/PhraseNumbers.h"
