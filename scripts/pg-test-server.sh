# Sourced by the test command: a private PostgreSQL cluster in a temporary folder,
# reached through its own socket, stopped and removed when the shell exits.

pg_test_server_start() {
  local bindir
  bindir=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
  PG_TEST_DIR=$(mktemp -d /tmp/zorlik-pg.XXXXXX)
  local password
  password=$(head -c 18 /dev/urandom | base64 | tr -d '/+=')
  printf '%s\n' "$password" > "$PG_TEST_DIR/pwfile"

  local as=()
  if [ "$(id -u)" -eq 0 ]; then
    chown -R postgres: "$PG_TEST_DIR"
    as=(runuser -u postgres --)
  fi
  trap pg_test_server_stop EXIT

  "${as[@]}" "$bindir/initdb" -D "$PG_TEST_DIR/data" -U zorlik --pwfile="$PG_TEST_DIR/pwfile" \
    -A scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$PG_TEST_DIR/initdb.log" 2>&1 \
    || { cat "$PG_TEST_DIR/initdb.log"; return 1; }
  "${as[@]}" "$bindir/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/server.log" -w \
    -o "-c listen_addresses='' -c unix_socket_directories='$PG_TEST_DIR' -p 5433 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" \
    start >/dev/null || { cat "$PG_TEST_DIR/server.log"; return 1; }
  PG_TEST_BINDIR=$bindir
  PG_TEST_AS=("${as[@]}")

  export ZORLIK_TEST_PGHOST="$PG_TEST_DIR"
  export ZORLIK_TEST_PGPORT=5433
  export ZORLIK_TEST_PGUSER=zorlik
  export ZORLIK_TEST_PGPASSWORD="$password"
}

pg_test_server_stop() {
  if [ -n "${PG_TEST_DIR:-}" ] && [ -d "$PG_TEST_DIR/data" ]; then
    "${PG_TEST_AS[@]}" "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m immediate stop \
      >/dev/null 2>&1 || true
  fi
  [ -n "${PG_TEST_DIR:-}" ] && rm -rf "$PG_TEST_DIR"
  PG_TEST_DIR=
}
