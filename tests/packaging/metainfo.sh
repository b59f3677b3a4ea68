#!/usr/bin/env bash
# The AppStream metainfo is valid (without looking anything up on the network).
# Usage: metainfo.sh METAINFO
. "$(dirname "$0")/lib.sh"
require appstreamcli
appstreamcli validate --no-net "$1"
