#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What a Windows player downloads. The .zip: the program and documents a
# double-click opens (CR LF), with a README written for a Windows player,
# and nothing of the builder's. The installer, under Wine in a fresh prefix:
# installs for the player without a prompt, puts the game in the Start menu
# and on the PATH, shows in Installed apps, gives way to the next version
# (the next release's, of the same files: tests/history.sh) and refuses an
# older one, and uninstalling takes away everything it added and nothing
# else.
# The program and the installer are signed (Authenticode) by the release's
# certificate, where the checks are given its key (GUESS_AUTHENTICODE_PFX,
# as the release was), or else by the one they carry; or, where the release
# was made without one, they say that they are not, and SHA256SUMS's
# signature is what says whose they are.
# The installer's own version is the release's, VERSION, which its name says.
# PREFIX is a Wine prefix that nothing ran in (tests/wine.sh start FRESH).
#   windows_packages.sh ZIP MSI VERSION PREFIX HISTORY
zip=$1 msi=$2 release=$3 prefix=$4 history=$5
# shellcheck source=check.sh
. "$(dirname "$0")/check.sh"
work=$(mktemp -d) || fatal "no temporary folder"
wine() { "$(dirname "$0")/wine.sh" "$prefix" "$@"; }
trap 'wine stop; rm -rf "$work"' EXIT
cr=$(printf '\r')
crlf() { [ -s "$1" ] && ! grep -qv "$cr\$" "$1"; }
# Nothing a Windows player cannot see or use: no pictures, no other system.
for_players() { ! grep -q -i -E '!\[|linux|debian|\bapt\b|cmake' "$1"; }
[ -z "${GUESS_AUTHENTICODE_PFX:-}" ] || openssl pkcs12 -in "$GUESS_AUTHENTICODE_PFX" -nokeys \
    -passin env:GUESS_AUTHENTICODE_PASSWORD -out "$work/certificate" || fatal "no certificate in GUESS_AUTHENTICODE_PFX"
signed() {  # signed FILE
    if ! osslsigncode extract-signature -pem -in "$1" -out "$work/signature" >/dev/null 2>&1; then
        echo "Unsigned, as the release was made without GUESS_AUTHENTICODE_PFX: ${1##*/}"
        [ -z "${GUESS_AUTHENTICODE_PFX:-}" ]
        return
    fi
    { [ -s "$work/certificate" ] || openssl pkcs7 -in "$work/signature" -print_certs -out "$work/certificate"; } &&
        rm "$work/signature" && quiet osslsigncode verify -in "$1" -CAfile "$work/certificate"
}

# The .zip.
check test "$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | LC_ALL=C sort | paste -sd ' ' -)" = \
    "LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt guess.exe"
check sh -c '! zipinfo -v "$1" | grep -q "Unix UID"' - "$zip"
unzip -q -d "$work/unzipped" "$zip" || fatal "$zip could not be unpacked"
files=$(echo "$work"/unzipped/*)
exe=$files/guess.exe
for doc in README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do check crlf "$files/$doc"; done
check for_players "$files/README.txt"
check signed "$exe"
check signed "$msi"

version() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
check test "$(version "$msi" ProductVersion)" = "$release"
check named "$msi" "guess-$release-"
next=$(echo "$release" | awk -F. '{ print $1 "." $2 "." $3 + 1 }')
newer=$(echo "$history"/next/guess-"$next"-windows-*.msi)

# The installer, in a fresh prefix (made where none is given).
wine start || fatal "Wine did not start"
# What Wine says goes to a log, which a failure shows.
w() { wine run "$@" </dev/null 2>>"$work/wine.log" | tr -d '\r'; }
install() {  # install /i|/x MSI: silently, as a deployment tool does
    (cd "$(dirname "$2")" && wine run msiexec "$1" "$(basename "$2")" /qn </dev/null >>"$work/wine.log" 2>&1)
}
profile=$(w winepath -u "$(w cmd /c echo %USERPROFILE%)")
folder="$profile/AppData/Local/Programs/guess"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/guess.lnk"
# The folders on the player's PATH, one a line. (Wine leaves the separator
# that it put before a folder it takes out again: empty entries are skipped.)
path() { w reg query 'HKCU\Environment' /v PATH | sed -n 's/^ *PATH *REG_[A-Z_]* *//p' | tr ';' '\n' | grep .; }
apps() {  # the Installed apps entries named guess, with their values
    for root in HKLM HKCU; do w reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s; done |
        awk '/^HKEY_/ { key = $0 } / DisplayName .* guess$/ { found[key] = 1 } { lines[key] = lines[key] $0 "\n" }
            END { for (k in found) printf "%s", lines[k] }'
}
# A value of those entries, as they were when last read (entries=$(apps)):
# each read starts Wine twice.
app() { printf '%s\n' "$entries" | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
# Windows Installer's own folder, which Windows always has, is not ours.
snapshot() { (cd "$profile" && find . ! -path './AppData/Roaming/Microsoft/Installer' | LC_ALL=C sort); }

w reg add 'HKCU\Environment' /v PATH /d 'C:\tools' /f >/dev/null  # the player's own
snapshot >"$work/before"
check install /i "$msi"
for file in guess.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do check test -f "$folder/$file"; done
for doc in README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do check crlf "$folder/$doc"; done
check cmp "$exe" "$folder/guess.exe"
installed=$(w winepath -w "$folder")
check sh -c 'strings -a "$1" | grep -qxF "$2"' - "$shortcut" "${installed}\\guess.exe"
check sh -c 'strings -a -el "$1" | grep -qF "$2"' - "$shortcut" "${installed}\\"  # working folder
check test "$(path)" = "$(printf 'C:\\tools\n%s\\' "$installed")"
played=$(cd "$work" && printf '5\r\n' | wine run cmd /c guess 2>>"$work/wine.log" | tr -d '\r')
check test "$played" = "Enter number from 0 to 9 just here to zembrate : That's your victory!"
entries=$(apps)
check test "$(app DisplayVersion)" = "$release"
check test "$(app Publisher)" = "The guess developers"
check test "$(app NoModify)" = 0x1
icon=$(w reg query 'HKCU\Software\Microsoft\Installer\Products' /s | sed -n 's/^ *ProductIcon *REG_SZ *//p')
check test -f "$(w winepath -u "$icon")"

check install /i "$newer"
entries=$(apps)
check test "$(printf '%s\n' "$entries" | grep -c '^HKEY_')" = 1
check test "$(app DisplayVersion)" = "$next"
check test "$(path)" = "$(printf 'C:\\tools\n%s\\' "$installed")"
if install /i "$msi"; then
    echo "FAILED: the older version installed over the newer one"
    fail=1
fi
entries=$(apps)
check test "$(app DisplayVersion)" = "$next"

check install /x "$newer"
snapshot >"$work/after"
check diff "$work/before" "$work/after"
check test -z "$(apps)"
check refused wine run reg query 'HKCU\Software\guess'
check test "$(path)" = 'C:\tools'
[ $fail = 0 ] || { echo "Wine said:"; cat "$work/wine.log"; }
exit $fail
