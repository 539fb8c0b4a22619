#!/usr/bin/env bash
# Signs a release with throwaway keys made here and checks what users and
# rebuilders meet. The reproducible test's two builds serve: the first is
# signed with the key in a SoftHSM2 token (PKCS#11, as real code-signing keys
# live), the published signatures are attached to the second, and both must
# then hold the very same files. Also: every program verifies, the uninstaller
# the installer writes included; one flipped byte fails; SHA256SUMS.asc
# verifies and fails for a changed line; a signed release is not signed again,
# and a signing that fails half-way leaves the release unsigned as it was;
# apt installs from the signed repository (tests/release/apt-test.sh);
# the winget manifest names the signed installer, and installing it under Wine
# as winget does, for each scope, writes the entry the manifest names; the
# signed installer passes the installer test under Wine; a key file (PKCS#12)
# signs too; every digest is SHA-256, Authenticode's and OpenPGP's; a
# signature whose certificate does not chain to MORVELIN_SIGN_CAFILE is
# refused, and so is a release whose morvelin.exe the rebuild does not give.
#
#   tests/release/signing-test.sh [OUT_DIR]   (default build/reproducible,
#                                             with the releases 1 and 2)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build/reproducible}
[ -f "$out/1/SHA256SUMS" ] && [ -f "$out/2/SHA256SUMS" ] ||
    { echo "signing-test: no releases in $out (tests/release/reproducible-test.sh makes them)"; exit 1; }
work=$(mktemp -d)
trap 'gpgconf --kill all 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
passed=0 failed=0
check() { if "$@"; then echo "ok: $*"; passed=$((passed + 1)); else echo "FAIL: $*"; failed=$((failed + 1)); fi; }
fails() { ! "$@"; }
verifies() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >/dev/null 2>&1; }
# The digests of the file and of the signature are SHA-256, and nothing else.
sha256_only() {
    local said
    said=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$1" 2>&1) || return 1
    [ "$(sed -n 's/^.*Message digest algorithm *: *//p' <<<"$said" | sort | uniq -c | tr -s ' ')" = " 2 SHA256" ]
}
gpg_sha256() { # digest algorithm 8 is SHA-256 (RFC 4880)
    local packets
    packets=$(gpg --list-packets "$1" 2>/dev/null) || return 1
    [[ $packets == *"digest algo 8,"* ]]
}
refuses() { # WORDS COMMAND...: it fails, saying WORDS; otherwise shows what it said
    ! "${@:2}" >"$work/refusal" 2>&1 && grep -qF "$1" "$work/refusal" || { cat "$work/refusal"; return 1; }
}

# A self-signed code-signing certificate; its key in a token and in a file.
openssl req -x509 -newkey rsa:3072 -nodes -keyout key.pem -out cert.pem -days 2 -subj "/CN=Morvelin test" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature 2>/dev/null
openssl pkcs12 -export -in cert.pem -inkey key.pem -out key.p12 -passout pass:test
openssl pkcs8 -topk8 -nocrypt -in key.pem -out key.p8
mkdir tokens gnupg && chmod 700 gnupg
printf 'directories.tokendir = %s\n' "$work/tokens" >softhsm.conf
export SOFTHSM2_CONF=$work/softhsm.conf GNUPGHOME=$work/gnupg
softhsm2-util --init-token --free --label morvelin --pin 1234 --so-pin 12345678 >/dev/null
softhsm2-util --import key.p8 --token morvelin --label sign --id 01 --pin 1234 >/dev/null
gpg --batch --passphrase '' --quick-gen-key 'Morvelin test <test@morvelin.invalid>' rsa3072 sign 1d 2>/dev/null
export MORVELIN_SIGN_GPG_KEY=test@morvelin.invalid MORVELIN_SIGN_CAFILE=$work/cert.pem

signed=$out/1
installer=$(basename "$signed"/morvelin-*-win64.exe)
token=(MORVELIN_SIGN_PKCS11_MODULE="$(find /usr/lib -name libsofthsm2.so -print -quit)"
    MORVELIN_SIGN_PKCS11_KEY='pkcs11:token=morvelin;object=sign;type=private'
    MORVELIN_SIGN_PKCS11_CERT="$work/cert.pem" MORVELIN_SIGN_PASSWORD=1234)
