#!/usr/bin/env bash
# Bash completion of vexabuild-cli, driven as bash does on TAB: the commands, each
# command's options, the values of --format, and file names: scenarios (*.mpr, *.ini in
# any case, and folders) where a scenario goes, any file after -o.
# Usage: completion.sh VEXABUILD_CLI COMPLETION_SCRIPT
. "$(dirname "$0")/lib.sh"
framework=/usr/share/bash-completion/bash_completion
[ -r "$framework" ] || { echo "skipped: bash-completion is not installed"; exit 77; }
tool=$(realpath "$1") script=$(realpath "$2")

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
mkdir maps
touch river.mpr DESERT.MPR old.ini notes.txt map.png

# What TAB offers after the words given; the last word is the one being completed.
complete_words() {
  bash --norc --noprofile -c '
    . "$1"; . "$2"; shift 2
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _vexabuild_cli
    [ ${#COMPREPLY[@]} -eq 0 ] || printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ "$framework" "$script" "$tool" "$@"
}

expect() {
  local want=$1
  shift
  local got
  got=$(complete_words "$@")
  [ "$got" = "$want" ] || fail "after '$*': expected '$want', got '$got'"
}

commands=$("$tool" --help | sed -n '/^Commands:/,/^$/ s/^  \([a-z-]*\) .*/\1/p' | sort | tr '\n' ' ')
expect "--help --version $commands" ""
expect "check " ch
expect "--format --help " check --
expect "--format " check --f
expect "json text " check --format ""
expect "json " check --format j
expect "json " check --format=j
expect "json text " info --format ""
expect "--help -o " normalize river.mpr -
expect "DESERT.MPR maps old.ini river.mpr " check river.mpr ""
expect "DESERT.MPR maps old.ini river.mpr " normalize ""
expect "DESERT.MPR map.png maps notes.txt old.ini river.mpr " normalize river.mpr -o ""
if [[ " $commands" == *" render "* ]]; then
  expect "" render river.mpr --size ""
  expect "DESERT.MPR map.png maps notes.txt old.ini river.mpr " render river.mpr -o ""
fi
echo "ok"
