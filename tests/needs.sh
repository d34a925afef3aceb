#!/bin/sh
# needs.sh TEST [--native WHY] TOOL... -- COMMAND...: runs COMMAND when every TOOL is on PATH.
# A missing tool, or a COMMAND that skips itself (exit 77), skips TEST on a developer's machine;
# under CI (CI set and not false) it fails TEST instead, naming it: a green run that skipped
# proved nothing. The one skip CI allows: with --native, on a system detected to be emulated
# (emulation.sh), where WHY says what cannot work there.
test=$1
shift
if [ "${1:-}" = --native ]; then
    . "$(dirname "$0")/emulation.sh"
    emulator=$(emulated_by)
    if [ -n "$emulator" ]; then
        echo "SKIP: $test: this system is emulated by $emulator, under which $2"
        exit 77
    fi
    shift 2
fi
missing=
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    command -v "$1" >/dev/null 2>&1 || missing="$missing $1"
    shift
done
[ $# -gt 0 ] && shift

skip() {
    case ${CI:-} in
    '' | false | 0) echo "SKIP: $test: $1"; exit 77 ;;
    *) echo "FAIL: $test was skipped, which CI does not allow: $1"; exit 1 ;;
    esac
}
[ -z "$missing" ] || skip "not installed:$missing"
status=0
"$@" || status=$?
[ "$status" -ne 77 ] || skip "it skipped itself (its reason is above)"
exit "$status"
