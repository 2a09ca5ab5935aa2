#!/usr/bin/env bash
# Proves that check-layers.sh passes a tree that keeps the order and fails,
# naming file, include and rule, on each kind of fault it is there for: an
# upward include (also one spelled relative to the file), an include of a
# machine behind the seam, and a layer reaching a folder that stands apart.
#
# usage: check-layers-test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
check=$here/../check-layers.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/expect-fault.sh"

# plant FILE LINE...: writes a source file of the tree under test.
plant() {
    local file=$work/tree/$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\n' "$@" >"$file"
}

# A tree in the order: the pages include one another and every layer below,
# the entry point picks the real machine, a test includes anything.
plant localisation/FlagGrid.h '#pragma once'
plant install/Page.cpp '#include "localisation/FlagGrid.h"' '#include "app/Unit1.h"' '#include <string>'
plant app/Unit1.h '#pragma once' '#include "config/Registry.h"' '#include "vcl/Form.h"'
plant app/WinMain.cpp '#include "platform/win32/Win32Machine.h"'
plant config/Registry.h '#include "platform/Machine.h"' '#include "util/Text.h"'
plant vcl/Form.h '#include "platform/Machine.h"'
plant platform/win32/Win32Machine.h '#include "platform/Machine.h"'
plant medium/Setup.cpp '#include "SetupHost.h"'
plant medium/SetupHost.h '#pragma once'
plant tests/app/KeyboardTest.cpp '#include "platform/fake/FakeMachine.h"' '#include "localisation/FlagGrid.h"'
expect_pass "a tree in the order passes" "$check" --source "$work/tree"

# planted FILE LINE: a copy of the tree above with LINE added to FILE; prints its path.
planted() {
    rm -rf "$work/planted"
    cp -r "$work/tree" "$work/planted"
    printf '%s\n' "$2" >>"$work/planted/$1"
    echo "$work/planted"
}

expect_fault "the form core including a page" \
    'app/Unit1.h:4: includes "localisation/FlagGrid.h": app/ stands below localisation/ (includes point downwards only' \
    "$check" --source "$(planted app/Unit1.h '#include "localisation/FlagGrid.h"')"
expect_fault "an upward include spelled relative to the file" \
    'vcl/Form.h:2: includes "../app/Unit1.h": vcl/ stands below app/' \
    "$check" --source "$(planted vcl/Form.h '#include "../app/Unit1.h"')"
expect_fault "a page including the fake machine" \
    'install/Page.cpp:4: includes "platform/fake/FakeMachine.h": platform/fake/ stands behind its seam' \
    "$check" --source "$(planted install/Page.cpp '#include "platform/fake/FakeMachine.h"')"
expect_fault "a layer including the demo medium" \
    'config/Registry.h:3: includes "medium/SetupHost.h": medium/ stands apart from the layers' \
    "$check" --source "$(planted config/Registry.h '#include "medium/SetupHost.h"')"

report_cases
