#!/usr/bin/env bash
# Starts the program on the demo database. On first use, after the generator or the settings
# template changed, and when it finds a demo database damaged or incomplete, it builds the demo
# databases in datos/ beside the program (aside first, then moved in) and writes vu000va.ini
# with this machine's host and login names; a database that another program is writing, or
# that a running program has open, is left alone and the script stops. Without a display the program says how to run it
# under xvfb-run.
# RPQ_DEMO_KIND picks the report kind (RMC or OC in any letter case, RMC by default); any other
# is refused with the list, before anything is built or started.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${RPQ_BUILD_DIR:-build}
program_dir=$build/src/program
generator=$build/demo/rpq_demogen
kind=${RPQ_DEMO_KIND:-RMC}
case "${kind^^}" in
  RMC|OC) ;;
  *)
    # The program would show it and print empty reports: the demo has documents of these only.
    echo "RPQ_DEMO_KIND=$kind is not a report kind of the demo. Use one of:" >&2
    echo "  RMC  purchase delivery notes (the default)" >&2
    echo "  OC   purchase orders" >&2
    exit 1
    ;;
esac
user=ADMIN
password=admin

if [ ! -x "$generator" ]; then
  echo "The demo generator is not built yet: run scripts/build.sh first." >&2
  exit 1
fi
data_dir=$program_dir/datos
mkdir -p "$data_dir" "$program_dir/img_menu"

# The process id of a running program that has the file open (among the processes this user
# may look at); nothing when none has.
program_holding() {
  local pattern found
  # find matches the link's text as a pattern: the path's own pattern characters are escaped.
  pattern=$(readlink -f "$1" | sed 's/[][*?\\]/\\&/g')
  found=$(find /proc/[0-9]*/fd -maxdepth 1 -lname "$pattern" 2>/dev/null | head -n 1 || true)
  [ -n "$found" ] || return 1
  echo "$found" | cut -d/ -f3
}

# A program still running on a database keeps writing into the file it opened: one moved in
# over it would take what that program stores (saved windows, templates) into a file nobody
# opens again.
refuse_databases_in_use() {
  local db pid
  for db in DEMO KQ_ESTADISTICAS; do
    if [ -f "$data_dir/$db.db" ] && pid=$(program_holding "$data_dir/$db.db"); then
      echo "The demo database $data_dir/$db.db is open in a running program (process $pid):" >&2
      echo "it is not built again under that program. Close it and start the demo again." >&2
      exit 1
    fi
  done
}

# Builds the databases in a folder of their own and moves them in only when the generator
# finished, so that the program never starts on a half-built database.
building=
build_demo_databases() {
  refuse_databases_in_use
  building=$(mktemp -d "$data_dir/.building.XXXXXX")
  trap 'rm -rf "$building"' EXIT
  echo "Building the demo databases in $data_dir ..."
  "$generator" "$building" DEMO 20240101 2000
  if ! problem=$("$generator" --check "$building" DEMO); then
    echo "The demo database just built $problem." >&2
    exit 1
  fi
  mv -f "$building/KQ_ESTADISTICAS.db" "$data_dir/KQ_ESTADISTICAS.db"
  mv -f "$building/DEMO.db" "$data_dir/DEMO.db"   # last: once it is in place, the set is complete
  rm -rf "$building"
  trap - EXIT
}

# A generator newer than the database (stored forms or report rows changed) rebuilds it, and
# so does a missing, damaged or incomplete one; one that another program is writing is never
# replaced (what that program and the operators stored in it would be lost).
check_status=0
problem=
if [ -f "$data_dir/DEMO.db" ]; then
  problem=$("$generator" --check "$data_dir" DEMO) || check_status=$?
fi
if [ "$check_status" -eq 3 ]; then
  echo "The demo database $problem: it is left as it is." >&2
  echo "Start the demo again when that program has finished." >&2
  exit 1
fi
if [ ! -f "$data_dir/DEMO.db" ] || [ "$generator" -nt "$data_dir/DEMO.db" ]; then
  build_demo_databases
elif [ "$check_status" -ne 0 ]; then
  echo "The demo database $problem: building the demo databases again." >&2
  build_demo_databases
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
  echo "The demo database is ready in $data_dir; the program rp_quindal is not built yet."
  exit 0
fi
exec "$program_dir/rp_quindal" "@ParametroAdicional=$kind;@Menu=C0105;@Server=datos;@DbName=DEMO;@Usuario=$user;@Password=$password;@Caja=1;"
