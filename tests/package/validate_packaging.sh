#!/usr/bin/env bash
# validate_packaging.sh DESKTOP_ENTRY METAINFO
# The desktop entry and the metainfo as the desktop tools of Debian 12 read them, without a network.
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"
