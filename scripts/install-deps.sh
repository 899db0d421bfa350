#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is
# missing: checked with dpkg-query, installed with apt-get (through sudo -n when
# not root, so it never waits for a password).
set -euo pipefail

packages=(
    cmake ninja-build g++ clang lld libclang-rt-14-dev pkg-config
    libplist-dev libsdbus-c++-dev libsystemd-dev dbus-daemon dbus-bin systemd
    libcairo2-dev libsdl2-dev libgif-dev libcli11-dev
    libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xdotool libx11-dev
    dpkg-dev file clang-format-14 clang-tidy-14
)

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "install-deps: not a Debian system (no dpkg-query); install these yourself: ${packages[*]}" >&2
    exit 1
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [[ $status != installed ]]; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo -n)
else
    echo "install-deps: not root and no sudo; install these as root: ${missing[*]}" >&2
    exit 1
fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
