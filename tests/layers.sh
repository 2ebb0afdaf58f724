#!/usr/bin/env bash
# The house rules of src/, checked on the sources: an include of another
# folder names it ("drawing/drawingsurface.h") and never reaches a folder
# above its own; the three simulations know nothing of each other; the models
# are plain C++; and no product header opens itself to a test or a benchmark.
set -uo pipefail
src=$(cd "${1:-$(dirname "$0")/../src}" && pwd)

# Each folder's floor, from the bottom up. Folders on one floor may not
# include each other.
declare -A floor=(
  [core]=0 [look]=1 [drawing]=2 [controls]=3 [pictures]=4 [recorder]=5
  [driven_string]=6 [string_modes]=6 [reflection]=6 [home]=6 [app]=7 [tools]=7
)
# The model files of each simulation: they include no Qt and no window.
models='drivenstring[a-z]*\.\(h\|cpp\)\|stepreader\.\(h\|cpp\)\|stringmodes[a-z]*\.\(h\|cpp\)\|reflection[a-z]*\.\(h\|cpp\)\|recording\.\(h\|cpp\)'

faults=0
fault() { echo "$1"; faults=$((faults + 1)); }

for dir in "$src"/*/; do
  folder=$(basename "$dir")
  [[ -n "${floor[$folder]+x}" ]] || { fault "$folder: a folder with no floor in tests/layers.sh"; continue; }
  for file in "$dir"*.h "$dir"*.cpp; do
    [[ -e "$file" ]] || continue
    name=$(basename "$file")
    while IFS= read -r included; do
      if [[ "$included" != */* ]]; then
        [[ -e "$dir$included" ]] || fault "$folder/$name: \"$included\" is not in $folder/, name its folder"
        continue
      fi
      other=${included%%/*}
      if [[ -z "${floor[$other]+x}" || ! -e "$src/$included" ]]; then
        fault "$folder/$name: \"$included\" is no file of src/"
      elif [[ "$other" == "$folder" ]]; then
        fault "$folder/$name: \"$included\" names its own folder"
      elif (( floor[$other] >= floor[$folder] )); then
        fault "$folder/$name: \"$included\" reaches up or across, from floor ${floor[$folder]} to ${floor[$other]}"
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    if expr "$name" : "$models\$" >/dev/null; then
      grep -Hn '^#include <Q' "$file" && fault "$folder/$name: a model includes Qt"
    fi
  done
done

while IFS= read -r line; do
  fault "$line: a product header opens itself to a test or a benchmark"
done < <(grep -rnE 'friend +(class|struct) +\w*(Test|Bench)' "$src" --include='*.h')

if (( faults )); then
  echo "$faults fault(s) in the layout of src/"
  exit 1
fi
echo "src/ keeps its layers"
