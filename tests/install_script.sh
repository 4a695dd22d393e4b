#!/bin/sh
# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The install script of a release's website, install.sh, run as a player
# runs it, from the release served on 127.0.0.1: piped from busybox's wget
# to its sh, as root of a root that has busybox alone; piped from curl to
# dash, as an ordinary user with a home of its own, where a second run
# upgrades in place, and --uninstall leaves the home as it was. For each
# `uname -m` of ROWS, it installs the program of the archive that the row
# names (UNAME ARCHIVE [EMULATOR...]), which plays there. The next
# release's script (tests/history.sh) installs the next version, or the
# release's, which --version names. And each way it can fail, it fails,
# says why, and changes nothing: an earlier install and TMPDIR stay as they
# were. In a mount namespace of its own, where a full folder is a small
# tmpfs: one whose mounts reach no other, but in a chroot, where / is no
# mount to make so (the tmpfs goes at the end, with $work).
#   install_script.sh DIST HISTORY ROW...
if [ -z "${GUESS_UNSHARED:-}" ]; then
    unshare -m true 2>/dev/null && propagation=private || propagation=unchanged
    GUESS_UNSHARED=1 exec unshare -m --propagation $propagation "$0" "$@"
fi
dist=$1 history=$2
shift 2
# shellcheck source=repository.sh
. "$(dirname "$0")/repository.sh"
trap 'umount "$work/full" 2>/dev/null; finish' EXIT
serve "$dist"
release=$address
chmod 711 "$work" && mkdir -m 1777 "$work/tmp" && mkdir "$work/fake" "$work/home" &&
    chown 65534:65534 "$work/home" && printf '#!/bin/sh\n[ "$1" = -m ] && echo "$MACHINE" || echo Linux\n' \
    >"$work/fake/uname" && chmod 755 "$work/fake/uname" || fatal "no folders, or no fake uname"
export TMPDIR="$work/tmp" MACHINE
left() { [ -z "$(ls -A "$1")" ]; }
player() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work/home" "$@"; }
# runs ADDRESS PREFIX [COMMAND...]: the release's script, run by COMMAND,
# with the options $options too
options=''
runs() { said=$(a=$1 p=$2 && shift 2 && "$@" sh -s -- --from "$a" --prefix "$p" $options <"$dist/install.sh" 2>&1); }

bare=$work/bare
mkdir -p "$bare/bin" "$bare/dev" "$bare/tmp" && mknod -m 666 "$bare/dev/null" c 1 3 &&
    cp /bin/busybox "$bare/bin" && chroot "$bare" /bin/busybox --install -s /bin || fatal "no root of busybox alone"
check quiet env TMPDIR=/tmp chroot "$bare" /bin/sh -c "wget -qO- ${release}install.sh | sh -s -- --from $release"
check says "the signature of SHA256SUMS was not checked"
check plays chroot "$bare" /usr/local/bin/guess
check left "$bare/tmp"

home=$work/home/.local
for run in first second; do
    check quiet player dash -c "curl -fsSL ${release}install.sh | dash -s -- --from $release"
    check says "is installed: $home/bin/guess"
    check says "$home/bin is not on your PATH"
    check plays "$home/bin/guess"
    [ $run = second ] || { echo share/doc/guess/OLD >>"$home/share/guess/installed" &&
        touch "$home/share/doc/guess/OLD" && earlier=$(ls -i "$home/bin/guess"); } || fatal "no install to upgrade"
done
check test ! -e "$home/share/doc/guess/OLD"
check test "$(ls -i "$home/bin/guess")" != "$earlier"  # replaced whole
check quiet player sh -s -- --uninstall <"$dist/install.sh"
check left "$work/home"
check left "$TMPDIR"

# The next release's script: the newest version, or the release's.
serve "$history/next"
check quiet sh "$history/next/install.sh" --from "$address" --prefix "$work/next"
check says "guess $next is installed"
check quiet sh "$history/next/install.sh" --from "$address" --prefix "$work/earlier" --version "$version"
tar -xzOf "$dist/guess-$version-linux-$(uname -m).tar.gz" --wildcards '*/bin/guess' >"$work/expected" ||
    fatal "the release's .tar.gz for this machine holds no bin/guess"
