#!/usr/bin/env bash
# The README's key table is what tl380ctl prints: it cannot drift from the table the program uses.
#   tests/test_readme_keys.sh PATH/TO/tl380ctl PATH/TO/README.md
set -euo pipefail
documented=$(sed -n '/<!-- keys begin -->/,/<!-- keys end -->/p' "$2" | grep '^|')
printed=$("$1" keys)
if [[ "$documented" != "$printed" ]]; then
    diff <(echo "$documented") <(echo "$printed") || true
    echo "README.md's key table differs from 'tl380ctl keys': paste the output between the markers"
    exit 1
fi
