# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Sourced by the tests of the repositories: `serve DIR` serves DIR as a
# static web server does, on 127.0.0.1 until the script ends, and sets
# `address` to its URL; `stop_serving` ends every server (the script's
# EXIT trap calls it). It needs `work`, a folder of the script's own.
servers=''
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
stop_serving() { [ -z "$servers" ] || kill $servers 2>/dev/null; }
