#!/usr/bin/env bash
# Signs each file in place with Authenticode (osslsigncode), SHA-256:
#   packaging/sign.sh FILE...
# The certificate is either a PKCS#12 file:
#   TW_SIGN_PFX=<file.pfx>  TW_SIGN_PASSWORD=<its password>
# or a key on a PKCS#11 token (a smart card, an HSM):
#   TW_SIGN_PKCS11_MODULE=<module .so>  TW_SIGN_KEY=<pkcs11: URI of the key>
#   TW_SIGN_CERT=<certificate chain, PEM>  [TW_SIGN_PASSWORD=<the token's PIN>]
# TW_SIGN_TIMESTAMP_URL adds an RFC 3161 timestamp from that server, so the
# signature outlives the certificate. `packaging/sign.sh --enabled` only
# answers, by its exit code, whether a certificate is given.
set -euo pipefail

enabled() { [ -n "${TW_SIGN_PFX:-}" ] || [ -n "${TW_SIGN_PKCS11_MODULE:-}" ]; }
if [ "${1:-}" = --enabled ]; then enabled; exit; fi
enabled || { echo "sign: no certificate given (TW_SIGN_PFX or TW_SIGN_PKCS11_MODULE)" >&2; exit 2; }

if [ -n "${TW_SIGN_PFX:-}" ]; then
  [ -f "$TW_SIGN_PFX" ] || { echo "sign: $TW_SIGN_PFX is not a file" >&2; exit 2; }
  identity=(-pkcs12 "$TW_SIGN_PFX")
else
  : "${TW_SIGN_KEY:?sign: TW_SIGN_KEY must name the key on the token}"
  : "${TW_SIGN_CERT:?sign: TW_SIGN_CERT must name the certificate chain}"
  identity=(-pkcs11module "$TW_SIGN_PKCS11_MODULE" -key "$TW_SIGN_KEY" -certs "$TW_SIGN_CERT")
fi
timestamp=()
[ -z "${TW_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$TW_SIGN_TIMESTAMP_URL")

# The password goes through a file only this user can read: on the command
# line every user of the build machine could read it in the process list.
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
printf '%s' "${TW_SIGN_PASSWORD:-}" > "$private/password"

for file in "$@"; do
  # A fresh name: osslsigncode will not write over a file that is there.
  signed=$(mktemp -u "$file.XXXXXX")
  if ! osslsigncode sign "${identity[@]}" -readpass "$private/password" -h sha256 -n "Quorvex Tidewell" \
         -i https://quorvex.example/tidewell "${timestamp[@]}" -in "$file" -out "$signed" >/dev/null; then
    rm -f "$signed"
    echo "sign: could not sign $file" >&2
    exit 1
  fi
  chmod --reference="$file" "$signed"
  mv -f "$signed" "$file"
done
