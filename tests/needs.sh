#!/bin/sh
# needs.sh TEST TOOL... -- COMMAND...: runs COMMAND when every TOOL is on PATH.
# A missing tool, or a COMMAND that skips itself (exit 77), skips TEST on a developer's machine;
# under CI (CI set and not false) it fails TEST instead, naming it: a green run that skipped
# proved nothing.
test=$1
shift
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