# An OpenPGP key that expired in 2020 fails once the programs are signed: the
# release is left as it was, and signed below.
gpg --batch --passphrase '' --faked-system-time 20200101T000000 --quick-gen-key 'Expired <old@morvelin.invalid>' rsa3072 sign 1d 2>/dev/null
check refuses "could not sign" env "${token[@]}" MORVELIN_SIGN_GPG_KEY=old@morvelin.invalid "$root/scripts/sign" "$signed"
check sh -c "cd '$signed' && sha256sum --check --quiet SHA256SUMS && [ ! -e signatures ] && [ ! -e SHA256SUMS.asc ]"
env "${token[@]}" "$root/scripts/sign" "$signed"
unzip -p "$signed"/morvelin-*-win64.zip morvelin.exe >morvelin.exe
check verifies morvelin.exe
check verifies "$signed/$installer"
check sha256_only morvelin.exe
check sha256_only "$signed/$installer"
check gpg_sha256 "$signed/SHA256SUMS.asc"
cp "$signed/$installer" flipped.exe
middle=$(($(stat -c %s flipped.exe) / 2))
byte=$(od -An -tu1 -j "$middle" -N1 flipped.exe)
# shellcheck disable=SC2059 # the octal escape is the format
printf "\\$(printf %o $((255 - byte)))" | dd of=flipped.exe bs=1 seek="$middle" conv=notrunc 2>/dev/null
check fails verifies flipped.exe
check fails "$root/scripts/sign" "$signed"
check sh -c "cd '$signed' && sha256sum --check --quiet SHA256SUMS"
check gpg --verify "$signed/SHA256SUMS.asc" "$signed/SHA256SUMS"
# Every hex digit of the zip's checksum shifted: a forged line.
sed '2y/0123456789abcdef/123456789abcdef0/' "$signed/SHA256SUMS" >SHA256SUMS
check fails gpg --verify "$signed/SHA256SUMS.asc" SHA256SUMS
check /usr/bin/python3 "$root/tests/release/winget-test.py" "$signed"
check "$root/tests/windows/winget-install-test.sh" "$signed"
check "$root/tests/release/apt-test.sh" "$signed"

# The key file path, on one program.
unzip -p "$out/2"/morvelin-*-win64.zip morvelin.exe >file-signed.exe
check env MORVELIN_SIGN_PKCS12=key.p12 MORVELIN_SIGN_PASSWORD=test "$root/scripts/sign-pe" file-signed.exe --save p12.pem
check verifies file-signed.exe

# A signature from a certificate that does not chain to MORVELIN_SIGN_CAFILE.
openssl req -x509 -newkey rsa:3072 -nodes -keyout other-key.pem -out other.pem -days 2 \
    -subj "/CN=Someone else" -addext extendedKeyUsage=codeSigning 2>/dev/null
unzip -p "$out/2"/morvelin-*-win64.zip morvelin.exe >unsigned.exe
check refuses "do not chain to other.pem" env MORVELIN_SIGN_CAFILE=other.pem "$root/scripts/sign-pe" unsigned.exe \
    --attach "$signed/signatures/morvelin.exe.pem"

# A release whose zip holds another morvelin.exe than its source builds (one
# byte changed), its checksum line made to fit.
cp -r "$out/2" tampered
/usr/bin/python3 - tampered/morvelin-*-win64.zip <<'PY'
import sys
import zipfile
with zipfile.ZipFile(sys.argv[1]) as old:
    members = [(info, old.read(info)) for info in old.infolist()]
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as new:
    for info, data in members:
        if info.filename == "morvelin.exe":
            data = data[:4096] + bytes([data[4096] ^ 1]) + data[4097:]
        new.writestr(info, data)
PY
(cd tampered && sed -i "s/^[0-9a-f]*  \(morvelin-.*-win64.zip\)$/$(sha256sum morvelin-*-win64.zip | cut -d' ' -f1)  \1/" SHA256SUMS)
check refuses "is not the one in" "$root/scripts/sign" tampered

# Anyone's build with the published signatures attached: the very same files.
check "$root/scripts/sign" --attach "$signed/signatures" "$out/2"
check diff -r "$signed" "$out/2"

check "$root/tests/windows/wine-run.sh" --fresh "$work/wine" "$root/tests/windows/installer-test.sh" "$signed/$installer"
echo "signing-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
