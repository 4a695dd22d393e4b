# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT
# shellcheck shell=sh

# Sourced by the tests of a release's repositories, once they have their
# arguments: the release, `dist`, with its commit's `time`, the version
# after its own, `next`, and this machine's packages in it; a folder of
# their own, `work`, with a keyring of their own (GNUPGHOME), which go at
# the end (finish) with every server they started; and what they do with
# them:
#   make_key NAME               an OpenPGP key of the tests', NAME@guess.invalid
#   next_version deb|rpm|pacman this machine's package of the release made
#                               the next version's, of the same files, by
#                               scripts/pack.sh, and its repository, in
#                               $work/next-dist, signed with a key of the
#                               tests' own (next@)
#   sign_as_other FILE OUTPUT HOW...  FILE signed by another key than the
#                               release's, as gpg's options HOW say
#   serve DIR                   serves DIR as a static web server does, on
#                               127.0.0.1, and sets `address` to its URL
#   plays COMMAND...            a game of the program it runs, through a pipe,
#                               is won by 5
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
servers=''
export GNUPGHOME="$work/gnupg"
finish() { [ -z "$servers" ] || kill $servers 2>/dev/null; gpgconf --kill all; rm -rf "$work"; }
trap finish EXIT
scripts=$(cd "$(dirname "$0")/../scripts" && pwd)
mkdir -m 700 "$GNUPGHOME" || fatal "no keyring folder"
sources=$(ls "${dist:?}"/*.spdx) && sources=${sources%.spdx}.tar.gz || fatal "the release holds no SBOM to find its sources by"
time=$(tar -xzOf "$sources" --wildcards '*/packaging/commit-time') || fatal "the sources hold no commit time"
next=$(basename "$sources" .tar.gz | awk -F. '{ print substr($1, 7) "." $2 "." $3 + 1 }')

make_key() {
    gpg --list-secret-keys "$1@guess.invalid" >/dev/null 2>&1 ||
        quiet gpg --batch --passphrase '' --quick-gen-key "$1 <$1@guess.invalid>" ed25519 sign never || fatal "no key $1@guess.invalid"
}
next_version() {
    make_key next
    arch=$(uname -m) tree=$work/next-tree
    rm -rf "$tree" && mkdir -p "$tree" "$work/next-dist" || fatal "no folders for the next version"
    case $1 in
    # Its changelog's newest entry is the next version's, as dpkg-gencontrol
    # takes it from there.
    deb) shipped=$(ls "$dist"/*_"$(dpkg --print-architecture)".deb) && dpkg-deb -x "$shipped" "$tree" &&
        sed -e 's/^@GUESS_DEBIAN_DESCRIPTION@$/ next/' -e 's/@[A-Z_]*@/next/' \
            "$scripts/../packaging/debian/control.in" >"$work/next.control" &&
        { printf 'guess (%s) unstable; urgency=medium\n\n  * Next.\n\n -- next <next@guess.invalid>  %s\n\n' \
            "$next" "$(date -R -d "@$time")" && cat "$scripts/../packaging/debian/changelog"; } >"$work/next.changelog" &&
        architecture=$(dpkg-deb -f "$shipped" Architecture) &&
        maker=apt && set -- deb "guess_${next}_$architecture.deb" "$architecture" "$work/next.control" "$work/next.changelog" ;;
    # Of the same vendor, which zypper updates only from.
    rpm) shipped=$(ls "$dist"/*"$arch.rpm") && bsdtar -xf "$shipped" -C "$tree" &&
        sed -e "s/@PROJECT_VERSION@/$next/" -e 's/@GUESS_RPM_CHANGELOG@//' \
            -e "s/@GUESS_VENDOR@/$(rpm -qp --qf '%{VENDOR}' "$shipped" 2>/dev/null)/" -e 's/@[A-Z_]*@/next/' \
            "$scripts/../packaging/rpm/rpmbuild.in" >"$work/next.rpmbuild" &&
        maker=rpm && set -- rpm "guess-$next-1.$arch.rpm" "$arch" "$work/next.rpmbuild" ;;
    *) shipped=$(ls "$dist"/*"$arch.pkg.tar.zst") && bsdtar -xf "$shipped" -C "$tree" &&
        sed -e "s/^pkgver = .*/pkgver = $next-1/" -e '/^size = /d' "$tree/.PKGINFO" >"$work/next.PKGINFO" &&
        rm "$tree/.PKGINFO" "$tree/.MTREE" &&
        maker=pacman && set -- pacman "guess-$next-1-$arch.pkg.tar.zst" "$work/next.PKGINFO" ;;
    esac || fatal "the next version's $1 package could not be made"
    format=$1 name=$2
    shift 2
    export SOURCE_DATE_EPOCH=$((time + 1)) GUESS_GPG_KEY=next@guess.invalid
    quiet bash "$scripts/pack.sh" "$format" "$tree" "$work/next-dist/$name" "$@" &&
        quiet cmake -D DIST="$work/next-dist" -D VERSION="$next" -P "$scripts/make-$maker-repository.cmake" || fatal "the next version's $1 package or repository could not be made"
    unset SOURCE_DATE_EPOCH GUESS_GPG_KEY
}
sign_as_other() {
    make_key other
    file=$1 output=$2
    shift 2
    quiet gpg --batch --yes --local-user other@guess.invalid "$@" --output "$output" "$file" || fatal "$file could not be signed by another key"
}
serve() {
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
    # shellcheck disable=SC2034 # for the sourcing script
    address=http://127.0.0.1:$(cat "$work/port")/
}
plays() { [ "$(printf '5\n' | "$@")" = "Enter number from 0 to 9 just here to zembrate : That's your victory!" ]; }
