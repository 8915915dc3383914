#!/usr/bin/env bash
# Runs the built batch tool as a user would: every example project must give a complete report
# and a JSON object with exit status 0, with --diagrams also the members' diagrams, and a call
# without a file must be a usage error (64).
# Usage: examples.sh PATH/TO/stavelorn-report EXAMPLES_FOLDER
set -u
tool=$1
folder=$2
failed=0
for project in "$folder"/*.str; do
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
