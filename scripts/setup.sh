#!/usr/bin/env bash
# Installs the Debian packages of scripts/packages.txt that building, testing
# and running Vorelan need, skipping those already present.
set -euo pipefail
# shellcheck source=package_list.sh
source "$(dirname "$0")/package_list.sh"

missing=()
while read -r package; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done < <(listed_packages)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  # Installing needs root; without sudo, say so rather than fail on it.
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Installing them needs root, and sudo is not installed here. Run scripts/setup.sh" >&2
    echo "as root (or install sudo and let this user use it), then run this command again." >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
# Several builds may set up at once: wait for another apt-get to finish.
wait_for_lock=(-o DPkg::Lock::Timeout=600)
"${sudo_cmd[@]}" apt-get "${wait_for_lock[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get "${wait_for_lock[@]}" install -y -qq \
  --no-install-recommends "${missing[@]}"
