#!/usr/bin/env bash
# Installs the finished build into a temporary folder, as a package would lay it out, and
# checks that everything a desktop needs is there and valid: both programs, the desktop entry,
# the icon, the project file type, the man pages, the examples and the help pages, and that the installed batch
# tool analyses an installed example.
# Usage: install-layout.sh BUILD_FOLDER
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$root/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

files=(
  bin/stavelorn-report
  share/applications/stavelorn.desktop
  share/icons/hicolor/scalable/apps/stavelorn.svg
  share/mime/packages/stavelorn.xml
  share/man/man1/stavelorn.1
  share/man/man1/stavelorn-report.1
  share/stavelorn/examples/portal-frame.str
  share/stavelorn/examples/space-frame.str
  share/stavelorn/help/index.md
  share/stavelorn/help/worked-example.md
  share/stavelorn/help/pictures/signs-SFrame-axes.svg
)
[[ -x "$build/stavelorn" ]] && files+=(bin/stavelorn)
for file in "${files[@]}"; do
  [[ -s "$root/usr/$file" ]] || fail "missing $file"
done
for file in bin/stavelorn-report bin/stavelorn; do
  [[ ! -e "$root/usr/$file" || -x "$root/usr/$file" ]] || fail "$file is not executable"
done

desktop-file-validate "$root/usr/share/applications/stavelorn.desktop" || fail "desktop entry"
for xml in share/mime/packages/stavelorn.xml share/icons/hicolor/scalable/apps/stavelorn.svg; do
  xmllint --noout "$root/usr/$xml" || fail "$xml is not well-formed XML"
done
grep -q '@' "$root"/usr/share/man/man1/*.1 && fail "a man page still holds a placeholder"

report=$("$root/usr/bin/stavelorn-report" "$root/usr/share/stavelorn/examples/portal-frame.str")
status=$?
[[ $status -eq 0 && $report == *"End of Analysis"* ]] ||
  fail "the installed batch tool did not analyse an installed example (exit $status)"
exit $failed
