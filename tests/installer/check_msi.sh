#!/usr/bin/env bash
# Builds the release signed with a throw-away certificate and proves it:
# - osslsigncode verify accepts the program, both installers, the uninstaller
#   they carry and both packages, and refuses a copy with one byte changed;
# - the winget manifests keep to the schema and name the files' hashes
#   (check_manifests.py);
# - under Wine, in the installer test's prefix, for x64 and x86: the package
#   installs silently into its Program Files with its shortcut and its
#   Programs and Features entry in its own registry view, the program reaches
#   its launcher, 1.0.1 replaces it, the older one is then refused, and a
#   silent uninstall keeps the backups and settings, or with REMOVEBACKUPS=1
#   takes them too.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
export TW_WINE_ROOT="$PWD/build/wine-installer"
work=build/msi-test
rm -rf "$work" && mkdir -p "$work/newer"

failures=0
check() {  # check DESCRIPTION COMMAND...: prints and counts a failure
  local what=$1; shift
  if ! "$@"; then echo "FAILED: ${arch:-all}: $what"; failures=$((failures + 1)); fi
}
equals() { [ "$1" = "$2" ] || { echo "  got \"$1\", expected \"$2\"" >&2; return 1; }; }
absent() { ! "$@" >/dev/null 2>&1; }

# ---- Signing ----
password=$(openssl rand -hex 12)
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=Tidewell test signer' \
  -addext extendedKeyUsage=codeSigning -keyout "$work/signer.key" -out "$work/signer.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/signer.key" -in "$work/signer.pem" -passout "pass:$password" \
  -out "$work/signer.pfx"
TW_PACKAGE_DIR=$work/signed TW_SIGN_PFX=$work/signer.pfx TW_SIGN_PASSWORD=$password \
  scripts/package.sh > "$work/package.log"
check "package says it signs" grep -q '^package: signing with' "$work/package.log"
version=$(sed -n 's/^#define TW_FILE_VERSION "\(.*\)\.0"$/\1/p' build/win64/src/app/tidewell_version.h)

verified() { osslsigncode verify -CAfile "$work/signer.pem" -in "$1" > "$work/verify.log" 2>&1; }
signed_files=(build/packaging/x64/Tidewell.exe build/packaging/x86/Tidewell.exe
              "$work/signed/Tidewell-$version-"{x64,x86}{-setup.exe,.msi})
for file in "${signed_files[@]}"; do
  check "signature of ${file##*/}" verified "$file"
done
# One changed byte in what each signature covers: in the program's version
# resource, in the installer's packed data, in the package's summary.
tampered() {  # tampered FILE ENCODING TEXT: a copy with one bit of TEXT changed fails verify
  python3 -c 'import sys
data = bytearray(open(sys.argv[1], "rb").read())
at = data.find(sys.argv[3].encode(sys.argv[2]))
assert at >= 0, "text not found"
data[at] ^= 1
open(sys.argv[4], "wb").write(data)' "$@" "$work/tampered" && ! verified "$work/tampered"
}
check "a changed program fails verify" tampered build/packaging/x64/Tidewell.exe utf-16-le 'Quorvex System Optimizer'
check "a changed package fails verify" tampered "$work/signed/Tidewell-$version-x64.msi" ascii 'Quorvex System Optimizer'
check "a changed installer fails verify" tampered "$work/signed/Tidewell-$version-x64-setup.exe" ascii 'Nullsoft'

# A timestamp, from an authority of our own on the loopback.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=Tidewell test TSA' \
  -addext 'extendedKeyUsage=critical,timeStamping' -keyout "$work/tsa.key" -out "$work/tsa.pem" 2>/dev/null
printf '[ tsa ]\ndefault_tsa = authority\n[ authority ]\nserial = %s\nsigner_cert = %s\nsigner_key = %s\n%s\n' \
  "$PWD/$work/tsa.serial" "$PWD/$work/tsa.pem" "$PWD/$work/tsa.key" \
  $'signer_digest = sha256\ndefault_policy = 1.2.3.4.1\ndigests = sha256\naccuracy = secs:1\ness_cert_id_alg = sha256' \
  > "$work/tsa.cnf"
