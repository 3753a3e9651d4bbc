#!/usr/bin/env bash
# package_test.sh BUILD_DIR DEMO_DISC_TOOL
# The package as a user of a clean Debian 12 gets it: its control data, its files, a metainfo file
# that appstreamcli accepts, and the program started from the menu entry's Exec line.
set -euo pipefail
build=$1
demo_tool=$2
work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package_test: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
echo "== dpkg-deb -I $(basename "$deb")"
dpkg-deb -I "$deb"
control=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6multimedia6 libqt6gui6 qt6-qpa-plugins gstreamer1.0-plugins-good gstreamer1.0-libav; do
  [[ $control == *"$need"* ]] || fail "Depends lacks $need: $control"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *gstreamer1.0-packagekit* ]] || fail "Recommends lacks the decoder install helper"
[ "$(dpkg-deb -f "$deb" Package)" = kestrane-omnivar ] || fail "wrong package name"

root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/bin/kestrane-omnivar \
         usr/share/kestrane-omnivar/passby.wav \
         usr/share/applications/org.kestrane.omnivar.desktop \
         usr/share/metainfo/org.kestrane.omnivar.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.kestrane.omnivar.svg \
         usr/share/icons/hicolor/256x256/apps/org.kestrane.omnivar.png; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
# Nothing of the build or the tests rides along.
if dpkg-deb -c "$deb" | grep -E -q 'test|bench|demo-disc|\.a$'; then
  dpkg-deb -c "$deb"; fail "the package holds build or test files"
fi

echo "== desktop-file-validate, appstreamcli validate"
"$(dirname "$0")/validate_packaging.sh" "$root/usr/share/applications/org.kestrane.omnivar.desktop" \
  "$root/usr/share/metainfo/org.kestrane.omnivar.metainfo.xml"

# The menu entry's command, found where the package put it.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.kestrane.omnivar.desktop")
command=${exec_line%% *}
[ -x "$root/usr/bin/$command" ] || fail "the menu entry starts '$command', which the package does not install"

"$demo_tool" "$work/disc" --small
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
export XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/home/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset KESTRANE_PROGRAM_FOLDER KESTRANE_DRIVES

"$root/usr/bin/$command" --version | grep -q '^kestrane-omnivar ' || fail "--version of the installed program"

# Under a real X server the main window appears with its title; xdotool waits for it.
cat >"$work/start.sh" <<SCRIPT
#!/usr/bin/env bash
set -eu
QT_QPA_PLATFORM=xcb "$root/usr/bin/$command" --disc "$work/disc" >"$work/program.log" 2>&1 &
pid=\$!
found=0
timeout 120 xdotool search --sync --name '^The Kestrane Omnivar  2002\$' >/dev/null && found=1
alive=0
kill -0 \$pid 2>/dev/null && alive=1
kill \$pid 2>/dev/null || true
wait \$pid 2>/dev/null || true
echo "found=\$found alive=\$alive"
SCRIPT
chmod +x "$work/start.sh"
result=$(xvfb-run -a -s "-screen 0 1024x768x24" "$work/start.sh")
echo "== started from the menu entry: $result"
[ "$result" = "found=1 alive=1" ] || { cat "$work/program.log"; fail "the installed program did not open its main window"; }
# An installed program writes below the per-user data folder, never beside its executable.
[ -d "$XDG_DATA_HOME/kestrane-omnivar" ] || fail "no per-user program folder in \$XDG_DATA_HOME"
echo "package_test: the package installs and starts"
