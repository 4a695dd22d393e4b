# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT
# shellcheck shell=sh

# Sourced by what makes a release to test (scripts/test-all.sh, and
# scripts/check-reproducible.sh, which makes it again):
# throwaway keys, kept in a folder so that another release can be signed
# with the same ones.
#   make_keys DIR  an OpenPGP key, test@guess.invalid, in DIR/gnupg; and a
#                  code-signing certificate, DIR/cert.pem, in DIR/sign.pfx
#   use_keys DIR   signs with them from now on: sets GNUPGHOME (a copy, as
#                  gpg's agent listens on a socket in it, whose path must be
#                  short), GUESS_GPG_KEY, GUESS_AUTHENTICODE_PFX and
#                  GUESS_AUTHENTICODE_PASSWORD; drop_keys stops that copy's
#                  agent and removes it, never a GNUPGHOME of the caller's
# OpenPGP signatures carry the time they are made; these carry a fixed one,
# as everything else in a release carries the commit's, so that the same
# files signed twice are the same bytes.
keys_made=1767225600 keys_sign=1767312000  # 2026-01-01 and the day after

make_keys() {
    mkdir -p "$1/gnupg" && chmod 700 "$1/gnupg" &&
        echo "faked-system-time $keys_sign!" >"$1/gnupg/gpg.conf" &&
        gpg --homedir "$1/gnupg" --batch --passphrase '' --faked-system-time "$keys_made!" \
            --quick-gen-key 'guess test <test@guess.invalid>' ed25519 sign never 2>/dev/null &&
        openssl req -x509 -newkey rsa:2048 -nodes -keyout "$1/key.pem" -out "$1/cert.pem" \
            -days 2 -subj "/CN=guess test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null &&
        openssl pkcs12 -export -inkey "$1/key.pem" -in "$1/cert.pem" \
            -out "$1/sign.pfx" -passout pass:throwaway &&
        gpgconf --homedir "$1/gnupg" --kill all
}
use_keys() {
    keys_home=$(mktemp -d) && cp -R "$1/gnupg/." "$keys_home" || return 1
    export GNUPGHOME=$keys_home GUESS_GPG_KEY=test@guess.invalid
    export GUESS_AUTHENTICODE_PFX="$1/sign.pfx" GUESS_AUTHENTICODE_PASSWORD=throwaway
}
drop_keys() { [ -z "${keys_home:-}" ] || { gpgconf --homedir "$keys_home" --kill all; rm -rf "$keys_home"; }; }
