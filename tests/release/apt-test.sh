#!/usr/bin/env bash
# Morvelin through apt, as a person gets it. Both packages are lintian-clean
# (lintian also tells a program built for the wrong architecture). In a clean
# root of this machine's Debian release the repository's keyring and
# morvelin.sources are added as the README says, the repository is served over
# HTTP from 127.0.0.1, apt-get installs Morvelin and it runs; a newer version
# the publisher adds to the repository (scripts/apt-repo --from) comes with
# apt-get upgrade, and the earlier one stays in it. apt refuses the repository
# when another key signed it and when its Packages changed after signing, and
# stays on what it has. The arm64 package installs and runs in an arm64 root
# (qemu-user-static). The roots are scripts/debian-root's, their changes kept
# in build/apt-test.
#
#   tests/release/apt-test.sh DIST   DIST: a signed release; GNUPGHOME and
#                                    MORVELIN_SIGN_GPG_KEY: the key that signed it
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(cd "$1" && pwd)
work=$root/build/apt-test
rm -rf "$work"
mkdir -p "$work"
cd "$work"
keyring=morvelin-archive-keyring.gpg
version=$(dpkg-deb -f "$dist"/morvelin_*_amd64.deb Version)
passed=0 failed=0
check() { if "$@"; then echo "ok: $*"; passed=$((passed + 1)); else echo "FAIL: $*"; failed=$((failed + 1)); fi; }
fails() { ! "$@"; }

# The repository as served: over HTTP from 127.0.0.1, so that apt keeps its
# own copy of the indices, as from the publisher's site (from a file: URI it
# would read them in place, and a refused update would still see new ones).
cp -r "$dist/apt" repo
exec 3< <(exec python3 -u -m http.server --bind 127.0.0.1 --directory "$work/repo" 0 2>server.log)
server=$!
trap 'kill "$server"; GNUPGHOME="$work/other-gnupg" gpgconf --kill all 2>/dev/null' EXIT
read -r _ _ _ _ _ port _ <&3 # Serving HTTP on 127.0.0.1 port PORT (...) ...
sed "s|^URIs: .*|URIs: http://127.0.0.1:$port/|" "$dist/morvelin.sources" >morvelin.sources
in_root() { # ARCH COMMAND...: as root in the clean root of ARCH
    local arch=$1
    shift
    "$root/scripts/debian-root" --arch "$arch" --overlay "$work/root-$arch" --as-root --bind "$work" "$@"
}
apt_get() { # ARCH ARG...: apt-get in that root, its output in apt.log
    in_root "$1" env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o Acquire::http::Proxy::127.0.0.1=DIRECT \
        "${@:2}" >apt.log 2>&1 || { cat apt.log; return 1; }
}
refused() { # ARCH WORDS: apt-get update refuses the repository, saying WORDS
    # (for a repository it knows apt only warns and keeps what it had; the
    # rows after it check that nothing newer came)
    apt_get "$1" update >/dev/null || true
    grep -qF "$2" apt.log || { cat apt.log; return 1; }
}
installed() { # ARCH VERSION: the version of Morvelin installed
    [ "$(in_root "$1" dpkg-query -W -f='${Version}' morvelin)" = "$2" ]
}
runs() { # ARCH: morvelin --version names the version installed
    [ "$(in_root "$1" morvelin --version)" = "morvelin $version" ]
}
lintian_clean() { # DEB: lintian has no error or warning for it
    local complaints
    complaints=$(lintian "$1" 2>&1 || true)
    ! grep -qE '^[EW]: ' <<<"$complaints" || { echo "$complaints"; return 1; }
}
add_repository() { # ARCH: the README's steps, with the two files at hand
    in_root "$1" sh -c "install -d -m 0755 /etc/apt/keyrings &&
        install -m 0644 '$dist/$keyring' /etc/apt/keyrings/ &&
        install -m 0644 '$work/morvelin.sources' /etc/apt/sources.list.d/"
}
# A repository holding a newer version, VERSION, of the amd64 package, beside
# what repo held; signed by the key in GNUPGHOME.
publish() { # VERSION NAME
    rm -rf deb "$2"
    dpkg-deb -R "$dist"/morvelin_*_amd64.deb deb
    sed -i "s/^Version: .*/Version: $1/" deb/DEBIAN/control
    dpkg-deb --root-owner-group -b deb "morvelin_$1_amd64.deb" >/dev/null
    SOURCE_DATE_EPOCH=$(date +%s) "$root/scripts/apt-repo" --from repo "$2" "morvelin_$1_amd64.deb"
    gpg --batch --yes --local-user "$MORVELIN_SIGN_GPG_KEY" --clearsign \
        --output "$2/dists/stable/InRelease" "$2/dists/stable/Release"
}

