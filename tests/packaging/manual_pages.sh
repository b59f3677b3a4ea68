#!/usr/bin/env bash
# The manual pages the build wrote format without a warning from man (as lintian checks
# them), and each has the NAME line that whatis and apropos read.
# Usage: manual_pages.sh MANUAL_FOLDER
. "$(dirname "$0")/lib.sh"
require man
shopt -s nullglob
pages=("$1"/*.[1-9])
[ ${#pages[@]} -gt 0 ] || fail "no manual pages in $1"
for page in "${pages[@]}"; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
  name=$(basename "${page%.*}")
  name_line=$(sed -n '/^\.SH NAME/{n;p;q}' "$page")
  [[ $name_line == "${name//-/\\-} \\- "* ]] || fail "$page has no NAME line for $name: $name_line"
done
echo "ok: ${pages[*]##*/}"
