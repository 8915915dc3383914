#!/usr/bin/env bash
# Fails on an include that runs upward between the layers of src/:
#   model < ui, analysis < reports, graphics < editors < app < cli < web
# A file may include its own layer and any layer of a lower rank; layers of one rank stand side
# by side and do not include each other. Only files in a qt/ folder may include a qt/ header.
# Usage: layers.sh SOURCE_FOLDER
set -uo pipefail
cd "$1/src" || exit 1
find . \( -name '*.h' -o -name '*.cpp' \) -print0 | xargs -0 awk '
  BEGIN {
    rank["model"] = 0; rank["ui"] = 1; rank["analysis"] = 1; rank["reports"] = 2
    rank["graphics"] = 2; rank["editors"] = 3; rank["app"] = 4; rank["cli"] = 5; rank["web"] = 6
  }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    file = substr(FILENAME, 3)
    split(file, part, "/"); layer = part[1]
    target = $0; sub(/^[^"]*"/, "", target); sub(/".*$/, "", target)
    split(target, piece, "/"); included = piece[1]
    if (!(included in rank)) next
    if (target ~ /\/qt\// && file !~ /\/qt\//) {
      print file ":" FNR " includes the Qt header " target " from a Qt-free file"; failed = 1
    } else if (included != layer && rank[included] >= rank[layer]) {
      print file ":" FNR " includes " target ": " included " is not below " layer; failed = 1
    }
  }
  END { exit failed }' || exit 1
echo "layers: every include runs downward"
