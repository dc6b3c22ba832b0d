#!/bin/sh
# The picture generator is deterministic, and the committed pictures are exactly what it makes
# now: nobody edits a picture by hand, and a change to the generator comes with its pictures.
#   generator_output_test.sh PICGEN COMMITTED_PICTURES_FOLDER
set -eu
picgen=$1
committed=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$picgen" "$work/first"
"$picgen" "$work/second"
diff -r "$work/first" "$work/second" || { echo "picgen wrote different bytes on two runs"; exit 1; }
diff -r "$work/first" "$committed" || {
    echo "ui/pictures/ differs from what picgen makes: run picgen ui/pictures and commit"
    exit 1
}
echo "picgen output: $(ls "$work/first" | wc -l) files, identical on two runs and to $committed"
