#!/usr/bin/env bash
# Installs what building, running and testing Netvik needs on Debian, and
# nothing when it is all there already.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have_package() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

have cmake || need+=(cmake)
have make || need+=(make)
have g++ || need+=(g++)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have i686-w64-mingw32-g++-win32 || need+=(g++-mingw-w64-i686-win32)
have x86_64-w64-mingw32-g++-win32 || need+=(g++-mingw-w64-x86-64-win32)
have i686-w64-mingw32-windres || need+=(binutils-mingw-w64-i686)
have x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
have wine || need+=(wine)
have_package wine64 || need+=(wine64)
have_package wine32:i386 || need+=(wine32:i386)
[ -f /usr/share/wine/fonts/marlett.ttf ] || need+=(fonts-wine)
have Xvfb || need+=(xvfb)
have import || need+=(imagemagick)
have ip || need+=(iproute2)
have unshare || need+=(util-linux)
have clang++ || need+=(clang)
have clang-format || need+=(clang-format)
[ -x /usr/sbin/vsftpd ] || need+=(vsftpd)
have python3 || need+=(python3)
# The icon tool draws with PIL, in Debian's own Python 3 (tools/make_icons.py).
have_package python3-pil || need+=(python3-pil)
have makensis || need+=(nsis)
[ -n "$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a 2>/dev/null)" ] || need+=(libclang-rt-dev)

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps.sh: installing with apt-get (${#need[@]} packages and what they need): ${need[*]}"
sudo=()
if [ "$(id -u)" != 0 ]; then
  have sudo || { echo "install-deps.sh: root or sudo is needed to install ${need[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if [[ " ${need[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
echo "install-deps.sh: updating the package lists"
"${sudo[@]}" apt-get update -qq
# apt-get's own lines show the download and the set-up as they go.
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${need[@]}"
echo "install-deps.sh: installed ${need[*]}"
