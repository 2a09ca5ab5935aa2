#!/usr/bin/env bash
# Fails when a source includes a header against the layer order of the
# README: includes point downwards only, from the pages through the form core
# to the services, the component library and the machine. Each fault names
# the file and line, the include and the rule it breaks.
#
#   install/ localisation/ system/   the pages (one layer: they may include each other)
#   app/                             the form core and the entry point
#   config/ trace/ util/             services (one layer)
#   vcl/                             the component library
#   platform/                        the machine seam
#
# lx32/, media/ and medium/ stand apart: they include only themselves and no
# layer includes them. The machines and hosts behind the seams
# (platform/win32, platform/fake, vcl/win32, vcl/headless) are included only
# from their own folder and by the entry point app/WinMain.cpp, which picks
# the real ones. Tests and benchmarks (tests/, */bench/) may include anything.
#
# usage: check-layers.sh [--source DIR]   (default: this repository)
set -euo pipefail
export LC_ALL=C

source_dir=$(cd "$(dirname "$0")/.." && pwd)
while [ $# -gt 0 ]; do
    case "$1" in
        --source) source_dir=$(cd "$2" && pwd); shift 2 ;;
        *) echo "usage: check-layers.sh [--source DIR]" >&2; exit 2 ;;
    esac
done
cd "$source_dir"

# The higher the number, the higher the layer.
declare -A rank=(
    [platform]=1 [vcl]=2 [config]=3 [trace]=3 [util]=3 [app]=4
    [install]=5 [localisation]=5 [system]=5
)
order="install/ localisation/ system/ > app/ > config/ trace/ util/ > vcl/ > platform/"
standalone=" lx32 media medium "
seams=(platform/win32 platform/fake vcl/win32 vcl/headless)
entry_point=app/WinMain.cpp

faults=0
fault() {
    echo "$1"
    faults=$((faults + 1))
}

# Sets target to the folder path an include names: from the source root when
# it starts with a top folder, else beside the including file; empty for a
# header found on an include path (a system or test header).
target=""
resolve() {
    local file=$1 include=$2 top=${2%%/*}
    target=""
    if [ -n "${rank[$top]:-}" ] || [[ "$standalone" == *" $top "* ]]; then
        target=$include
    elif [ -e "${file%/*}/$include" ]; then
        target=$(realpath -m --relative-to=. "${file%/*}/$include")
    fi
}

check_include() {
    local file=$1 line=$2 include=$3 from to seam
    resolve "$file" "$include"
    [ -n "$target" ] || return 0
    from=${file%%/*}
    to=${target%%/*}
    local where="$file:$line: includes \"$include\""

    for seam in "${seams[@]}"; do
        if [[ "$target" == "$seam"/* && "$file" != "$seam"/* && "$file" != "$entry_point" ]]; then
            fault "$where: $seam/ stands behind its seam; only its own folder and $entry_point include it"
        fi
    done
    if [ "$from" = "$to" ]; then
        return 0
    fi
    if [[ "$standalone" == *" $from "* ]]; then
        fault "$where: $from/ stands apart from the layers and includes only its own folder"
    elif [[ "$standalone" == *" $to "* ]]; then
        fault "$where: $to/ stands apart from the layers; no layer includes it"
    elif [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
        fault "$where: $from/ stands below $to/ (includes point downwards only: $order)"
    fi
}

mapfile -t folders < <(for f in "${!rank[@]}" $standalone; do [ -d "$f" ] && echo "$f"; done | sort)
[ "${#folders[@]}" -gt 0 ] || { echo "no layer folder under $source_dir" >&2; exit 2; }
mapfile -t sources < <(find "${folders[@]}" -path '*/bench' -prune -o -type f \
    \( -name '*.h' -o -name '*.c' -o -name '*.cpp' -o -name '*.in' \) -print | sort)

include_pattern='"([^"]+)"'
while IFS=: read -r file line text; do
    [[ "$text" =~ $include_pattern ]] && check_include "$file" "$line" "${BASH_REMATCH[1]}"
done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${sources[@]}" /dev/null || true)

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) against the layer order"
    exit 1
fi
echo "all includes follow the layer order (${#sources[@]} files)"
