#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo data folder when there is none, and starts
# the desktop program on it. The data folder is data/ in the checkout unless
# QUENLO_DATA_DIR names another.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
data_dir=${QUENLO_DATA_DIR:-$PWD/data}
if [ ! -e "$data_dir/js.db" ]; then
  build/bin/quenloctl --data-dir "$data_dir" demo
fi
exec build/bin/quenlo --data-dir "$data_dir" "$@"
