# shellcheck shell=bash
# A simulated power supply for the wizard under Wine. Wine answers
# GetSystemPowerStatus from /sys/class/power_supply: a "Mains" supply whose
# "online" reads 0 is a machine on battery, 1 on mains (a host without any
# supply reads as mains). The wizard then runs in a mount namespace of its
# own, where that folder is the scenario's; "online" is a pipe there, so each
# query of the power status waits until the scenario answers it, and the
# scenario knows when the wizard asked. Source after wizard.sh:
#
#   power_simulate                       # the next wizard_start sees the simulated supply
#   power_answer mains|battery DESCRIPTION [SECONDS]
#                                        # answers the wizard's next query; the check
#                                        # fails when none comes within SECONDS (15)

power_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

power_simulate() {
    power_supply="$PWD/power-supply"
    rm -rf "$power_supply"
    mkdir -p "$power_supply/AC" "$power_supply/BAT0"
    echo Mains >"$power_supply/AC/type"
    mkfifo "$power_supply/AC/online"
    echo Battery >"$power_supply/BAT0/type"
    echo Discharging >"$power_supply/BAT0/status"
    # wizard_start runs the wizard through this in place of Wine.
    export TAVRIK_POWER_SUPPLY=$power_supply TAVRIK_POWER_WINE=$TAVRIK_WINE
    # shellcheck disable=SC2034  # read by wizard_start
    wizard_wine="$power_here/wine-with-power-supply.sh"
}

power_answer() {
    local value description=$2 seconds=${3:-15}
    case "$1" in
        mains) value=1 ;;
        battery) value=0 ;;
        *) tavrik_wine_fail "power_answer: mains or battery, not [$1]" ;;
    esac
    # Opening the pipe for writing waits for the wizard to open it for reading.
    if timeout "$seconds" sh -c 'echo "$1" >"$2"' sh "$value" "$power_supply/AC/online"; then
        check_pass "$description"
    else
        check_fail "$description: the wizard did not ask for the power status within $seconds s"
    fi
}
