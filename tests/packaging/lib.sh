# Shared by the packaging checks: each runs only when the tool it needs is installed
# (scripts/ensure-packages installs them), and otherwise tells ctest it was skipped.
set -euo pipefail

require() {
  if ! command -v "$1" >/dev/null; then
    echo "skipped: $1 is not installed"
    exit 77
  fi
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
