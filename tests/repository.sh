# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT
# shellcheck shell=sh disable=SC2034 # what it sets is the sourcing script's

# Sourced by the tests of a release's repositories and site, once they
# have their arguments: the release, `dist`, of `version` (the newest of the
# site), with its commit's `time`, its `sources`, the version after its own,
# `next`, and this machine's packages in it; and, where given, `history`
# (tests/history.sh, which sources it too), whose next/ is the site that the
# next release publishes over it, with `key`, the tests' key that signs
# that one; a folder of their own, `work`, with a keyring of their own
# (GNUPGHOME), which go at the end (finish) with every server they started;
# and what they do with them:
#   make_key NAME               an OpenPGP key of the tests', NAME@guess.invalid
#   sign_as_other FILE OUTPUT HOW...  FILE signed by another key than the
#                               release's, as gpg's options HOW say
#   serve DIR                   serves DIR as a static web server does, on
#                               127.0.0.1, and sets `address` to its URL
#   upload SITE DIR             puts SITE onto DIR, which may be served, as
#                               a release is published (scripts/upload.sh)
#   plays COMMAND...            a game of the program it runs, through a pipe,
#                               is won by 5
#   says TEXT                   the output kept in `said` holds TEXT, in
#                               whichever lines it was folded
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
servers=''
export GNUPGHOME="$work/gnupg"
finish() { [ -z "$servers" ] || kill $servers 2>/dev/null; gpgconf --kill all; rm -rf "$work"; }
trap finish EXIT
scripts=$(cd "$(dirname "$0")/../scripts" && pwd)
mkdir -m 700 "$GNUPGHOME" || fatal "no keyring folder"
version=$(cd "${dist:?}" && ls ./*.spdx | sed 's|^\./guess-\(.*\)\.spdx$|\1|' | sort -V | tail -n 1)
sources=$dist/guess-$version.tar.gz
time=$(tar -xzOf "$sources" --wildcards '*/packaging/commit-time') || fatal "the release holds no sources"
next=$(echo "$version" | awk -F. '{ print $1 "." $2 "." $3 + 1 }')
key=${history:-}/key.gpg

make_key() {
    gpg --list-secret-keys "$1@guess.invalid" >/dev/null 2>&1 ||
        quiet gpg --batch --passphrase '' --quick-gen-key "$1 <$1@guess.invalid>" ed25519 sign never ||
        fatal "no key $1@guess.invalid"
}
sign_as_other() {
    make_key other
    file=$1 output=$2
    shift 2
    quiet gpg --batch --yes --local-user other@guess.invalid "$@" --output "$output" "$file" ||
        fatal "$file could not be signed by another key"
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
    address=http://127.0.0.1:$(cat "$work/port")/
}
upload() { quiet sh "$scripts/upload.sh" "$@" || fatal "$1 could not be uploaded onto $2"; }
plays() { [ "$(printf '5\n' | "$@")" = "Enter number from 0 to 9 just here to zembrate : That's your victory!" ]; }
says() { case $(printf '%s' "$said" | tr -s '\n ' '  ') in *"$1"*) ;; *) printf '%s\n' "$said"; return 1 ;; esac; }
