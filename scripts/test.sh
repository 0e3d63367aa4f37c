#!/usr/bin/env bash
# Installs what is missing, builds, starts a private PostgreSQL server and runs every suite
# on both backends. This is the command CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh
scripts/build.sh

pgdir=$(mktemp -d /tmp/quenlo-pgtest.XXXXXX)
chmod 755 "$pgdir"
trap '"$root"/scripts/pg-test-server.sh stop "$pgdir"; rm -rf "$pgdir"' EXIT
eval "$(scripts/pg-test-server.sh start "$pgdir")"
export QUENLO_TEST_PG_SOCKET QUENLO_TEST_PG_PORT QUENLO_TEST_PG_USER
# Suites of the postgres backend must run, not skip, here.
export QUENLO_TEST_REQUIRE_PG=1

cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 "$@"
