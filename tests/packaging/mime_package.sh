#!/usr/bin/env bash
# The MIME package is well-formed XML, and a MIME database built from it alone knows a
# scenario by its *.mpr name (any case), as a kind of plain text, and takes no .ini file.
# Usage: mime_package.sh MIME_PACKAGE
. "$(dirname "$0")/lib.sh"
require xmllint
require update-mime-database
package=$1
type=application/x-vexa-scenario

xmllint --noout "$package"
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
mkdir "$database/packages"
cp "$package" "$database/packages/"
update-mime-database "$database" >/dev/null 2>&1 || fail "update-mime-database refused $package"

globs=$(grep "^[0-9]*:$type:" "$database/globs2" | cut -d: -f3-) || true
[ "$globs" = "*.mpr" ] || fail "$type should have the one glob *.mpr, has: ${globs:-none}"
grep -q ':cs' <(grep "^[0-9]*:$type:" "$database/globs2") && fail "the *.mpr glob should not be case-sensitive"
grep -qx "$type text/plain" "$database/subclasses" || fail "$type is not a sub-class of text/plain"
grep -qx "$type:application-x-vexa-scenario" "$database/icons" || fail "$type has no icon of its own"
echo "ok: $type, *.mpr, sub-class of text/plain"
