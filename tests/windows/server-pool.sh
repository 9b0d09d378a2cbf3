# Sourced by the scripts that start orvane-server once per kind of answer a test group
# needs (http-servers.sh, https-servers.sh). Every server started here is stopped again
# however the script ends.
#
#   pool_open LABEL SERVER_EXE WORK_FOLDER   checks the server, makes WORK_FOLDER afresh
#                                            (pool_work then holds its absolute path)
#   pool_serve NAME [orvane-server options...]
#                                            starts one server on a free port, waits for
#                                            it to listen, and sets pool_port
#   wine_path PATH                           PATH as Wine sees it (Z:\...)

pool_pids=()

pool_stop() {
  local rc=$?
  for pid in "${pool_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pool_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  exit "$rc"
}

pool_open() {
  pool_label="$1"
  pool_server="$2"
  if [ ! -x "$pool_server" ]; then
    echo "$pool_label: no orvane-server at '$pool_server' (build the native configuration first)" >&2
    exit 1
  fi
  rm -rf -- "$3"
  mkdir -p -- "$3"
  pool_work="$(cd -- "$3" && pwd)"
  trap pool_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

pool_serve() {
  local name="$1"
  shift
  "$pool_server" --port 0 --port-file "$pool_work/$name.port" "$@" >"$pool_work/$name.out" 2>&1 &
  pool_pids+=("$!")
  for _ in $(seq 200); do
    [ -s "$pool_work/$name.port" ] && break
    if ! kill -0 "${pool_pids[-1]}" 2>/dev/null; then break; fi
    sleep 0.05
  done
  if [ ! -s "$pool_work/$name.port" ]; then
    echo "$pool_label: the $name server did not start:" >&2
    cat "$pool_work/$name.out" >&2
    exit 1
  fi
  pool_port="$(cat "$pool_work/$name.port")"
}

wine_path() { printf 'Z:%s' "${1//\//\\}"; }
