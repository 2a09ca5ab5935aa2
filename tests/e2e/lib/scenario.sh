# shellcheck shell=bash
# What a scenario of the real wizard sources first: the Wine harness, the
# checks, the wizard's steps and the comparison of the machine.
scenario_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$scenario_lib/../../../tools/wine/wine-lib.sh"
. "$scenario_lib/checks.sh"
. "$scenario_lib/wizard.sh"
. "$scenario_lib/machine.sh"
