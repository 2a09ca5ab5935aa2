#!/usr/bin/env bash
# Fails when a command that the builds, the tests or the demo run would be
# missing on a fresh Debian 12 machine after tools/install-dependencies.sh.
# A development machine keeps what was once installed by hand, so a package
# the installer forgets goes unnoticed there; this check asks dpkg instead.
#
# Every command of the list below must be installed, and the Debian package
# its file belongs to (found through the alternatives links) must be one the
# installer names, a direct dependency of one, or part of every minimal
# Debian image (Priority required or Essential). The list itself is checked
# against the sources: a scan of the commands the shell scripts run and the
# programs the CMake files name fails on any that comes from a package
# outside the minimal image and is missing from the list.
#
# usage: check-dependencies.sh [--installer FILE] [--source DIR]
#   --installer FILE  the installer whose packages=(...) list counts
#                     (default: tools/install-dependencies.sh of the source)
#   --source DIR      the tree whose scripts are scanned (default: this repository)
set -euo pipefail

# What the scripts run once the installer has run: the commands of the
# distribution, not a copy someone put in /usr/local or a home folder.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
export LC_ALL=C

# The commands that need more than a minimal image. The scan below cannot
# see every one: some run through variables (wine, wineserver), inside
# another command (Xvfb) or are picked by CMake itself (cc, c++, ninja).
commands=(
    # the builds: CMake and Ninja, the native compilers CMake picks, clang++
    # for the fuzzers, the two MinGW-w64 toolchains of cmake/toolchain-*.cmake
    cmake ctest ninja cc c++ clang++
    x86_64-w64-mingw32-gcc-win32 x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-windres
    i686-w64-mingw32-gcc-win32 i686-w64-mingw32-g++-win32 i686-w64-mingw32-windres
    # the format check
    clang-format git
    # the Wine harness, the scenarios and the demo (Debian 12 has no wine64
    # command: the harness falls back to wine)
    wine wineserver Xvfb xdotool import convert pgrep
    # the fresh-machine check
    debootstrap
)

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/.." && pwd)
installer=""
while [ $# -gt 0 ]; do
    case "$1" in
        --installer) installer=$2; shift 2 ;;
        --source) source_dir=$(cd "$2" && pwd); shift 2 ;;
        *) echo "usage: check-dependencies.sh [--installer FILE] [--source DIR]" >&2; exit 2 ;;
    esac
