#!/bin/sh
# Prepares this machine to run the win32 test programs under 32-bit Wine, from Debian packages.
# Idempotent; run as root. Prints one line naming the route it set up:
#   native - the kernel runs 32-bit x86 programs itself (Wine as packaged is enough);
#   qemu   - it does not, so the 32-bit Unix side of Wine runs under qemu-i386 (user mode) through
#            binfmt_misc. Debian 12's qemu 7.2 is not usable for this: it ignores MAP_FIXED_NOREPLACE,
#            and Wine's address-space reservation then takes more than a minute per process. The
#            qemu-user of bookworm-backports (10.x) handles it; that is what gets installed.
# --check: install and register nothing; print the route and exit 1 when the machine is not ready.
set -eu

check_only=
[ "${1:-}" = "--check" ] && check_only=1

QEMU=/usr/bin/qemu-i386           # from qemu-user (bookworm-backports)
QEMU_MIN_MAJOR=8
BINFMT=/proc/sys/fs/binfmt_misc
BINFMT_NAME=qemu-i386
BACKPORTS_LIST=/etc/apt/sources.list.d/bookworm-backports.sources
# ELF header of an i386 executable (ET_EXEC or ET_DYN), as registered by Debian's qemu-user-binfmt.
BINFMT_MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
BINFMT_MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

die() { echo "setup-wine: $*" >&2; exit 1; }
say() { echo "setup-wine: $*" >&2; }

missing_packages() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

apt_updated=
apt_install() {   # apt_install [-t release] packages...
    [ -z "$check_only" ] || die "not ready: missing packages: $*"
    [ "$(id -u)" = 0 ] || die "must run as root to install: $*"
    if [ -z "$apt_updated" ]; then
        apt-get update -qq >/dev/null
        apt_updated=1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# 1. Wine with its 32-bit loader, and the X server the fixture starts.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ -z "$check_only" ] || die "not ready: i386 is not a dpkg architecture"
    dpkg --add-architecture i386
    apt_updated=
fi
need=$(missing_packages wine wine32:i386 xvfb)
[ -z "$need" ] || apt_install $need

# 2. Can the kernel start a 32-bit program itself? Start one (a throwaway wineserver) and see
#    which binary the kernel runs for it: the program itself, or an interpreter.
probe_native() {
    dir=$(mktemp -d)
    WINEPREFIX=$dir /usr/lib/wine/wineserver32 -f -p >/dev/null 2>&1 &
    pid=$!
    exe=
    i=0
    while [ $i -lt 50 ]; do
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
        [ -n "$exe" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
        i=$((i + 1))
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$dir"
    [ "$exe" = /usr/lib/wine/wineserver32 ]
}

binfmt_entry_ok() {
    [ -f "$BINFMT/$BINFMT_NAME" ] || return 1
    grep -qx enabled "$BINFMT/$BINFMT_NAME" || return 1
    grep -qx "interpreter $QEMU" "$BINFMT/$BINFMT_NAME" || return 1
    grep -q '^flags: .*F' "$BINFMT/$BINFMT_NAME"
}

qemu_ok() {
    [ -x "$QEMU" ] || return 1
    major=$("$QEMU" --version | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
    [ -n "$major" ] && [ "$major" -ge "$QEMU_MIN_MAJOR" ]
}

if probe_native; then
    echo "setup-wine: route native: the kernel runs 32-bit Wine itself"
    exit 0
fi

# 3. qemu route: qemu-user >= 8 from bookworm-backports.
if ! qemu_ok; then
    if [ ! -f "$BACKPORTS_LIST" ] && ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        [ -z "$check_only" ] || die "not ready: no $QEMU of version >= $QEMU_MIN_MAJOR (bookworm-backports not configured)"
        cat >"$BACKPORTS_LIST" <<'EOF'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        apt_updated=
    fi
    # qemu-user 10 breaks Debian 12's qemu-user-static, so that one comes from backports too.
    extra=
    [ -z "$(missing_packages qemu-user-static)" ] && extra=qemu-user-static
    apt_install -t bookworm-backports qemu-user $extra
    qemu_ok || die "$QEMU is still missing or older than $QEMU_MIN_MAJOR"
fi

# 4. binfmt_misc: 32-bit x86 programs go to that qemu. F: the kernel opens the interpreter now,
#    so it also works inside other mount namespaces.
if ! binfmt_entry_ok; then
    [ -z "$check_only" ] || die "not ready: binfmt_misc entry $BINFMT_NAME does not use $QEMU"
    [ -f "$BINFMT/register" ] || mount -t binfmt_misc binfmt_misc "$BINFMT"
    [ -f "$BINFMT/$BINFMT_NAME" ] && echo -1 >"$BINFMT/$BINFMT_NAME"
    printf '%s' ":$BINFMT_NAME:M::$BINFMT_MAGIC:$BINFMT_MASK:$QEMU:F" >"$BINFMT/register"
    binfmt_entry_ok || die "could not register $QEMU with binfmt_misc"
fi
/usr/lib/wine/wine --version >/dev/null 2>&1 || die "the 32-bit Wine loader does not start under $QEMU"
echo "setup-wine: route qemu: 32-bit Wine runs under $("$QEMU" --version | head -n1) via binfmt_misc"
