# Shared by the Wayland test and benchmark (sourced, once $work names the caller's temporary
# folder, which it may open to the compositor's user): `wayland_session [SCALE]` starts sway,
# headless, with Xwayland, as the unprivileged user lapmark-wayland (made if missing; sway refuses
# to run as root), at an output scale of SCALE (default 1), and lets root's X clients in. It sets
# $runtime (the session's XDG_RUNTIME_DIR, whose wayland-1 is the compositor), $x11 (Xwayland's
# DISPLAY), exports SWAYSOCK, and leaves the compositor's process in $helper_pid. Status 77 when
# not root; 1 when the compositor does not come up.
wayland_session() {
  local user=lapmark-wayland scale=${1:-1}
  [ "$(id -u)" -eq 0 ] || { echo "needs root, to run the compositor as a user of its own"; return 77; }
  id "$user" > /dev/null 2>&1 || useradd --system --create-home --shell /usr/sbin/nologin "$user" || return 1
  chmod 711 "$work"
  runtime=$work/runtime
  mkdir -p "$runtime" && chown "$user" "$runtime" && chmod 700 "$runtime"
  printf '%s\n' "xwayland force" "output HEADLESS-1 scale $scale" \
    "exec sh -c 'xhost +si:localuser:root && echo \$DISPLAY > $runtime/display'" > "$work/sway.config"
  chmod 644 "$work/sway.config"
  setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups env -i PATH="$PATH" \
    HOME="$(eval echo ~"$user")" XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.config" > "$work/sway.out" 2>&1 &
  helper_pid=$!
  # 60 s only bounds a hang.
  timeout 60 sh -c "until [ -s $runtime/display ]; do sleep 0.05; done" || { cat "$work/sway.out"; return 1; }
  export SWAYSOCK
  SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock)
  x11=$(cat "$runtime/display")
}
