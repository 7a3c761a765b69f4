# shellcheck shell=bash
# Sourced by the scripts that install or check Debian packages: the one place
# that reads scripts/packages.txt.

# Prints the packages of scripts/packages.txt, one per line, without comments.
listed_packages() {
  sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$(dirname "${BASH_SOURCE[0]}")/packages.txt"
}
