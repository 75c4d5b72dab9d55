#!/bin/sh
# Runs a test that starts a real node, and runs it only where the node cannot
# reach or listen beyond this machine: in a network namespace that has nothing
# but loopback. The test also gets a process namespace of its own, so its
# process list holds only what it started, and everything it leaves behind
# ends with it. Exit code 77 tells CTest that the test was skipped.
#
# Any user may make these namespaces inside a user namespace of their own, where
# they are root over nothing but the new namespaces; root can also make them
# without one, which is the way left where user namespaces are switched off.
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
    echo "SKIPPED: $*"
    exit 77
}

for program in litecoind litecoin-cli; do
    command -v "$program" >/dev/null 2>&1 ||
        skip "$program is not installed (Debian package litecoind; scripts/setup.sh installs it)."
done
command -v ip >/dev/null 2>&1 || skip "ip is not installed (Debian package iproute2)."

# Each way is tried with what the test needs first: loopback up inside.
as_user="--user --map-root-user"
namespaces="--net --pid --fork --kill-child"
# shellcheck disable=SC2086 # the options are meant to split
if user_error=$(unshare $as_user $namespaces --mount-proc ip link set lo up 2>&1); then
    exec unshare $as_user $namespaces --mount-proc sh "$0" --inside "$@"
fi
# shellcheck disable=SC2086
if root_error=$(unshare $namespaces --mount-proc ip link set lo up 2>&1); then
    exec unshare $namespaces --mount-proc sh "$0" --inside "$@"
fi
[ "$(id -u)" -eq 0 ] || root_error="needs root"

# Neither way works: say why. A chroot is a common cause: its / is not a mount
# point, so --mount-proc cannot make / private, and the kernel allows no user
# namespace inside a chroot at all.
in_chroot=
mountpoint -q / 2>/dev/null || in_chroot=yes

# Where a way works without --mount-proc, that option alone is the cause.
proc_error=
# shellcheck disable=SC2086
if unshare $as_user $namespaces ip link set lo up >/dev/null 2>&1; then
    proc_error=$user_error
elif unshare $namespaces ip link set lo up >/dev/null 2>&1; then
    proc_error=$root_error
fi
if [ -n "$proc_error" ]; then
    [ -z "$in_chroot" ] ||
        skip "unshare --mount-proc fails ($proc_error) because / is not a mount point here, as inside a chroot," \
            "so the test's process namespace cannot get a /proc of its own. Run the tests outside the chroot," \
            "or make its folder a mount point (mount --bind DIR DIR) before entering it."
    skip "unshare --mount-proc fails ($proc_error), so the test's process namespace cannot get a /proc of its own."
fi

if [ -n "$in_chroot" ]; then
    hint="/ is not a mount point here, as inside a chroot, where the kernel allows no user namespace: run the tests"
    hint="$hint outside the chroot, or as root with its folder a mount point (mount --bind DIR DIR)"
else
    hint="user namespaces may be switched off: see the sysctl settings kernel.unprivileged_userns_clone and"
    hint="$hint user.max_user_namespaces"
fi
skip "no loopback-only network and process namespace can be made here, and a node test never runs outside one." \
    "In a user namespace: $user_error. Without one: $root_error. $hint."
