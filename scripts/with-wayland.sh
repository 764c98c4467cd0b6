#!/usr/bin/env bash
# Runs a command in a headless sway session, every window floating as on a stacking desktop,
# with Qt on Wayland. sway does not run as root: root runs it, and the command, as a user of
# its own. The command is copied to a folder that user can reach; it must not need others.
# Usage: scripts/with-wayland.sh COMMAND [ARG...]
set -euo pipefail
for tool in sway swaymsg grim; do
    command -v "$tool" >/dev/null || { echo "with-wayland.sh: $tool is not installed" >&2; exit 77; }
done
home=$(mktemp -d)
# sway runs in a process group of its own, ended whole on every way out.
trap '[ -n "${sway:-}" ] && kill -TERM -- "-$sway" 2>/dev/null; rm -rf "$home"' EXIT
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    user=tessel-wayland
    id "$user" >/dev/null 2>&1 || useradd --system --no-create-home "$user"
    chown "$user" "$home"
fi
as_user() {
    if [ "$(id -un)" = "$user" ]; then "$@"; else runuser -u "$user" -- "$@"; fi
}
mkdir -m 700 "$home/runtime" && chown "$user" "$home/runtime"
cat >"$home/config" <<'CONFIG'
output HEADLESS-1 resolution 1024x768 position 0 0
for_window [app_id=".*"] floating enable
CONFIG
cp "$1" "$home/command" && chmod 755 "$home" "$home/command" "$home/config"
shift
export XDG_RUNTIME_DIR="$home/runtime" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman QT_QPA_PLATFORM=wayland
if [ "$(id -un)" = "$user" ]; then
    (exec setsid sway -c "$home/config") >"$home/sway.log" 2>&1 &
else
    (exec setsid runuser -u "$user" -- sway -c "$home/config") >"$home/sway.log" 2>&1 &
fi
sway=$!
for _ in $(seq 100); do
    socket=$(ls "$home/runtime" 2>/dev/null | grep -m1 '^wayland-[0-9]*$' || true)
    [ -n "$socket" ] && [ -n "$(ls "$home/runtime"/sway-ipc.* 2>/dev/null)" ] && break
    sleep 0.1
done
[ -n "${socket:-}" ] || { cat "$home/sway.log" >&2; exit 1; }
export WAYLAND_DISPLAY="$socket" SWAYSOCK=$(ls "$home/runtime"/sway-ipc.*)
cd "$home" && as_user env XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
    SWAYSOCK="$SWAYSOCK" QT_QPA_PLATFORM=wayland "$home/command" "$@"
