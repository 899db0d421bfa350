#!/usr/bin/env bash
# Unpacks the packages a build made (drawlet and drawlet-sim) into a temporary
# folder and runs the unpacked drawlet-sim against a device root that holds
# only what the drawlet package unpacks: what a user of the packages gets,
# with no file of the build tree.
#   unpacked_run_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d /tmp/drawlet-package-test-XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The one package file of this name and version in the build folder.
package_file() {
    local matches=("$build/$1_${version}_"*.deb)
    [ ${#matches[@]} -eq 1 ] && [ -f "${matches[0]}" ] || fail "expected one $1_${version}_*.deb in $build, found: ${matches[*]}"
    echo "${matches[0]}"
}

package_paths() {
    dpkg-deb -c "$1" | awk '{ print $6 }' | sort
}

device_package=$(package_file drawlet)
sim_package=$(package_file drawlet-sim)

shared=$(comm -12 <(package_paths "$device_package") <(package_paths "$sim_package") | grep -vx './' || true)
[ -z "$shared" ] || fail "paths in both packages: $shared"

dpkg -x "$device_package" "$work/device-root"
dpkg -x "$sim_package" "$work/sim"
bin=$work/sim/usr/bin
platform=$(ldd "$bin/drawlet-sim" | grep -F libplatform.so)
[[ $platform == *"=> $work/sim/"* ]] || fail "the unpacked drawlet-sim does not load the unpacked platform: $platform"

home=$work/home
mkdir -p "$home"
"$bin/drawlet-settings" --home "$home" set tweakEnabled true >/dev/null
"$bin/drawlet-settings" --home "$home" set autoPinEnabled true >/dev/null
"$bin/drawlet-settings" --home "$home" set --string startupApp com.drawlet.demo.clock >/dev/null

# A tap on the grabber slides the panel in with the pinned Clock.
printf 'wait 0.5\ntap 360 554\nwait 0.5\n' >"$work/script.txt"
status=0
"$bin/drawlet-sim" --headless --home "$home" --root "$work/device-root" --script "$work/script.txt" --log "$work/sim.log" \
    >"$work/output.txt" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "drawlet-sim exited with status $status: $(cat "$work/output.txt")"

expect_line() {
    grep -qE "$1" "$work/sim.log" || fail "no log line matches '$1' in:
$(cat "$work/sim.log")"
}
expect_line "SpringBoard\[[0-9]+\]: drawlet-sim: the device root has no /Applications/InstalledApplications.plist; the simulator's own applications are used"
expect_line "SpringBoard\[[0-9]+\]: .*\[Drawlet\] .*Loaded!"
expect_line "Clock\[[0-9]+\]: MS:Notice: Loading: .*/Library/MobileSubstrate/DynamicLibraries/DrawletClient.so"
expect_line "^0\.550 SpringBoard\[[0-9]+\]: .*\[Drawlet\] .*tapGrabber"