done
[ -n "$installer" ] || installer=$source_dir/tools/install-dependencies.sh
[ -f "$installer" ] || { echo "no installer $installer" >&2; exit 2; }
shown_installer=${installer#"$source_dir"/}
command -v dpkg-query >/dev/null || { echo "dpkg-query is missing: this check needs a Debian machine" >&2; exit 1; }

faults=0
fault() {
    echo "FAIL: $*"
    faults=$((faults + 1))
}

# --- Packages that a fresh machine has after the installer ran.

# The installer's packages=( ... ) array, comments left out.
mapfile -t named < <(sed -n '/^[[:space:]]*packages=(/,/)/p' "$installer" |
    sed -e 's/#.*//' -e 's/packages=(//' -e 's/)//' | tr -s ' \t' '\n' | grep -v '^$')
[ ${#named[@]} -gt 0 ] || { echo "no packages=(...) list in $installer" >&2; exit 1; }

declare -A minimal=()
while read -r package priority essential; do
    if [ "$priority" = required ] || [ "$essential" = yes ]; then minimal[$package]=1; fi
done < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Priority} ${Essential}\n' |
    awk '$1 == "ii" { print $2, $3, $4 }')

# Depends and Pre-Depends of the named packages, each alternative, without
# versions and architectures (one query for all of them).
declare -A why=() installed=()
while IFS='|' read -r package qualified status depends; do
    [[ $status == ii* ]] || continue
    installed[$package]=1 installed[$qualified]=1
    for dependency in $(tr ',|' '\n' <<<"$depends" | sed -e 's/([^)]*)//g' -e 's/:[a-z0-9]*//' | tr -d ' '); do
        [ -n "${why[$dependency]:-}" ] || why[$dependency]="a dependency of $package"
    done
# (${binary:Package} keeps the architecture of a foreign package, as the
# installer names it: wine32:i386.)
done < <(dpkg-query -W -f='${Package}|${binary:Package}|${db:Status-Abbrev}|${Pre-Depends}, ${Depends}\n' "${named[@]}" 2>/dev/null || true)
for package in "${named[@]}"; do
    [ -n "${installed[$package]:-}" ] ||
        fault "package $package, which $shown_installer names, is not installed: run the installer"
done
for package in "${named[@]}"; do
    why[$package]="named by the installer"
done
# The installer runs the package manager through sudo when a user, not root,
# starts it: such a machine has sudo before the installer.
minimal[sudo]=1

# The package of each command, found with one dpkg query for all of them
# (each query reads dpkg's whole file database). With merged /usr, dpkg may
# know a file under /bin or /sbin; an alternatives link is followed to its
# end, and its own package counts only when the end belongs to none.
declare -A path_of=() resolved_of=() owner=()
resolve_commands() {
    local command path files=()
    for command in "$@"; do
        [ -z "${path_of[$command]+set}" ] || continue
        path=$(command -v "$command" || true)
        path_of[$command]=$path
        [ -n "$path" ] || continue
        resolved_of[$command]=$(readlink -f "$path")
        files+=("${resolved_of[$command]}" "${resolved_of[$command]#/usr}" "$path" "${path#/usr}")
    done
    [ ${#files[@]} -gt 0 ] || return 0
    local packages file
    while IFS= read -r line; do
        packages=${line%%: /*}
        file=/${line#*: /}
        packages=${packages%%,*}
        owner[$file]=${packages%%:*}
    done < <(dpkg-query -S "${files[@]}" 2>/dev/null | grep -v '^diversion ' || true)
}

# Prints the package of a resolved command, or fails with why there is none.
package_of() {
    local path=${path_of[$1]} resolved=${resolved_of[$1]:-} file
    [ -n "$path" ] || { echo "not installed (not on $PATH)"; return 1; }
    for file in "$resolved" "${resolved#/usr}" "$path" "${path#/usr}"; do
        [ -z "${owner[$file]:-}" ] || { echo "${owner[$file]}"; return 0; }
    done
    echo "$resolved belongs to no Debian package"
    return 1
}

# --- The list must hold every command the sources run from outside the minimal image.

source_files() {
    # Tracked and new files of a work tree; a plain folder is walked, without
    # the build folder (it may hold a whole Debian root).
    git -C "$source_dir" ls-files -co --exclude-standard 2>/dev/null ||
        (cd "$source_dir" && find . \( -path ./build -o -path ./.git \) -prune -o -type f -print | sed 's|^\./||')
}

# Words in the position of a command in shell scripts: the first word of each
# simple command and of each command substitution, after assignments and
# redirections, and the command after a runner such as timeout or xargs.
# A heuristic: single-quoted text, comments, here-documents and the text of
# double-quoted strings (but not the commands substituted in them) and the
# words of arrays are left out.
scan_shell() {
    awk '
    FNR == 1 { depth = 0; context[0] = "code"; in_single = 0; heredoc = "" }
    heredoc != "" {
        line = $0
        if (heredoc_strip) sub(/^\t+/, "", line)
        if (line == heredoc) heredoc = ""
        next
    }
    {
        line = $0; out = ""; next_heredoc = ""
        while (line ~ /\\$/ && (getline more) > 0) line = substr(line, 1, length(line) - 1) " " more
        for (i = 1; i <= length(line); i++) {
            c = substr(line, i, 1)
            if (in_single) { if (c == "\047") in_single = 0; continue }
            if (c == "\\") { i++; out = out " "; continue }
            if (substr(line, i, 2) == "$(") { context[++depth] = "code"; out = out "\n"; i++; continue }
            if (substr(line, i, 2) == "${") { context[++depth] = "param"; out = out " %"; i++; continue }
            if (context[depth] == "string") {
                if (c == "\"") depth--
                out = out " "
                continue
            }
            if (context[depth] == "param" || context[depth] == "array") {
                if (c == (context[depth] == "param" ? "}" : ")")) depth--
                else if (c == "\"") context[++depth] = "string"
                else if (c == "\047") in_single = 1
                continue
            }
            if (c == "\"") { context[++depth] = "string"; out = out " %"; continue }
            if (c == "\047") { in_single = 1; out = out " %"; continue }
            if (c == "(" && substr(line, i - 1, 1) == "=") { context[++depth] = "array"; continue }
            if (c == "(") context[++depth] = "code"
            if (c == ")" && depth > 0) depth--
            if (c == "#" && (i == 1 || substr(line, i - 1, 1) ~ /[ \t;&|(]/)) break
            if (substr(line, i, 2) == "<<" && substr(line, i, 3) != "<<<") {
                rest = substr(line, i + 2)
                heredoc_strip = (rest ~ /^-/)
                if (match(rest, /^-?[ \t]*[\047"\\]?[A-Za-z_][A-Za-z0-9_]*/)) {
                    word = substr(rest, RSTART, RLENGTH)
                    gsub(/[- \t\047"\\]/, "", word)
                    next_heredoc = word
                }
                i++
                continue
            }
            out = out c
        }
        gsub(/&&|\|\||[;|&(){}`!]/, "\n", out)
        n = split(out, segments, "\n")
        for (s = 1; s <= n; s++) {
            w = split(segments[s], words, /[ \t]+/)
            runner = 0
            for (k = 1; k <= w; k++) {
                word = words[k]
                if (word == "") continue
                if (word ~ /^(if|then|else|elif|do|while|until|time|\[\[)$/) continue
                if (word ~ /^(for|case|select|in|fi|done|esac)$/) break
                if (word ~ /^[A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])?\+?=/) continue
                if (word ~ /^[0-9]*[<>]/) { if (word ~ /^[0-9]*[<>]+$/) k++; continue }
                if (runner && word ~ /^-/) continue
                if (runner == 2 && word ~ /^([0-9.]+[smhd]?|\$.*)$/) { runner = 1; continue }
                sub(/^\/(usr\/)?s?bin\//, "", word)
                if (word !~ /^[A-Za-z0-9_][A-Za-z0-9_.+-]*$/) break
                print word "\t" FILENAME
                if (word ~ /^(sudo|exec|command|nohup|setsid|xargs|env|nice|chroot)$/) { runner = 1; continue }
                if (word == "timeout") { runner = 2; continue }
                break
            }
        }
        if (next_heredoc != "") heredoc = next_heredoc
    }' "$@"
}

# Programs the CMake files name: find_program (the first of its names found
# here), the compilers of the toolchain files, plain-named test commands, and
# the generator of the presets.
scan_cmake() {
    local file
    for file in "$@"; do
        tr '\n' ' ' <"$file" | grep -oE 'find_program *\([^)]*\)' |
            sed -E 's/find_program *\( *[A-Za-z0-9_]+ +(NAMES +)?//; s/\).*//; s/ (DOC|REQUIRED|PATHS|HINTS|NO_[A-Z_]+|NAMES_PER_DIR).*//' |
            while read -r -a names; do
                found=${names[0]}
                for name in "${names[@]}"; do
                    command -v "$name" >/dev/null && { found=$name; break; }
                done
                printf '%s\t%s\n' "$found" "$file"
            done
        grep -oE 'CMAKE_[A-Z]+_COMPILER +[A-Za-z0-9_.+-]+' "$file" | awk -v f="$file" '{ print $2 "\t" f }'
        grep -oE 'COMMAND +[A-Za-z][A-Za-z0-9_.+-]*' "$file" | awk -v f="$file" '{ print $2 "\t" f }'
        grep -q '"generator": *"Ninja"' "$file" && printf 'ninja\t%s\n' "$file"
    done
    return 0
}

declare -A listed=()
for command in "${commands[@]}"; do listed[$command]=1; done
declare -A functions=()
cd "$source_dir"
mapfile -t files < <(source_files)
# Shell scripts: *.sh, and files that start with a shell's #! line.
mapfile -t scripts < <(printf '%s\n' "${files[@]}" | grep '\.sh$' || true
    # shellcheck disable=SC2016
    printf '%s\n' "${files[@]}" | { grep -v '\.sh$' || true; } | tr '\n' '\0' | xargs -0 -r awk '
        FNR == 1 { if ($0 ~ /^#!.*(\/|env +)(ba)?sh( |$)/) print FILENAME; nextfile }')
mapfile -t cmake_files < <(printf '%s\n' "${files[@]}" | grep -E '(^|/)(CMakeLists\.txt|[^/]*\.cmake|CMakePresets\.json)$' || true)
if [ ${#scripts[@]} -gt 0 ]; then
    while read -r name; do functions[$name]=1; done < <(
        sed -nE 's/^[[:space:]]*(function[[:space:]]+)?([A-Za-z_][A-Za-z0-9_-]*)[[:space:]]*\(\).*/\2/p' "${scripts[@]}")
fi

# The external commands found, each with the first file that runs it.
declare -A found_in=()
while IFS=$'\t' read -r word file; do
    if [ -z "${found_in[$word]:-}" ] && [ -z "${functions[$word]:-}" ] &&
        [ "$(type -t "$word" || true)" = file ]; then
        found_in[$word]=$file
    fi
done < <({ [ ${#scripts[@]} -eq 0 ] || scan_shell "${scripts[@]}"; scan_cmake "${cmake_files[@]}"; } | sort -u -t$'\t' -k1,1)
resolve_commands "${commands[@]}" "${!found_in[@]}"

for word in "${!found_in[@]}"; do
    [ -z "${listed[$word]:-}" ] || continue  # checked below
    if ! package=$(package_of "$word"); then
        fault "$word, run by ${found_in[$word]}: $package"
    elif [ -z "${minimal[$package]:-}" ]; then
        fault "$word (package $package) is run by ${found_in[$word]} but is missing from the command list of tools/check-dependencies.sh: add it there"
    fi
done

# --- Each listed command comes with the installer.

for command in "${commands[@]}"; do
    if ! package=$(package_of "$command"); then
        fault "$command: $package"
    elif [ -n "${minimal[$package]:-}" ]; then
        printf 'ok:   %-30s %-28s %s\n' "$command" "$package" "part of every minimal image"
    elif [ -n "${why[$package]:-}" ]; then
        printf 'ok:   %-30s %-28s %s\n' "$command" "$package" "${why[$package]}"
    else
        fault "$command: provided by package $package, which $shown_installer does not install"
    fi
done

if [ "$faults" -gt 0 ]; then
    echo "$faults fault(s): a fresh machine would lack these after $shown_installer"
    exit 1
fi
echo "all ${#commands[@]} listed commands come with $shown_installer (${#named[@]} packages) or every minimal image;" \
    "${#found_in[@]} commands found in ${#scripts[@]} scripts and ${#cmake_files[@]} CMake files are covered"
