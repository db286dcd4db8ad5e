#!/bin/sh
# The browser tests as one ctest test: run_browser_tests.sh PROGRAM
# Without chromium, node or the tests' node_modules (`npm ci` here) they are
# skipped (status 77), unless COMPILA_BROWSER_REQUIRED is set, as in CI,
# where a skip would hide that they never ran.
cd "$(dirname "$0")" || exit 1
chromium=${COMPILA_CHROMIUM:-/usr/bin/chromium}
mancante=""
[ -x "$chromium" ] || mancante="$chromium"
command -v node >/dev/null 2>&1 || mancante="$mancante node"
[ -d node_modules/puppeteer-core ] || mancante="$mancante node_modules (npm ci in tests/browser)"
if [ -n "$mancante" ]; then
  echo "browser tests not run, missing:$mancante"
  [ -n "${COMPILA_BROWSER_REQUIRED:-}" ] && exit 1
  exit 77
fi
COMPILA_PROGRAM=$1 exec node --test page.test.js live.test.js
