#!/usr/bin/env bash
# Checks that every folder of src/ includes only folders of lower layers (or
# itself): no folder includes one above it, and no two folders of one layer
# include each other. A new folder must be given its layer here.
set -euo pipefail
cd "$(dirname "$0")/.."

# Layers from the bottom up; folders on one line share a layer.
layers=(
  "model platform"
  "datafile lifetable report charts guidance"
  "predation"
  "resampling results"
  "runs"
  "ui"
  "figures"
  "windows"
  "shell"
)

declare -A level
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do level[$folder]=$i; done
done

faults=0
for dir in src/*/; do
  folder=$(basename "$dir")
  if [ -z "${level[$folder]+set}" ]; then
    echo "src/$folder has no layer in scripts/check_layers.sh" >&2
    faults=$((faults + 1))
    continue
  fi
  while IFS=: read -r file line included; do
    target=${included%%/*}
    [ "$target" = "$folder" ] && continue
    if [ -z "${level[$target]+set}" ]; then
      echo "$file:$line includes \"$included\" from a folder with no layer" >&2
      faults=$((faults + 1))
    elif [ "${level[$target]}" -ge "${level[$folder]}" ]; then
      echo "$file:$line: src/$folder includes \"$included\", which is not below it" >&2
      faults=$((faults + 1))
    fi
  done < <(grep -rnoE '^#include "[A-Za-z_]+/[^"]+"' "$dir" | sed -E 's/:#include "(.*)"$/:\1/')
done

if [ "$faults" -gt 0 ]; then
  echo "check_layers: $faults include(s) against the layers" >&2
  exit 1
fi
echo "check_layers: every include goes downward"
