#!/bin/bash
# Checks the dictionary sources of the demo medium before they are compiled:
# every file holds exactly the phrases the wizard asks for, once each, in a
# form the wizard can show, in characters its code page holds; and every
# dictionary has its flag and every language association a dictionary.
#
#   check-sources.sh [SOURCE_FOLDER [DICTIONARY_FOLDER]]
#
# SOURCE_FOLDER holds THESAUxx.txt (default: this script's folder);
# DICTIONARY_FOLDER holds the flags THESAUxx.bmp and CodeAssOS.ini (default:
# ../BRENDOL/DICO from the source folder). Prints one line per fault as
# file:line: message and exits 1 when there is any.
set -u

sources=${1:-$(dirname "$0")}
dictionaries=${2:-$sources/../BRENDOL/DICO}

# The phrase numbers the wizard's pages fetch.
required="278 17415 17417 17877 46846 46853 47044 78759 82504 93411 106178 116387 116389
116390 116391 116392 116406 116407 118556 118558 118559 118560 118561 122270 122389 122390
122391 122392 122393 125088 126057 126058 126839 126840 126841 126842 126843 126844
126845 126846"
# Fetched with a full stop and a space appended by the program (at least once).
with_period="278 17415 17417 17877 46846 46853 82504 93411 116387 116390 116391 116392
116406 116407 122389 122390 122391 125088 126842 126843 126844
126845"

faults=0
fault() {
    echo "$1" >&2
    faults=$((faults + 1))
}

check_structure() {
    awk -v file="$1" -v required="$required" -v with_period="$with_period" '
    function fault(line, message) { printf "%s:%d: %s\n", file, line, message; bad = 1 }
    BEGIN {
        n = split(required, list, /[ \n]+/)
        for (i = 1; i <= n; i++) if (list[i] != "") wanted[list[i]] = 1
        n = split(with_period, list, /[ \n]+/)
        for (i = 1; i <= n; i++) if (list[i] != "") period[list[i]] = 1
        charset_of["1250"] = 238; charset_of["1251"] = 204; charset_of["1252"] = 0
        charset_of["1253"] = 161; charset_of["1254"] = 162
    }
    /\r/ { fault(NR, "carriage return: lines must end with a line feed only"); next }
    /^#/ || /^[ \t]*$/ { next }
    /^@/ {
        if (phrases > 0) fault(NR, "directive after the first phrase")
        name = $1; value = substr($0, length($1) + 2)
        if (name != "@codepage" && name != "@font" && name != "@charset") {
            fault(NR, "unknown directive " name); next
        }
        if (name in directive) fault(NR, "second " name)
        directive[name] = value; directive_line[name] = NR
        next
    }
    {
        if (!match($0, /^[1-9][0-9]*\t/)) { fault(NR, "not a phrase line (number, tab, text)"); next }
        number = substr($0, 1, RLENGTH - 1); text = substr($0, RLENGTH + 1)
        phrases++
        if (number in seen) { fault(NR, "phrase " number " again (first on line " seen[number] ")"); next }
        seen[number] = NR
        if (!(number in wanted)) fault(NR, "phrase " number " is not one the wizard shows")
        if (text == "") { fault(NR, "phrase " number " is empty"); next }
        if (text ~ /^[ \t]/) fault(NR, "phrase " number " starts with blank space")
        if (number == "118559") {
            if (text !~ / $/) fault(NR, "phrase 118559 must end with a space: the exit code follows it")
        } else if (text ~ /[ \t]$/) {
            fault(NR, "phrase " number " ends with blank space")
        }
        rest = text; gsub(/\\\\/, "", rest)
        if (rest ~ /\\([^nt]|$)/) fault(NR, "phrase " number ": only \\n, \\t and \\\\ may follow a backslash")
        if (number == "126841" && gsub(/\*/, "*", text) != 1) {
            fault(NR, "phrase 126841 needs exactly one * for the product name")
        }
        if ((number in period) && text ~ /[.,:;!?]$/) {
            fault(NR, "phrase " number " ends with punctuation; the program appends \". \"")
        }
    }
    END {
        if (!("@codepage" in directive)) fault(NR, "no @codepage")
        else if (!(directive["@codepage"] in charset_of))
            fault(directive_line["@codepage"], "code page " directive["@codepage"] " is not one of 1250 to 1254")
        else if (("@charset" in directive) && directive["@charset"] != charset_of[directive["@codepage"]] "")
            fault(directive_line["@charset"], "character set " directive["@charset"] " does not go with code page " \
                  directive["@codepage"] " (expected " charset_of[directive["@codepage"]] ")")
        if (!("@charset" in directive)) fault(NR, "no @charset")
        if (!("@font" in directive) || directive["@font"] == "") fault(NR, "no @font")
        for (number in wanted) if (!(number in seen)) missing = missing " " number
        if (missing != "") fault(NR, "missing phrases:" missing)
        exit bad
    }' "$1"
}

# Every character must exist in the code page the file is compiled to.
check_characters() {
    local file=$1 codepage line_number=0 line
    codepage=$(awk '$1 == "@codepage" { print $2; exit }' "$file")
    [ -n "$codepage" ] || return 0  # reported by the structure check
    if iconv -f UTF-8 -t "CP$codepage" "$file" > /dev/null 2>&1; then return 0; fi
    while IFS= read -r line || [ -n "$line" ]; do
        line_number=$((line_number + 1))
        if ! printf '%s' "$line" | iconv -f UTF-8 -t "CP$codepage" > /dev/null 2>&1; then
            fault "$file:$line_number: invalid UTF-8 or a character outside code page $codepage"
        fi
    done < "$file"
}

shopt -s nullglob
files=("$sources"/THESAU*.txt)
[ ${#files[@]} -gt 0 ] || fault "$sources: no dictionary source THESAUxx.txt"

codes=()
for file in "${files[@]}"; do
    name=$(basename "$file")
    if [[ ! $name =~ ^THESAU([A-Z][A-Z])\.txt$ ]]; then
        fault "$file: the name must be THESAU, two upper-case letters and .txt"
        continue
    fi
    codes+=("${BASH_REMATCH[1]}")
    if ! check_structure "$file" >&2; then faults=$((faults + 1)); fi
    check_characters "$file"
done

# The language page lists one flag per dictionary; the language detection
# maps system languages to dictionaries.
if [ ! -d "$dictionaries" ]; then
    fault "$dictionaries: no dictionary folder"
else
    for code in "${codes[@]}"; do
        [ -f "$dictionaries/THESAU$code.bmp" ] || fault "$dictionaries: no flag THESAU$code.bmp for THESAU$code.txt"
    done
    for flag in "$dictionaries"/*.bmp; do
        code=$(basename "$flag" .bmp)
        code=${code#THESAU}
        [ -f "$sources/THESAU$code.txt" ] || fault "$flag: no dictionary source THESAU$code.txt"
    done
    ini=$dictionaries/CodeAssOS.ini
    if [ ! -f "$ini" ]; then
        fault "$ini: missing"
    else
        while IFS= read -r code; do
            [ -f "$sources/THESAU$code.txt" ] || fault "$ini: $code has no dictionary source THESAU$code.txt"
        done < <(tr -d '\r' < "$ini" | awk -F= '/^\[/ { section = $0; next }
            section == "[ASSOCIATION]" && NF == 2 { print $2 }')
    fi
fi

if [ $faults -gt 0 ]; then
    echo "$faults fault(s) in the dictionary sources" >&2
    exit 1
fi
echo "dictionary sources: ${#files[@]} files, all phrases present and well formed"
