#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A release made as a release manager makes one, with throwaway keys: of the
# sources as they are now, committed in a repository of their own, as a
# release is made of a commit. It holds every product and its checksums, the
# signatures verify, and guess.exe with its signature taken off is the
# unsigned program that the same sources build.
#   release.sh SOURCE_DIR CMAKE UNSIGNED_EXE WORK_DIR EXPECTED...
# EXPECTED: each file the release must hold besides its checksums, as a
# shell pattern; a pattern given N times matches N files.
source=$1 cmake=$2 unsigned=$3 work=$4
shift 4
rm -rf "$work" && mkdir -p "$work" || exit 1
# gpg's agent listens on a socket in its home, whose path must be short.
GNUPGHOME=$(mktemp -d) || exit 1
export GNUPGHOME
servers=''
trap 'kill $servers 2>/dev/null; gpgconf --kill all; rm -rf "$GNUPGHOME"' EXIT
. "$(dirname "$0")/check.sh"
quiet() { "$@" >"$work/log" 2>&1 || { cat "$work/log"; return 1; }; }

repo=$work/repo
mkdir "$repo" && (cd "$source" && git ls-files -z -co --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$repo" || exit 1
(cd "$repo" && git init -q && git add -A &&
    git -c user.name=test -c user.email=test@guess.invalid commit -q -m release) || exit 1

quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" \
    -days 2 -subj "/CN=guess test signing" -addext extendedKeyUsage=codeSigning &&
    quiet openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" \
        -out "$work/sign.pfx" -passout pass:throwaway &&
    quiet gpg --batch --passphrase '' --quick-gen-key 'guess test <test@guess.invalid>' ed25519 sign 1d ||
    exit 1

dist=$work/dist
GUESS_AUTHENTICODE_PFX=$work/sign.pfx GUESS_AUTHENTICODE_PASSWORD=throwaway \
    GUESS_GPG_KEY=test@guess.invalid "$cmake" -D DIST="$dist" -P "$repo/scripts/release.cmake" ||
    exit 1
cd "$dist" || exit 1

# Every file expected, and nothing else but the checksums and their
# signature; each Debian package of the architecture its name says.
: >"$work/expected"
printf '%s\n' "$@" | LC_ALL=C sort | uniq -c >"$work/patterns"
while read -r count pattern; do
    # shellcheck disable=SC2086 # a pattern, to be matched
    matched=$(ls -d $pattern 2>/dev/null)
    check test "$(printf '%s' "$matched" | grep -c .)" = "$count"
    printf '%s\n' "$matched" >>"$work/expected"
done <"$work/patterns"
check test "$(ls | grep -v '^SHA256SUMS' | LC_ALL=C sort)" = "$(grep . "$work/expected" | LC_ALL=C sort)"
check test -f SHA256SUMS.asc
check grep -qx "Date: $(LC_ALL=C date -u -d "@$(git -C "$repo" log -1 --format=%ct)" '+%a, %d %b %Y %H:%M:%S UTC')" \
    apt/dists/stable/Release
check test "$(wc -l <SHA256SUMS)" = $(($(find . -maxdepth 1 -type f | wc -l) - 2))
for deb in *.deb; do
    check test "$(dpkg-deb -f "$deb" Architecture)" = "$(echo "$deb" | sed 's/.*_//; s/\.deb$//')"
done
check quiet sha256sum -c SHA256SUMS
check quiet gpg --verify SHA256SUMS.asc SHA256SUMS

unzip -q -d "$work/zip" ./*-windows-*.zip && msiextract -C "$work/msi" ./*-windows-*.msi >/dev/null || exit 1

# Every download that carries code that is not ours carries its notices.
for archive in ./*-linux-*.tar.gz; do
    check sh -c 'tar -tzf "$1" | grep -q "/share/doc/guess/THIRD-PARTY-NOTICES.txt\$"' - "$archive"
done
for archive in ./*-windows-*.zip ./*-web.zip; do
    check sh -c 'unzip -Z1 "$1" | grep -q "/THIRD-PARTY-NOTICES.txt\$"' - "$archive"
done
check test "$(find "$work/msi" -name THIRD-PARTY-NOTICES.txt | wc -l)" = 1

# The program in the .zip and in the installer: signed, and the unsigned
# program once the signature is off.
verify() { quiet osslsigncode verify -CAfile "$work/cert.pem" -in "$1"; }
check verify ./*-windows-*.msi
for exe in "$work"/zip/*/guess.exe $(find "$work/msi" -name guess.exe); do
    check verify "$exe"
    check quiet osslsigncode remove-signature -in "$exe" -out "$work/stripped.exe"
    check cmp "$work/stripped.exe" "$unsigned"
    rm -f "$work/stripped.exe"
done

# The Debian repository, served as a static web server serves it, through
# apt as a player's machine uses it, but with a state and settings of its
# own that trust the release's key alone: it offers the release's version
# for this machine, and fetches the very package released. An index
# changed after signing, or a repository signed by another key, is refused.
serve() {  # serve DIR: on 127.0.0.1 until the script ends; sets `address`
    rm -f "$work/port"
    python3 -c 'import functools, http.server, os, sys
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=sys.argv[1]))
with open(sys.argv[2] + ".part", "w") as port:
    port.write(str(server.server_port))