echo 01 > "$work/tsa.serial"
tests/installer/tsa_server.py "$work/tsa.cnf" > "$work/tsa.port" &
tsa=$!
trap 'kill "$tsa" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do [ -s "$work/tsa.port" ] && break; sleep 0.1; done
cp build/packaging/x64/Tidewell.exe "$work/timestamped.exe"
timestamped() {
  TW_SIGN_PFX=$work/signer.pfx TW_SIGN_PASSWORD=$password TW_SIGN_TIMESTAMP_URL="http://127.0.0.1:$(cat "$work/tsa.port")" \
    packaging/sign.sh "$work/timestamped.exe" &&
  osslsigncode verify -CAfile "$work/signer.pem" -TSA-CAfile "$work/tsa.pem" -in "$work/timestamped.exe" |
    grep -q '^Timestamp Server Signature verification: ok'
}
check "timestamped signature" timestamped
kill "$tsa" 2>/dev/null || true

check "manifests" tests/installer/check_manifests.py "$work/signed" "$version" build/packaging

# ---- Under Wine ----
# The newer version is this one's files under a higher number.
for a in x64 x86; do packaging/build-msi.sh "$a" "build/packaging/$a" "$work/newer" 1.0.1 >/dev/null; done
cmake --build --preset win64 -j2 --target install_probe >/dev/null
scripts/wine-prefix.sh headless
source scripts/wine-env.sh
trap 'kill "$tsa" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
probe=$(to_windows_path build/win64/tests/installer/install_probe.exe)
settings_key='HKLM\Software\Quorvex Software\Tidewell'
# Wine's msi keeps ProgramMenuFolder the user's own even for a per-machine
# install, where Windows gives the All Users one.
start_menu="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex Tidewell.lnk"
reg64() { /usr/lib/wine/wine64 reg "$@" 2>/dev/null | tr -d '\r'; }
reg32() { wine reg "$@" 2>/dev/null | tr -d '\r'; }
value() { "$1" query "$2" /v "$3" | sed -n "s/^ *$3 *REG_[A-Z_]* *//p"; }
msiexec() {  # msiexec LOG ARGS...: runs silently, logs, and returns its exit code
  local log=$1; shift
  # 64-bit, as Windows runs it for either package.
  /usr/lib/wine/wine64 msiexec "$@" /qn /l*v "$(to_windows_path "$work/$log")" >/dev/null 2>&1
}
product_code() { packaging/product-code.sh "$arch" "$1"; }
uninstall_key() { printf 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\%s' "$(product_code "$1")"; }

prove() {
  arch=$1 folder=$2 reg=$3 other_reg=$4
  local host="$WINEPREFIX/drive_c/${folder#C:\\}" older="$work/signed/Tidewell-$version-$arch.msi"
  local newer="$work/newer/Tidewell-1.0.1-$arch.msi"
  host=${host//\\//}
  # What an earlier failed run left installed goes first.
  msiexec "$arch-clean-1.log" /x "$(product_code 1.0.1)" || true
  msiexec "$arch-clean-2.log" /x "$(product_code "$version")" || true
  rm -rf "$host"
  "$reg" delete 'HKLM\Software\Quorvex Software' /f >/dev/null || true

  check "silent install" msiexec "$arch-install.log" /i "$(to_windows_path "$older")"
  check "program installed" cmp -s "$host/Tidewell.exe" "build/packaging/$arch/Tidewell.exe"
  check "help file installed" cmp -s "$host/Help.chm" "build/packaging/$arch/Help.chm"
  check "Start-menu shortcut" equals "$(wine "$probe" shortcut "$(host_to_windows "$start_menu")" | tr -d '\r')" \
    "$(printf 'target=%s\narguments=\nfolder=%s\nicon=,0' "$folder\\Tidewell.exe" "$folder\\")"
  local key; key=$(uninstall_key "$version")
  for pair in "DisplayName=Quorvex Tidewell" "DisplayVersion=$version" "Publisher=Quorvex Software" \
              "HelpLink=https://quorvex.example/support" "URLInfoAbout=https://quorvex.example/tidewell" \
              "UninstallString=MsiExec.exe /X$(product_code "$version")"; do
    check "Uninstall value ${pair%%=*}" equals "$(value "$reg" "$key" "${pair%%=*}")" "${pair#*=}"
  done
  # Wine's msi leaves InstallLocation empty; Windows writes what the package
  # sets.
  check "install folder published" grep -aqxF "Property(S): ARPINSTALLLOCATION = $folder\\" \
    <(tr -d '\r' < "$work/$arch-install.log")
  check "Uninstall key only in its own registry view" absent "$other_reg" query "$key"
  # Programs and Features takes an installed package's icon from its product
  # registration.
  local icon; icon=$(reg64 query 'HKLM\Software\Classes\Installer\Products' /s | sed -n 's/^ *ProductIcon *REG_SZ *//p' |
    grep -F "$(product_code "$version")")
  check "icon registered and cached" test -f "$WINEPREFIX/drive_c/$(tr '\\' / <<<"${icon#C:\\}")"
  check "installed program reaches its launcher" equals \
    "$(wine "$probe" launch "$folder\\Tidewell.exe" | tr -d '\r')" $'launcher shown\nexit 0'

  mkdir -p "$host/Backups/RegClean" "$host/Backups/Internet" "$host/Backups/Startup"
  echo REGEDIT4 > "$host/Backups/RegClean/x.reg"
  echo REGEDIT4 > "$host/Backups/Internet/y.reg"
  echo REGEDIT4 > "$host/Backups/Startup/z.reg"
  echo shortcut > "$host/Backups/Startup/z.lnkbackup"
  "$reg" add "$settings_key" /v states /d kept /f >/dev/null
  check "1.0.1 installs over it" msiexec "$arch-upgrade.log" /i "$(to_windows_path "$newer")"
  check "1.0.1 registered" equals "$(value "$reg" "$(uninstall_key 1.0.1)" DisplayVersion)" 1.0.1
  check "the older version is gone" absent "$reg" query "$key"
  check "program still there" test -f "$host/Tidewell.exe"
  check "upgrade keeps the backup" test -f "$host/Backups/RegClean/x.reg"
  check "upgrade keeps the settings" equals "$(value "$reg" "$settings_key" states)" kept

  # With the basic UI, so that the refusal shows its message (Wine logs none);
  # Wine titles the box otherwise than Windows, so any title is taken, and
  # the installer is the only program with a window.
  timeout 120 /usr/lib/wine/wine64 msiexec /i "$(to_windows_path "$older")" /qb >/dev/null 2>&1 &
  local downgrade=$!
  check "refused with the message" wine "$probe" wait "" \
    'A newer version of Quorvex Tidewell is already installed. Uninstall it first to install this version.' >/dev/null
  wine "$probe" press "" OK >/dev/null || true
  check "the older version is refused" absent wait "$downgrade"
  check "1.0.1 stays" equals "$(value "$reg" "$(uninstall_key 1.0.1)" DisplayVersion)" 1.0.1

  check "silent uninstall" msiexec "$arch-uninstall.log" /x "$(product_code 1.0.1)"
  check "Uninstall entry gone" absent "$reg" query "$(uninstall_key 1.0.1)"
  check "program removed" test ! -e "$host/Tidewell.exe"
  check "help file removed" test ! -e "$host/Help.chm"
  check "shortcut removed" test ! -e "$start_menu"
  check "uninstall keeps the backups" test -f "$host/Backups/RegClean/x.reg" -a -f "$host/Backups/Internet/y.reg"
  check "uninstall keeps the settings" equals "$(value "$reg" "$settings_key" states)" kept

  check "install again" msiexec "$arch-reinstall.log" /i "$(to_windows_path "$newer")"
  check "uninstall with REMOVEBACKUPS=1" msiexec "$arch-remove.log" /x "$(product_code 1.0.1)" REMOVEBACKUPS=1
  check "REMOVEBACKUPS=1 removes the install folder" test ! -e "$host"
  check "REMOVEBACKUPS=1 removes the settings" absent "$reg" query "$settings_key"
  echo "$arch: checked"
}

# The probe takes Windows paths; the shortcut is checked by its host path too.
host_to_windows() { local p=${1#"$WINEPREFIX/drive_c/"}; p="C:\\$p"; printf '%s' "${p//\//\\}"; }

# The uninstaller exists only once an installer has written it.
nsis_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex Tidewell'
for pair in x64:reg64 x86:reg32; do
  arch=${pair%%:*} reg=${pair#*:}
  rm -rf "$WINEPREFIX/drive_c/Tidewell-signed"
  wine "$(to_windows_path "$work/signed/Tidewell-$version-$arch-setup.exe")" /S '/D=C:\Tidewell-signed'
  check "signature of the uninstaller" verified "$WINEPREFIX/drive_c/Tidewell-signed/Uninstall.exe"
  wine 'C:\Tidewell-signed\Uninstall.exe' /S
  for _ in $(seq 1 100); do absent "$reg" query "$nsis_key" && break; sleep 0.2; done
done

prove x64 'C:\Program Files\Quorvex Tidewell' reg64 reg32
prove x86 'C:\Program Files (x86)\Quorvex Tidewell' reg32 reg64
ls -l "$work/signed/"Tidewell-"$version"-*.msi | awk '{print $5, $9}'
[ "$failures" -eq 0 ] || { echo "$failures package checks FAILED"; exit 1; }
echo "packages: all checks passed"
