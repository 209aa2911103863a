#!/usr/bin/env bash
# Installs what is missing, builds, starts a throwaway PostgreSQL server and runs
# every test suite against it and SQLite. The server goes away with the script.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
./scripts/build.sh

# shellcheck source=scripts/pg-test-server.sh
. ./scripts/pg-test-server.sh
pg_test_server_start

cd build
ctest --output-on-failure --timeout 900 -j "$(nproc)"
