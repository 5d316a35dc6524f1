# Clean Debian chroots of each release the game supports, made with
# mmdebstrap when missing and kept between runs. Sourced after lib.sh, not
# run; needs root (or sudo).
#
#   chroot_tarball SUITE   the path of SUITE's build chroot, a tarball of
#                          the buildd variant: sbuild unpacks it for each
#                          build and autopkgtest for each test run, so both
#                          always start clean
#   chroot_tree SUITE      the path of SUITE's test tree, the same system
#                          unpacked into a folder that keeps what apt
#                          installs into it, for running the test suite
#   in_chroot_tree SUITE COMMAND...
#                          runs COMMAND as root in SUITE's test tree, in
#                          mount and PID namespaces of its own: /proc, /dev,
#                          /sys and a fresh /tmp and /dev/shm are mounted for
#                          it alone, and everything it started ends with it

supported_suites=(bookworm trixie)
chroot_dir=${KORUBEL_CHROOT_DIR:-/var/cache/korubel-oyunu/chroots}
debian_mirror=${KORUBEL_MIRROR:-http://deb.debian.org/debian}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_chroot_tools() {
    ensure_packages mmdebstrap sbuild autopkgtest uidmap util-linux
    ensure_subordinate_ids
}

# sbuild's unshare mode and autopkgtest-virt-unshare run a chroot in a user
# namespace of the calling user, whose users they map onto that user's
# subordinate ids (/etc/subuid, /etc/subgid). Accounts made by useradd get
# a range; root, on a fresh Debian, has none, and both tools then refuse to
# start. Gives the calling user 65536 ids past every range already handed
# out, for whichever of the two files lacks one.
ensure_subordinate_ids() {
    local user kind file first
    user=$(id -un)
    for kind in uid gid; do
        file=/etc/sub$kind
        grep -q "^$user:" "$file" 2>/dev/null && continue
        first=$(awk -F: '$2 + $3 > end { end = $2 + $3 } END { print (end > 100000 ? end : 100000) }' "$file" 2>/dev/null || echo 100000)
        echo "Giving $user the subordinate ${kind}s $first-$((first + 65535))" >&2
        as_root usermod "--add-sub${kind}s" "$first-$((first + 65535))" "$user"
    done
}

# The suite of the running system (bookworm, trixie, ...).
host_suite() {
    . /etc/os-release
    echo "${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}"
}

chroot_tarball() {
    local suite=$1 tarball=$chroot_dir/$1-amd64.tar
    if [ ! -s "$tarball" ]; then
        echo "Making the $suite build chroot $tarball" >&2
        as_root mkdir -p "$chroot_dir"
        # Written under a temporary name, so an interrupted run leaves
        # nothing that looks finished.
        as_root mmdebstrap --quiet --variant=buildd --mode=root --format=tar \
            "$suite" "$tarball.part" "$debian_mirror" >&2
        as_root mv "$tarball.part" "$tarball"
    fi
    echo "$tarball"
}

chroot_tree() {
    local suite=$1 tree=$chroot_dir/$1-tests
    if [ ! -e "$tree/.complete" ]; then
        local tarball
        tarball=$(chroot_tarball "$suite")
        echo "Unpacking the $suite test tree $tree" >&2
        as_root rm -rf "$tree"
        as_root mkdir -p "$tree"
        as_root tar -C "$tree" -xf "$tarball"
        as_root touch "$tree/.complete"
    fi
    echo "$tree"
}

in_chroot_tree() {
    local tree
    tree=$(chroot_tree "$1")
    shift
    as_root cp /etc/resolv.conf "$tree/etc/resolv.conf"
    # The namespace's first process mounts and then becomes the command;
    # when the command ends, the kernel ends whatever it left running and
    # the mounts go with the namespace.
    as_root unshare --mount --pid --fork --kill-child -- /bin/sh -euc '
        tree=$1; shift
        mount --make-rprivate /
        mount -t proc proc "$tree/proc"
        mount --rbind /sys "$tree/sys"
        mount --rbind /dev "$tree/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$tree/dev/shm"
        mount -t tmpfs -o mode=1777 tmpfs "$tree/tmp"
        exec chroot "$tree" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            CI="${CI:-}" "$@"
    ' sh "$tree" "$@"
}