check cmp "$work/earlier/bin/guess" "$work/expected"

for row; do
    set -- $row
    MACHINE=$1 architecture=$2 && shift 2 &&
        tar -xzOf "$dist/guess-$version-linux-$architecture.tar.gz" --wildcards '*/bin/guess' >"$work/expected" ||
        fatal "$architecture's .tar.gz holds no bin/guess"
    check runs "$release" "$work/$MACHINE" env PATH="$work/fake:$PATH"
    check cmp "$work/$MACHINE/bin/guess" "$work/expected"
    # Played once for each archive: the others are the same bytes.
    case " $played " in *" $architecture "*) ;; *) check plays "$@" "$work/$MACHINE/bin/guess" ;; esac
    played="$played $architecture"
done

# The failures, of a copy of the release changed as each says.
mirror=$work/mirror prefix=$work/prefix full=$work/full
# A PATH of what POSIX has, and the tools the script says it needs: curl
# too (no-gpg), or not (no-fetch).
mkdir "$mirror" "$full" "$work/no-fetch" "$work/no-gpg" && serve "$mirror" && from=$address &&
    for tool in awk cat cp env find grep id mkdir mktemp mv rm rmdir sed sh sort uname sha256sum tar gzip; do
        ln -s "$(command -v $tool)" "$work/no-fetch" || fatal "no PATH of POSIX tools"
    done && cp -P "$work/no-fetch"/* "$work/no-gpg" && ln -s "$(command -v curl)" "$work/no-gpg" &&
    runs "$release" "$prefix" && mount -t tmpfs -o size=$(($(du -sk "$prefix" | cut -f 1) * 3 / 2))k guess "$full" &&
    runs "$release" "$full" && make_key other || fatal "no mirror, earlier installs or key"
# What a failure must not change: the files of a prefix, their folders, and
# what TMPDIR holds.
state() { find "$1" "$TMPDIR" -mindepth 1 -type f -exec ls -li --time-style=+%s.%N {} + -exec cat {} + -o -print; }
same() { [ "$(state "$1")" = "$before" ]; }
while IFS='|' read -r case prefix why command; do
    # shellcheck disable=SC2034 # tarball is the cases', which eval runs
    rm -f "$mirror"/* && cp "$dist"/SHA256SUMS* "$dist"/*.gpg "$dist/guess-$version-linux-x86_64.tar.gz" "$mirror" &&
        tarball=$(echo "$mirror"/*.tar.gz) && address=$from options='' && eval "$case" ||
        fatal "the case could not be set up: $case"
    before=$(state "$prefix")
    eval "check refused runs \"$address\" \"$prefix\" $command"
    check says "$why"
    check same "$prefix"
done <<END
:|$prefix|neither curl nor wget|env PATH=$work/no-fetch
address=http://127.0.0.1:9/|$prefix|http://127.0.0.1:9/SHA256SUMS could not be downloaded|
sed -i /linux-x86_64/d "\$mirror/SHA256SUMS"|$prefix|SHA256SUMS has no line for|env PATH=$work/no-gpg
echo >>"\$tarball"|$prefix|is not the one SHA256SUMS names|
echo >>"\$mirror/SHA256SUMS"|$prefix|the signature of SHA256SUMS is bad|
sign_as_other "\$mirror/SHA256SUMS" "\$mirror/SHA256SUMS.asc" --detach-sign && gpg --export other@guess.invalid >"\$mirror/guess-archive-keyring.gpg"|$prefix|signed by another key|
options='--version 1.0/../../x'|$prefix|'1.0/../../x' is no version|
:|$prefix|play it in your browser at ${from}play/|env MACHINE=mips64 PATH=$work/fake:/usr/bin
:|$prefix|$prefix/bin/guess could not be written|player
:|$full|could not be written|
END
exit $fail
