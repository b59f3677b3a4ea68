#!/usr/bin/env bash
# The desktop entry is valid and claims only the file types the MIME package defines,
# so the editor is offered for scenarios and for nothing else.
# Usage: desktop_entry.sh DESKTOP_ENTRY MIME_PACKAGE
. "$(dirname "$0")/lib.sh"
require desktop-file-validate
entry=$1 mime_package=$2

desktop-file-validate --no-hints "$entry"
claimed=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d')
[ -n "$claimed" ] || fail "$entry names no file type"
for type in $claimed; do
  grep -q "<mime-type type=\"$type\">" "$mime_package" || fail "$entry claims $type, which $mime_package does not define"
done
echo "ok: $(echo $claimed)"
