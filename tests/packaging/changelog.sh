#!/usr/bin/env bash
# The package's changelog has an entry for the version being built, in Debian's format.
# Usage: changelog.sh CHANGELOG VERSION
. "$(dirname "$0")/lib.sh"
changelog=$1 version=$2
first=$(head -n 1 "$changelog")
[[ $first =~ ^vexabuild\ \(([^\)]*)\)\ [a-z-]+\;\ urgency=[a-z]+$ ]] || fail "$changelog does not start with a Debian changelog entry: $first"
[ "${BASH_REMATCH[1]}" = "$version" ] || fail "$changelog starts at ${BASH_REMATCH[1]}, the project is at $version: add an entry"
grep -Eq '^ -- .+ <.+>  [A-Z][a-z]{2}, [0-9]{2} [A-Z][a-z]{2} [0-9]{4} [0-9:]{8} [+-][0-9]{4}$' "$changelog" ||
  fail "$changelog has no trailer line ' -- NAME <EMAIL>  DATE'"
echo "ok: $version"
