#!/usr/bin/env bash
# Runs the built batch tool as a user would (the reports and the JSON of every example are checked
# in process by BatchToolTest): with --picture each example's drawing, with its deformed shape and
# a diagram, must be a well-formed SVG document holding one joint group per joint, a hinged
# frame's one hinge group per hinged member end, and a call without a file must be a usage error
# (64).
# Usage: examples.sh PATH/TO/stavelorn-report EXAMPLES_FOLDER
set -u
tool=$1
folder=$2
failed=0
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT
for project in "$folder"/*.str; do
  svg="$pictures/$(basename "$project" .str).svg"
  "$tool" --picture "$svg" --deformed --diagram N "$project" >/dev/null 2>&1 ||
    "$tool" --picture "$svg" --deformed --diagram V "$project" >/dev/null 2>&1
  status=$?
  joints=$(sed -n '3s/^"Joints",\([0-9]*\).*/\1/p' "$project")
  groups=$(xmllint --xpath 'count(//*[local-name()="g"][@class="joint"])' "$svg" 2>/dev/null)
  deformed=$(xmllint --xpath 'count(//*[local-name()="g"][@class="deformed"])' "$svg" 2>/dev/null)
  if [[ $status -ne 0 || $groups != "$joints" || $deformed == 0 ]]; then
    echo "FAIL: $tool --picture $svg --deformed $project (exit $status, $groups joint groups)"
    failed=1
  fi
done
# A frame hinged at three member ends: its picture holds one hinge group for each, naming its
# member (member 1 hinged at both ends, member 2 at its end).
hinged="$pictures/hinged.str"
printf '%s\n' '"Hinged","PFrame"' '"Joints",3, 0,0, 0,4, 5,4' '"Supports",2, 1,1,1,1, 3,1,1,1' \
  '"Materials",1, 200000000,0' '"Cross-Sections",1, 0.01,0.0001' \
  '"Members",2, 1,2,1,1, 2,3,1,1' '"Member Releases",2, 1,3, 2,2' >"$hinged"
"$tool" --picture "$pictures/hinged.svg" "$hinged" >/dev/null 2>&1
status=$?
hinges=""
for member in 1 2 ""; do
  hinges+="$(xmllint --xpath "count(//*[local-name()='g'][@class='hinge']${member:+[@data-member=$member]})" \
    "$pictures/hinged.svg" 2>/dev/null) "
done
if [[ $status -ne 0 || $hinges != "2 1 3 " ]]; then
  echo "FAIL: $tool --picture of a hinged frame (exit $status, hinge groups of members 1, 2, all: $hinges)"
  failed=1
fi
"$tool" >/dev/null 2>&1
status=$?
if [[ $status -ne 64 ]]; then
  echo "FAIL: $tool without arguments exits $status, not 64"
  failed=1
fi
exit $failed
