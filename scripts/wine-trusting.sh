#!/usr/bin/env bash
# Runs a command with Wine trusting one more certificate authority:
#   wine-trusting.sh CA.pem COMMAND [ARGS...]
# Wine's crypt32 trusts only the host's bundle (/etc/ssl/certs/ca-certificates.crt) and
# ignores certificates added to a Root store. So the command runs in a mount namespace of
# its own (unshare -m, which needs root, as the tests and CI have) where a copy of the
# bundle with the authority added is bind-mounted over the bundle. Nothing outside that
# namespace sees the change, and it ends with the command. The command's exit code is
# passed on.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 CA.pem COMMAND [ARGS...]" >&2
  exit 2
fi
ca="$(realpath -- "$1")"
shift
bundle=/etc/ssl/certs/ca-certificates.crt
if [ ! -f "$bundle" ]; then
  echo "wine-trusting: no bundle at $bundle to extend (install ca-certificates)" >&2
  exit 2
fi
if ! grep -q -- "-----BEGIN CERTIFICATE-----" "$ca"; then
  echo "wine-trusting: $ca holds no PEM certificate" >&2
  exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf -- "$work"' EXIT
cat -- "$bundle" "$ca" >"$work/ca-certificates.crt"

# --propagation private: the bind mount never reaches the host's namespace.
status=0
unshare -m --propagation private -- sh -c 'mount --bind "$1" "$2" && shift 2 && exec "$@"' \
  sh "$work/ca-certificates.crt" "$bundle" "$@" || status=$?
exit "$status"
