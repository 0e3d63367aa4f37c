#!/usr/bin/env bash
# A private PostgreSQL 15 cluster for the test suites, listening only on a Unix socket.
#   pg-test-server.sh start DIR   prints "export QUENLO_TEST_PG_SOCKET=..." lines on success
#   pg-test-server.sh stop DIR
set -euo pipefail
cmd=$1
dir=$2
bin=/usr/lib/postgresql/15/bin
port=54329

as_owner() {
  # PostgreSQL refuses to run as root; run it as the postgres system user then.
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

case "$cmd" in
start)
  if [ ! -x "$bin/initdb" ]; then
    echo "PostgreSQL server binaries not found in $bin" >&2
    exit 1
  fi
  if [ -d "$dir/data" ] && as_owner "$bin/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; then
    # already running here: reuse it rather than pulling the folder from under it
    echo "export QUENLO_TEST_PG_SOCKET=$dir/socket"
    echo "export QUENLO_TEST_PG_PORT=$port"
    echo "export QUENLO_TEST_PG_USER=quenlo"
    exit 0
  fi
  rm -rf "$dir"
  mkdir -p "$dir/data" "$dir/socket"
  if [ "$(id -u)" -eq 0 ]; then
    chown -R postgres:postgres "$dir"
  fi
  as_owner "$bin/initdb" -D "$dir/data" -U quenlo --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
  as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
    -o "-c listen_addresses='' -c unix_socket_directories=$dir/socket -p $port -c fsync=off -c max_connections=50" start >/dev/null
  echo "export QUENLO_TEST_PG_SOCKET=$dir/socket"
  echo "export QUENLO_TEST_PG_PORT=$port"
  echo "export QUENLO_TEST_PG_USER=quenlo"
  ;;
stop)
  if [ -d "$dir/data" ]; then
    as_owner "$bin/pg_ctl" -D "$dir/data" -m fast stop >/dev/null 2>&1 || true
  fi
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
