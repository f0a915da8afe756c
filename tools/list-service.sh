#!/bin/bash
# Starts or stops the list service in the background.
#
# usage: list-service.sh start|stop [STATE_DIR]
#
# It answers on 127.0.0.1:8460, or on $NUVRI_SERVICE_PORT. Its pid and log
# live in STATE_DIR, by default build/list-service under the repository.
# Starting when the service already answers on that port does nothing;
# stopping when it is not running does nothing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
port="${NUVRI_SERVICE_PORT:-8460}"
state="${2:-$root/build/list-service}"
pid_file="$state/list-service.pid"

# 0: the list service answers on the port; 1: nothing listens; 2: something else does.
probe() {
    python3 - "$port" <<'EOF'
import json, socket, sys, urllib.request
port = int(sys.argv[1])
try:
    with urllib.request.urlopen(f"http://127.0.0.1:{port}/__control/ping", timeout=2) as answer:
        sys.exit(0 if json.load(answer).get("service") == "nuvri-list-service" else 2)
except Exception:
    pass
try:
    socket.create_connection(("127.0.0.1", port), timeout=2).close()
except OSError:
    sys.exit(1)
sys.exit(2)
EOF
}

running_pid() {
    [[ -f "$pid_file" ]] || return 1
    local pid
    pid="$(cat "$pid_file")"
    [[ "$pid" =~ ^[0-9]+$ ]] && kill -0 "$pid" 2>/dev/null &&
        grep -q list_service.py "/proc/$pid/cmdline" 2>/dev/null && echo "$pid"
}

start() {
    local status=0
    probe || status=$?
    if [[ $status == 0 ]]; then
        echo "list service already answers on 127.0.0.1:$port"
        return 0
    elif [[ $status == 2 ]]; then
        echo "port $port is held by something other than the list service" >&2
        return 1
    fi
    mkdir -p "$state"
    nohup python3 "$root/tools/list_service.py" --host 127.0.0.1 --port "$port" \
        --log "$state/list-service.log" </dev/null >>"$state/list-service.log" 2>&1 &
    local pid=$!
    echo "$pid" >"$pid_file"
    for _ in $(seq 1 50); do
        if probe; then
            echo "list service answers on 127.0.0.1:$port (pid $pid, log $state/list-service.log)"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.2
    done
    echo "list service did not answer on 127.0.0.1:$port; its log:" >&2
    tail -n 20 "$state/list-service.log" >&2 || true
    kill "$pid" 2>/dev/null || true
    rm -f "$pid_file"
    return 1
}

stop() {
    local pid
    if pid="$(running_pid)"; then
        kill "$pid"
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        echo "list service stopped (pid $pid)"
    fi
    rm -f "$pid_file"
}

case "${1:-}" in
    start) start ;;
    stop) stop ;;
    *) echo "usage: $0 start|stop [STATE_DIR]" >&2; exit 2 ;;
esac
