# shellcheck shell=bash
# The Wine machine before and after a scenario: every key and value of HKLM
# and every file under C:\. Source after tools/wine/wine-lib.sh and
# checks.sh, with the prefix loaded:
#
#   machine_snapshot NAME                   # machine-NAME.txt in the working folder
#   machine_compare BEFORE AFTER [EXPECTATION...]
#                                           # every change in machine-BEFORE-AFTER.diff
#
# machine_compare fails for every change from BEFORE to AFTER that no
# expectation covers, and for every expectation that no change meets: the
# road must make the changes it declares, and nothing else.
#
# An expectation is [?][+|-|~]reg:PATTERN or [?][+|-|~]file:PATTERN.
#   +  the entries are added,  -  removed,  ~  changed;  no sign: any of these.
#   ?  the change may happen (a helper program's own files, a timing).
# Registry entries read HKLM\KEY\ for a key (trailing backslash) and
# HKLM\KEY\NAME for a value (@ for the default one); file entries are paths
# under drive_c, with a trailing / for a folder. PATTERN is a shell pattern
# matched without regard to case, and * crosses \ and /:
#   'reg:HKLM\SOFTWARE\NORVA\BRENDOL_PC\Install'   '+file:app/BRENDOL/*'
# ('file:app/BRENDOL/*' covers the folder itself and everything in it).

# What Wine itself changes between two moments, whatever the program runs:
# left out of every snapshot (extended regular expressions on the entries,
# without regard to case). Found by snapshots around a console program's run
# and around the wizard started and ended with F1.
machine_ignored=(
    # The display driver rewrites the display adapters' and monitors'
    # classes (their names, the driver's date) when the first window of a
    # Wine session opens.
    '^reg:HKLM\\System\\CurrentControlSet\\Control\\Class\\\{4D36E96[8E]-E325-11CE-BFC1-08002BE10318\}\\'
    # The script host (cscript.exe, which runs the update script) registers
    # its type library and the interfaces of its host object the first time
    # it runs in a prefix.
    '^reg:HKLM\\Software\\Classes\\(Wow6432Node\\)?Typelib\\\{60254CA0-953B-11CF-8C96-00AA00B8708C\}\\'
    '^reg:HKLM\\Software\\Classes\\(Wow6432Node\\)?Interface\\\{(2CC5A9D1-B1E5-11D3-A286-00104BD35090|53BAD8C1-E718-11CF-893D-00A0C9054228|91AFBD1B-5FEB-43F5-B028-E2CA960617EC)\}\\'
)

machine_drop_ignored() {
    grep -v -i -E -f <(printf '%s\n' "${machine_ignored[@]}")
}

machine_snapshot() {
    local name=$1 out="$PWD/machine-$1.txt" saved
    local save_program="$TAVRIK_WIN64_DIR/tests/e2e/lib/savehklm.exe"
    [ -f "$save_program" ] || tavrik_wine_fail "the win64 savehklm.exe is missing"
    saved=$(mktemp "${TMPDIR:-/tmp}/tavrik-hklm.XXXXXX")
    # The program names the file through Wine's Z: drive, the Unix root.
    tavrik_wine_run 30 "$save_program" "Z:${saved//\//\\}" >/dev/null ||
        tavrik_wine_fail "machine_snapshot $name: HKLM could not be saved"
    {
        machine_registry_entries <"$saved"
        machine_file_entries
    } | machine_drop_ignored | LC_ALL=C sort >"$out"
    rm -f "$saved"
    [ -s "$out" ] || tavrik_wine_fail "machine_snapshot $name: empty snapshot"
}

# Wine's registry text as entries, "reg:ID<TAB>data", one a key or value.
# A key's line ends with its time of change and is followed by comments
# ("#time=..."): neither is kept.
machine_registry_entries() {
    tr -d '\r' | awk '
        function entry(id, data) { printf "reg:HKLM\\%s\t%s\n", id, data }
        # Names escape a backslash or a quote with a backslash.
        function unescape(text,    out, i, c) {
            out = ""
            for (i = 1; i <= length(text); i++) {
                c = substr(text, i, 1)
                if (c == "\\") { i++; c = substr(text, i, 1) }
                out = out c
            }
            return out
        }
        {
            # A hex value goes on over lines that end in a backslash.
            if (pending != "") { sub(/^ +/, ""); line = pending $0 } else line = $0
            if (line ~ /=hex(\([0-9a-f]+\))?:/ && line ~ /\\$/) { pending = substr(line, 1, length(line) - 1); next }
            pending = ""
        }
        line ~ /^\[/ {
            key = line
            sub(/^\[/, "", key)
            sub(/\] [0-9]+$/, "", key)
            key = unescape(key)
            # The key and the keys above it, which have no line of their
            # own when they hold only keys.
            count = split(key, step, "\\\\")
            path = ""
            for (i = 1; i <= count; i++) {
                path = path step[i] "\\"
                if (!(path in seen)) { seen[path] = 1; entry(path, "key") }
            }
            next
        }
        line ~ /^@=/ { entry(key "\\@", substr(line, 3)); next }
        line ~ /^"/ {
            # The name runs to the first quote that no backslash escapes.
            for (i = 2; i <= length(line); i++) {
                c = substr(line, i, 1)
                if (c == "\\") { i++; continue }
                if (c == "\"") break
            }
            entry(key "\\" unescape(substr(line, 2, i - 2)), substr(line, i + 2))
        }'
}