os.replace(sys.argv[2] + ".part", sys.argv[2])
server.serve_forever()' "$1" "$work/port" &
    servers="$servers $!"
    tries=100
    until [ -s "$work/port" ]; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || { echo "FAILED: no server for $1"; exit 1; }
        sleep 0.1
    done
    address=http://127.0.0.1:$(cat "$work/port")/
}
apt_for() {  # apt_for NAME: a state and settings of NAME's own, for the repository at $address
    dir=$work/apt-$1
    rm -rf "$dir" && mkdir -p "$dir/etc/apt.conf.d" "$dir/etc/preferences.d" "$dir/etc/sources.list.d" \
        "$dir/etc/trusted.gpg.d" "$dir/state/lists/partial" "$dir/cache/archives/partial" || exit 1
    : >"$dir/status"
    for setting in "Dir::Etc $dir/etc" "Dir::State $dir/state" "Dir::State::status $dir/status" \
        "Dir::Cache $dir/cache" "APT::Sandbox::User root"; do
        echo "${setting% *} \"${setting#* }\";"
    done >"$dir/apt.conf"
    echo "deb [signed-by=$dist/guess-archive-keyring.gpg] $address stable main" >"$dir/etc/sources.list"
}
apt_in() {  # apt_in NAME COMMAND...
    name=$1
    shift
    env APT_CONFIG="$work/apt-$name/apt.conf" "$@"
}
refused() { ! "$@" >"$work/log" 2>&1; }

serve "$dist/apt"
apt_for release
check quiet apt_in release apt-get update
native=$(ls ./*_"$(dpkg --print-architecture)".deb)
check test "$(apt_in release apt-cache policy guess | sed -n 's/^ *Candidate: //p')" = "$(dpkg-deb -f "$native" Version)"
mkdir "$work/downloaded" && (cd "$work/downloaded" && quiet apt_in release apt-get download guess)
check cmp "$work/downloaded/$native" "$native"

cp -R "$dist/apt" "$work/changed" && index=$(find "$work/changed" -name Packages | head -n 1) &&
    sed -i 's/^Description: .*/Description: something else/' "$index" && gzip -9n -c "$index" >"$index.gz" || exit 1
serve "$work/changed"
apt_for changed
check refused apt_in changed apt-get update

quiet gpg --batch --passphrase '' --quick-gen-key 'other <other@guess.invalid>' ed25519 sign 1d &&
    cp -R "$dist/apt" "$work/other" && rm "$work/other/dists/stable/Release.gpg" &&
    quiet gpg --batch --yes --local-user other@guess.invalid --clearsign \
        --output "$work/other/dists/stable/InRelease" "$work/other/dists/stable/Release" || exit 1
serve "$work/other"
apt_for other
check refused apt_in other apt-get update
exit $fail
