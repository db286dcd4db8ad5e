#!/bin/sh
# watch in the Windows build, under wine: it starts, compiles the exported
# built-in sources, serves the page on the port it prints (any other path
# gets 404), and ends with status 0 on Ctrl-C, leaving no temporary.
#   watch_under_wine.sh WINE_RUN PROGRAM
# PROGRAM is the console twin, compila_scenario.com: what a console runs,
# and what its Ctrl-C reaches (wine turns SIGINT into it).
set -u
wine_run=$1
programma=$2
cartella=$(mktemp -d)
pid=""
fine() {
  [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null
  rm -rf "$cartella"
}
trap fine EXIT
fallito() {
  echo "FAILED: $*"
  echo "--- out:"; cat "$cartella/out.txt" 2>/dev/null
  echo "--- err:"; cat "$cartella/err.txt" 2>/dev/null
  exit 1
}

cd "$cartella" || exit 1
"$wine_run" "$programma" export-sources --output-dir . >/dev/null || fallito "export-sources"
mkdir uscita
"$wine_run" "$programma" watch 'Verona _Firenze  _linea.txt' 'Verona _Firenze  _ EC 85-.txt' \
  --output-dir uscita >out.txt 2>err.txt &
pid=$!

indirizzo=""
for _ in $(seq 1 120); do
  indirizzo=$(grep -o 'http://127\.0\.0\.1:[0-9]*/' out.txt 2>/dev/null | head -n 1)
  [ -n "$indirizzo" ] && break
  sleep 0.5
done
[ -n "$indirizzo" ] || fallito "no address printed"
grep -q 'compile 1: 0 anomalies' out.txt || fallito "the first compile"
[ "$(ls uscita | wc -l)" -eq 3 ] || fallito "three binary files expected in uscita: $(ls uscita)"

stato=$(curl -s -o pagina.html -w '%{http_code}' "$indirizzo") || fallito "GET / failed"
[ "$stato" = 200 ] || fallito "GET / gave $stato"
grep -q '"compile":{"generation":1,' pagina.html || fallito "the page holds no compile"
stato=$(curl -s -o /dev/null -w '%{http_code}' "${indirizzo}uscita/") || fallito "GET /uscita/ failed"
[ "$stato" = 404 ] || fallito "GET /uscita/ gave $stato"

kill -INT "$pid"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fallito "still running 20 s after Ctrl-C"
wait "$pid"
esito=$?
pid=""
[ "$esito" -eq 0 ] || fallito "ended with status $esito on Ctrl-C"
! ls uscita | grep -q '\.tmp$' || fallito "a temporary was left: $(ls uscita)"
echo "watch under wine: started, compiled, served $indirizzo, ended on Ctrl-C"
