#!/bin/sh
# Runs a test that starts a real node, and runs it only where the node cannot
# reach or listen beyond this machine: in a network namespace that has nothing
# but loopback. The test also gets a process namespace of its own, so its
# process list holds only what it started, and everything it leaves behind
# ends with it. Exit code 77 tells CTest that the test was skipped.
set -eu

if [ "${1:-}" = --inside ]; then
    shift
    ip link set lo up
    # This shell is the first process of the namespace: it stays to reap the
    # detached programs that the test starts.
    status=0
    "$@" || status=$?
    exit "$status"
fi

skip() {
    echo "SKIPPED: $1"
    exit 77
}

for program in litecoind litecoin-cli; do
    command -v "$program" >/dev/null 2>&1 ||
        skip "$program is not installed (Debian package litecoind; scripts/setup.sh installs it)."
done
command -v ip >/dev/null 2>&1 || skip "ip is not installed (Debian package iproute2)."

namespaces="--net --pid --fork --mount-proc --kill-child"
# shellcheck disable=SC2086 # the options are meant to split
unshare $namespaces true 2>/dev/null ||
    skip "no network and process namespace can be made here (needs root); a node test never runs outside one."

# shellcheck disable=SC2086
exec unshare $namespaces sh "$0" --inside "$@"
