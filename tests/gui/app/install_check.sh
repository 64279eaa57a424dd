#!/usr/bin/env bash
# An installed Sendora starts for a user who cannot write to the installation prefix:
# its files go to that user's data folder, seeded from the installed defaults.
# Usage: install_check.sh <build dir>
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/sendora"
chmod 755 "$work"
chmod -R a+rX,go-w "$prefix"

home=$work/home
mkdir -p "$home"
touch "$work/stamp"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
        echo "SKIP: setpriv or the user nobody is missing"; exit 0
    fi
    mkdir -m 700 "$home/runtime"
    chown -R nobody "$home"
    # setpriv executes the program itself, so $! is the program and gets the signal.
    run_as=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
else
    chmod -R a-w "$prefix"
    mkdir -m 700 "$home/runtime"
fi

"${run_as[@]}" env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$home/runtime" "$prefix/bin/sendora" >"$work/out.log" 2>&1 &
pid=$!

data=$home/.local/share/Sendora
for _ in $(seq 1 150); do
    [ -d "$data/DATEN" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "sendora ended early:"; cat "$work/out.log"; exit 1; }
    sleep 0.1
done
[ -d "$data/DATEN" ] || { echo "no data folder in $data"; cat "$work/out.log"; exit 1; }
sleep 0.5
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "sendora exited with $status"; cat "$work/out.log"; exit 1; }
[ -f "$data/sd.ini" ] || { echo "no sd.ini in $data"; exit 1; }
grep -q '^\[Sdt\]' "$data/sd.ini"
grep -q "^IDStammRTF=$data/Reports/" "$data/sd.ini" \
    || { echo "report folder not below the user's folder:"; grep IDStamm "$data/sd.ini"; exit 1; }
if find "$prefix" -newer "$work/stamp" | grep -q .; then
    echo "files were written into the prefix:"; find "$prefix" -newer "$work/stamp"
    exit 1
fi
echo "installed program ran for an unprivileged user; files in $data"