# Every file, folder and link under drive_c: "file:PATH<TAB>what it holds".
# A file's checksum is taken again only when its inode, size or times
# changed since an earlier snapshot of the prefix: only the first snapshot
# of a test run reads all of Wine's own files. The record of checksums
# lives beside drive_c, so a new prefix starts without one.
machine_file_entries() {
    local cache="$WINEPREFIX/tavrik-checksums.txt" listing to_read
    listing=$(mktemp) to_read=$(mktemp)
    touch "$cache"
    (cd "$WINEPREFIX/drive_c" && find . -mindepth 1 -printf '%y\t%P\t%i:%s:%T@:%C@\t%s\t%l\n') >"$listing"
    # (FILENAME, not NR == FNR: the record of checksums may be empty.)
    awk -F '\t' 'FILENAME == ARGV[1] { known[$1 "\t" $2] = 1; next }
                 $1 == "f" && !(($2 "\t" $3) in known) { print $2 }' "$cache" "$listing" >"$to_read"
    if [ -s "$to_read" ]; then
        (cd "$WINEPREFIX/drive_c" && tr '\n' '\0' <"$to_read" | xargs -0 md5sum --) |
            awk -v listing="$listing" '
                BEGIN { FS = "\t"; while ((getline line < listing) > 0) { split(line, f, "\t"); stat[f[2]] = f[3] } FS = " " }
                { sum = $1; path = substr($0, 35); print path "\t" stat[path] "\t" sum }' >>"$cache"
    fi
    awk -F '\t' '
        FILENAME == ARGV[1] { sum[$1 "\t" $2] = $3; next }
        $1 == "d" { printf "file:%s/\tfolder\n", $2; next }
        $1 == "l" { printf "file:%s\tlink to %s\n", $2, $5; next }
        $1 == "f" { printf "file:%s\t%s bytes, md5 %s\n", $2, $4, sum[$2 "\t" $3]; next }
        { printf "file:%s\ttype %s\n", $2, $1 }' "$cache" "$listing"
    rm -f "$listing" "$to_read"
}

# The differences between two snapshots: "+ ID", "- ID" or "~ ID<TAB>before<TAB>after".
# Registry names compare without regard to case, as Windows reads them.
machine_differences() {
    awk -F '\t' '
        function k(id) { return id ~ /^reg:/ ? tolower(id) : id }
        FILENAME == ARGV[1] { before[k($1)] = $2; name[k($1)] = $1; next }
        {
            id = k($1)
            if (!(id in before)) print "+ " $1
            else if (before[id] != $2) print "~ " $1 "\t" before[id] "\t" $2
            delete before[id]
        }
        END { for (id in before) print "- " name[id] }' "$1" "$2" | LC_ALL=C sort -k2
}

# Whether a difference line ("+ ID") meets an expectation ([+|-|~]kind:PATTERN).
machine_meets() {
    local difference=$1 expectation=$2 sign=${1:0:1} id
    id=${difference:2}
    id=${id%%$'\t'*}
    case "$expectation" in
        [-+~]*)
            [ "${expectation:0:1}" = "$sign" ] || return 1
            expectation=${expectation:1}
            ;;
    esac
    # Backslashes are literal in the pattern, * and ? keep their meaning.
    local pattern=${expectation,,}
    pattern=${pattern//\\/\\\\}
    # shellcheck disable=SC2053  # the pattern is a glob on purpose
    [[ ${id,,} == $pattern ]]
}

machine_compare() {
    local before="$PWD/machine-$1.txt" after="$PWD/machine-$2.txt" report="$PWD/machine-$1-$2.diff"
    shift 2
    [ -f "$before" ] && [ -f "$after" ] || tavrik_wine_fail "machine_compare: no snapshot $before or $after"
    machine_differences "$before" "$after" >"$report"

    local -a unexplained=() unmet=()
    local difference expectation met
    while IFS= read -r difference; do
        met=0
        for expectation in "$@"; do
            machine_meets "$difference" "${expectation#\?}" && { met=1; break; }
        done
        [ "$met" = 1 ] || unexplained+=("$difference")
    done <"$report"
    for expectation in "$@"; do
        [ "${expectation:0:1}" = "?" ] && continue
        met=0
        while IFS= read -r difference; do
            machine_meets "$difference" "$expectation" && { met=1; break; }
        done <"$report"
        [ "$met" = 1 ] || unmet+=("$expectation")
    done

    local changes
    changes=$(wc -l <"$report")
    if [ "${#unexplained[@]}" -eq 0 ] && [ "${#unmet[@]}" -eq 0 ]; then
        check_pass "the machine changed only as the road says ($changes changes)"
        return 0
    fi
    [ "${#unexplained[@]}" -eq 0 ] ||
        check_fail "the machine changed where the road does not say (${#unexplained[@]} of $changes):"$'\n'"$(
            printf '  %s\n' "${unexplained[@]}" | sed 's/\t/ | /g' | cut -c1-300)"
    [ "${#unmet[@]}" -eq 0 ] ||
        check_fail "changes the road makes did not happen:"$'\n'"$(printf '  %s\n' "${unmet[@]}")"
}
