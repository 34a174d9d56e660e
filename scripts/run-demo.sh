#!/usr/bin/env bash
# Starts the program on the demo database. On first use, and after the generator or the settings
# template changed, it builds the demo databases in datos/ beside the program and writes
# vu000va.ini with this machine's host and login names.
# RPQ_DEMO_KIND picks the report kind (RMC or OC, RMC by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${RPQ_BUILD_DIR:-build}
program_dir=$build/src/program
generator=$build/demo/rpq_demogen
kind=${RPQ_DEMO_KIND:-RMC}
user=ADMIN
password=admin

if [ ! -x "$generator" ]; then
  echo "The demo generator is not built yet: run scripts/build.sh first." >&2
  exit 1
fi
mkdir -p "$program_dir/datos" "$program_dir/img_menu"
# A generator newer than the database (stored forms or report rows changed) rebuilds it.
if [ ! -f "$program_dir/datos/DEMO.db" ] || [ "$generator" -nt "$program_dir/datos/DEMO.db" ]; then
  "$generator" "$program_dir/datos" DEMO 20240101 2000
fi
if [ ! -f "$program_dir/vu000va.ini" ] || [ demo/vu000va.ini.in -nt "$program_dir/vu000va.ini" ]; then
  host=$(hostname | tr '[:lower:]' '[:upper:]')
  login=$(id -un | tr '[:lower:]' '[:upper:]')
  # The stored password form never holds "|", so it can stand in a sed replacement.
  stored_user=$("$generator" --encode "$user")
  stored_password=$("$generator" --encode "$password")
  sed -e "s|@HOST@|$host|g" -e "s|@LOGIN@|$login|g" -e "s|@USER@|$stored_user|g" \
      -e "s|@PASSWORD@|$stored_password|g" demo/vu000va.ini.in | sed 's/$/\r/' > "$program_dir/vu000va.ini"
fi
if [ ! -x "$program_dir/rp_quindal" ]; then
  echo "The demo database is ready in $program_dir/datos; the program rp_quindal is not built yet."
  exit 0
fi
exec "$program_dir/rp_quindal" "@ParametroAdicional=$kind;@Menu=C0105;@Server=datos;@DbName=DEMO;@Usuario=$user;@Password=$password;@Caja=1;"