# Both packages as the release built them, each for its own architecture.
for deb in "$dist"/morvelin_*.deb; do check lintian_clean "$deb"; done
check add_repository amd64
check apt_get amd64 update
check apt_get amd64 install morvelin
check installed amd64 "$version"
check runs amd64
# The Recommends: a Wayland session gets a native window.
check in_root amd64 dpkg-query -W qt6-wayland

newer=$version+1
publish "$newer" newer
rm -rf repo && mv newer repo
check apt_get amd64 update
check apt_get amd64 upgrade
check installed amd64 "$newer"
# The earlier version stays in the repository; a version once published is
# never changed: the same file name with other bytes is refused.
offered=$(in_root amd64 apt-cache madison morvelin) || true
check grep -qF " $version |" <<<"$offered"
mkdir other && cp "$dist"/morvelin_*_arm64.deb "other/morvelin_${newer}_amd64.deb"
check fails env SOURCE_DATE_EPOCH=0 "$root/scripts/apt-repo" --from repo again "other/morvelin_${newer}_amd64.deb"

# Newer still, but signed by someone else's key: refused.
mkdir -m 700 other-gnupg
GNUPGHOME=$work/other-gnupg gpg --batch --passphrase '' --quick-gen-key 'Someone else' rsa3072 sign 1d 2>/dev/null
GNUPGHOME=$work/other-gnupg MORVELIN_SIGN_GPG_KEY='Someone else' publish "$version+2" forged
cp -r repo signed && rm -rf repo && mv forged repo
# apt names the key it lacks: gpgv (Debian 12) by its long key ID, sqv
# (Debian 13) by its fingerprint, which ends in that ID.
other_key=$(GNUPGHOME=$work/other-gnupg gpg --with-colons --list-keys 'Someone else' | awk -F: '$1 == "fpr" { print substr($10, 25); exit }')
check refused amd64 "$other_key"
check apt_get amd64 upgrade
check installed amd64 "$newer"

# Signed by the right key, then a Packages changed: the digits of the first
# Installed-Size shifted, in both forms apt may fetch.
rm -rf repo && mv signed repo
publish "$version+2" changed
index=changed/dists/stable/main/binary-amd64/Packages
sed -i '0,/^Installed-Size: /{/^Installed-Size: /y/0123456789/1234567890/}' "$index"
gzip -9n <"$index" >"$index.gz"
check fails cmp -s repo/dists/stable/main/binary-amd64/Packages changed/dists/stable/main/binary-amd64/Packages
rm -rf repo && mv changed repo
# apt names the changed index by its size or by its hash, and lists the
# hashes Release promised either way.
check refused amd64 "Hashes of expected file"
check apt_get amd64 upgrade
check installed amd64 "$newer"

# arm64: the same steps, on the unchanged repository.
rm -rf repo && cp -r "$dist/apt" repo
check add_repository arm64
check apt_get arm64 update
check apt_get arm64 install morvelin
check installed arm64 "$version"
check [ "$(in_root arm64 dpkg-query -W -f='${Architecture}' morvelin)" = arm64 ]
check runs arm64

echo "apt-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
