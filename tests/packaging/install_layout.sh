#!/usr/bin/env bash
# `cmake --install` of the build lays out a tree a package can hold: the editor's program
# with its help file beside it through relative links, data under share/, the manual
# pages compressed.
# Usage: install_layout.sh CMAKE BUILD_FOLDER WITH_EDITOR(ON|OFF)
. "$(dirname "$0")/lib.sh"
cmake=$1 build=$2 with_editor=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
"$cmake" --install "$build" --prefix "$root/usr" >/dev/null

expect_file() { [ -f "$root/usr/$1" ] || fail "usr/$1 is not installed"; }
expect_file bin/vexabuild-cli
expect_file share/man/man1/vexabuild-cli.1.gz
expect_file share/bash-completion/completions/vexabuild-cli
expect_file share/doc/vexabuild/copyright
expect_file share/doc/vexabuild/changelog.gz
if [ "$with_editor" = ON ]; then
  expect_file share/man/man1/vexabuild.1.gz
  expect_file share/applications/vexabuild.desktop
  expect_file share/mime/packages/vexabuild.xml
  expect_file share/metainfo/invalid.vexa.vexabuild.metainfo.xml
  expect_file share/icons/hicolor/scalable/apps/vexabuild.svg
  expect_file share/icons/hicolor/scalable/mimetypes/application-x-vexa-scenario.svg
  expect_file share/vexabuild/VexaBuild.hlp
  [ -L "$root/usr/bin/vexabuild" ] || fail "usr/bin/vexabuild is not a link"
  program=$(realpath "$root/usr/bin/vexabuild")
  [ -x "$program" ] || fail "usr/bin/vexabuild leads to no program"
  [ "$program" = "$(realpath "$root/usr/libexec/vexabuild/vexabuild")" ] || fail "usr/bin/vexabuild leads to $program"
  help=$(dirname "$program")/VexaBuild.hlp
  [ -f "$help" ] || fail "no help file beside the editor's program"
  cmp -s "$help" "$root/usr/share/vexabuild/VexaBuild.hlp" || fail "the help beside the program is not share/vexabuild's"
fi
while IFS= read -r link; do
  [[ $(readlink "$link") != /* ]] || fail "${link#"$root"} is an absolute link"
done < <(find "$root" -type l)
[ -z "$(find "$root/usr/bin" -type f ! -perm -u+x)" ] || fail "usr/bin holds files that are not programs"
echo "ok"
