#!/usr/bin/env bash
# Runs both programs' --help and --version as a user would, with no display and no Qt platform
# chosen: the window program must answer before it needs a window system. Unknown options are
# usage errors (64) with the usage on stderr and nothing on stdout.
# Usage: command-line.sh BIN_FOLDER VERSION
set -u
bin=$1
version=$2
failed=0

# program | arguments | exit status | text expected on stdout | text expected on stderr
cases=(
  "stavelorn-report|--help|0|usage: stavelorn-report [--trail] [--diagrams] [--precision single|"
  "stavelorn-report|--help|0|double] [--json [--influence WHAT [--path M1,M2,...] [--train P1[@0],P2@D2,...] [--lane W] [--envelope]] [--buckling [--modes N]] [--second-order]] [--units FORCE,LENGTH[,TEMP]] [--segments n] [--case NAME] FILE.str|"
  "stavelorn-report|--version|0|stavelorn-report $version|"
  "stavelorn-report|--json --help|0|--json|"
  "stavelorn-report|--bogus|64||unknown option --bogus"
  "stavelorn|--help|0|[FILE.str]|"
  "stavelorn|-h|0|--version|"
  "stavelorn|--version|0|stavelorn $version|"
  "stavelorn|--bogus|64||Unknown option 'bogus'"
  "stavelorn|a.str b.str|64||more than one project file"
)
for row in "${cases[@]}"; do
  IFS='|' read -r program arguments status want_out want_err <<<"$row"
  [[ -x "$bin/$program" ]] || continue  # the window program is not built without Qt
  # shellcheck disable=SC2086 # the arguments are split on purpose
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" $arguments 2>/tmp/stavelorn-cl-err.$$)
  got=$?
  err=$(cat /tmp/stavelorn-cl-err.$$)
  if [[ $got -ne $status || $out != *"$want_out"* || $err != *"$want_err"* ]]; then
    echo "FAIL: $program $arguments: exit $got (want $status)"
    echo "  stdout: $out"
    echo "  stderr: $err"
    failed=1
  fi
  if [[ $status -eq 64 && ( -n $out || $err != *"sage"* ) ]]; then
    echo "FAIL: $program $arguments: a usage error must print the usage on stderr only"
    failed=1
  fi
done
rm -f /tmp/stavelorn-cl-err.$$
exit $failed
