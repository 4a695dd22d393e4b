# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Sourced by the tests of a release's repositories, once they have their
# arguments: the release that tests/release.sh made, `release` (RELEASE_DIR,
# with dist/ and keys/), whose files they read as `dist` and whose keys sign
# what they make (tests/keys.sh); a folder of their own, `work`, which goes
# at the end with every server they started; and what they do with them:
#   make_next GENERATOR            the packages of the next version, `next`,
#                                  made by GENERATOR from the build for this
#                                  machine (`cpack`, `native`), and their
#                                  repository (`cmake`, `script` and
#                                  `settings`, from the arguments), in
#                                  $work/next-dist
#   sign_as_other FILE OUTPUT HOW...  FILE signed by another key than the
#                                  release's, as gpg's options HOW say
#   serve DIR                      serves DIR as a static web server does, on
#                                  127.0.0.1, and sets `address` to its URL
#   plays PROGRAM                  a game of it, through a pipe, is won by 5
#   signed FILE SIGNATURE          SIGNATURE of FILE verifies with the key the
#                                  release publishes, `keyring`
work=$(mktemp -d) || exit 1
servers=''
trap '[ -z "$servers" ] || kill $servers 2>/dev/null; drop_keys; rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"
. "$(dirname "$0")/keys.sh"
use_keys "$release/keys" || exit 1
dist=$release/dist keyring=$release/dist/guess-archive-keyring.gpg

make_next() {
    (cd "$work" && GUESS_PACKAGES="$work/next-packages" "$cpack" --config "$native/CPackConfig.cmake" -G "$1" \
        -D CPACK_PACKAGE_VERSION="$next" -B "$work/next" >/dev/null) || exit 1
    mkdir -p "$work/next-dist" && xargs cp -t "$work/next-dist" <"$work/next-packages" || exit 1
    quiet "$cmake" -D GUESS_SETTINGS="$settings" -D PACKAGES="$work/next-packages" -D DIST="$work/next-dist" \
        -P "$script" || exit 1
}
sign_as_other() {
    gpg --list-secret-keys other@guess.invalid >/dev/null 2>&1 ||
        quiet gpg --batch --passphrase '' --quick-gen-key 'other <other@guess.invalid>' ed25519 sign never || exit 1
    file=$1 output=$2
    shift 2
    quiet gpg --batch --yes --local-user other@guess.invalid "$@" --output "$output" "$file" || exit 1
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
plays() { [ "$(printf '5\n' | "$1")" = "Enter number from 0 to 9 just here to zembrate : That's your victory!" ]; }
signed() { quiet gpgv --keyring "$keyring" "$2" "$1"; }
