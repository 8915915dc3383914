#!/usr/bin/env bash
# Runs the built batch tool as a user would: every example project must give a complete report
# and a JSON object with exit status 0, with --diagrams also the members' diagrams, and a call
# without a file must be a usage error (64). With --picture each example's drawing, with its deformed
# shape and a diagram, must be a well-formed SVG document holding one joint group per joint.
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
  report=$("$tool" "$project")
  status=$?
  if [[ $status -ne 0 || $report != *"End of Input Data"* || $report != *"End of Analysis"* ]]; then
    echo "FAIL: $tool $project (exit $status)"
    failed=1
  fi
  json=$("$tool" --json "$project")
  status=$?
  if [[ $status -ne 0 || $json != '{"status": 1, '* ]]; then
    echo "FAIL: $tool --json $project (exit $status)"
    failed=1
  fi
  report=$("$tool" --diagrams "$project")
  status=$?
  if [[ $status -ne 0 || $report != *"End of Analysis"*"Internal Force Diagrams"* ]]; then
    echo "FAIL: $tool --diagrams $project (exit $status)"
    failed=1
  fi
  json=$("$tool" --diagrams --json "$project")
  status=$?
  if [[ $status -ne 0 || $json != *'"diagrams": ['*'{"member": 1, '* ]]; then
    echo "FAIL: $tool --diagrams --json $project (exit $status)"
    failed=1
  fi
done
"$tool" >/dev/null 2>&1
status=$?
if [[ $status -ne 64 ]]; then
  echo "FAIL: $tool without arguments exits $status, not 64"
  failed=1
fi
exit $failed
