#!/bin/bash
# Proves that check-sources.sh accepts the medium's dictionary sources and
# rejects each kind of fault, each planted in a copy of them.
set -u
here=$(cd "$(dirname "$0")" && pwd)
checker=$here/../check-sources.sh
sources=$here/..
dictionaries=$here/../../BRENDOL/DICO
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$here/../../../tools/tests/expect-fault.sh"

# A fresh copy of the sources and the dictionary folder.
fresh_copy() {
    rm -rf "$work/dico" "$work/DICO"
    mkdir -p "$work/dico" "$work/DICO"
    cp "$sources"/THESAU*.txt "$work/dico/"
    cp "$dictionaries"/*.bmp "$dictionaries"/CodeAssOS.ini "$work/DICO/"
}

check_copy() {
    bash "$checker" "$work/dico" "$work/DICO"
}

# Replaces the text of one phrase in one file.
set_phrase() {
    local file=$work/dico/THESAU$1.txt number=$2 text=$3
    awk -v n="$number" -v t="$text" -F'\t' '$1 == n { print n "\t" t; next } { print }' \
        "$file" > "$file.new" && mv "$file.new" "$file"
}

fresh_copy
expect_pass "the medium's sources pass" check_copy

fresh_copy
sed -i '/^47044\t/d' "$work/dico/THESAUDE.txt"
expect_fault "missing phrase" "missing phrases: 47044" check_copy

fresh_copy
line=$(grep -P '^93411\t' "$work/dico/THESAUIT.txt")
printf '%s\n' "$line" >> "$work/dico/THESAUIT.txt"
expect_fault "duplicate phrase" "phrase 93411 again" check_copy

fresh_copy
printf '4711\tUnknown\n' >> "$work/dico/THESAUGB.txt"
expect_fault "unknown phrase" "phrase 4711 is not one the wizard shows" check_copy

fresh_copy
set_phrase GB 126841 'Disconnect the * and the * from the PC'
expect_fault "two stars" "126841 needs exactly one *" check_copy

fresh_copy
set_phrase FR 126841 'Débranchez le boîtier du PC'
expect_fault "no star" "126841 needs exactly one *" check_copy

fresh_copy
set_phrase SV 93411 'Tryck på bekräftelseknappen för att fortsätta.'
expect_fault "full stop before the appended one" "phrase 93411 ends with punctuation" check_copy

fresh_copy
set_phrase GB 118559 'Error code:'
expect_fault "exit code glued to its label" "118559 must end with a space" check_copy

fresh_copy
set_phrase GB 116390 'Done '
expect_fault "trailing blank" "phrase 116390 ends with blank space" check_copy

fresh_copy
set_phrase DE 116390 'Fertig\\x'
expect_fault "unknown escape" "phrase 116390: only" check_copy

fresh_copy
set_phrase GB 116390 'Completed ✓'
expect_fault "character outside the code page" "outside code page 1252" check_copy

fresh_copy
set_phrase PL 116390 'Instalacja zakończona – ok'
expect_pass "a dash that code page 1250 holds" check_copy

fresh_copy
set_phrase CS 116390 'Hotovo ő'
expect_pass "ő, which code page 1250 holds" check_copy

fresh_copy
set_phrase RU 116390 'Установка завершена ő'
expect_fault "Latin letter outside code page 1251" "outside code page 1251" check_copy

fresh_copy
sed -i 's/^@charset 204$/@charset 0/' "$work/dico/THESAURU.txt"
expect_fault "character set of another code page" "does not go with code page 1251" check_copy

fresh_copy
sed -i '/^@font /d' "$work/dico/THESAUEL.txt"
expect_fault "missing font" "no @font" check_copy

fresh_copy
sed -i 's/^@codepage 1254$/@codepage 1258/' "$work/dico/THESAUTR.txt"
expect_fault "unsupported code page" "code page 1258 is not one of" check_copy

fresh_copy
printf '@font Tahoma\n' >> "$work/dico/THESAUNL.txt"
expect_fault "directive among the phrases" "directive after the first phrase" check_copy

fresh_copy
sed -i 's/$/\r/' "$work/dico/THESAUHU.txt"
expect_fault "carriage returns" "carriage return" check_copy

fresh_copy
sed -i 's/^278\t/278 /' "$work/dico/THESAUPT.txt"
expect_fault "space instead of a tab" "not a phrase line" check_copy

fresh_copy
rm "$work/DICO/THESAUES.bmp"
expect_fault "dictionary without a flag" "no flag THESAUES.bmp" check_copy

fresh_copy
rm "$work/dico/THESAUNL.txt"
expect_fault "flag without a dictionary" "no dictionary source THESAUNL.txt" check_copy

fresh_copy
printf 'da=DA\r\n' >> "$work/DICO/CodeAssOS.ini"
expect_fault "association without a dictionary" "DA has no dictionary source" check_copy

fresh_copy
mv "$work/dico/THESAUGB.txt" "$work/dico/THESAUgb.txt"
expect_fault "lower-case language code" "two upper-case letters" check_copy

report_cases
