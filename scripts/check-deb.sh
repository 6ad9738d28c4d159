#!/usr/bin/env bash
# Checks a Кварнель .deb: its control fields and dependencies, that it holds the program, the
# grown-ups' corner's module, the content, the desktop entry, the icons, the metainfo, the
# copyright file, the changelog and the manual page, and nothing else; then Debian's own checker,
# lintian, must find no error or warning and, among its informational tags, nothing about hardening.
# Usage: scripts/check-deb.sh [PATH.deb]   (default: the newest build/kvarnel_*.deb)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deb=${1:-$(ls -t "$here"/build/kvarnel_*_amd64.deb 2>/dev/null | head -n1)}
if [[ -z "$deb" || ! -f "$deb" ]]; then
  echo "usage: $0 PATH.deb (no package found)" >&2
  exit 2
fi

faults=()
fault() { faults+=("$1"); }
field() { dpkg-deb --field "$deb" "$1"; }

# Control fields.
[[ $(field Package) == kvarnel ]] || fault "Package is '$(field Package)', expected kvarnel"
[[ $(field Section) == education ]] || fault "Section is '$(field Section)', expected education"
[[ -n $(field Maintainer) ]] || fault "no Maintainer"
version=$(field Version)
arch=$(field Architecture)
[[ $(basename "$deb") == "kvarnel_${version}_${arch}.deb" ]] ||
  fault "file name $(basename "$deb") does not match kvarnel_${version}_${arch}.deb"
grep -q 'Кварнель' <<<"$(dpkg-deb --info "$deb")" || fault "the description has no Russian text"

# Dependencies: the run-time packages only, and those that hold the Qt plugins and translations
# the program loads at run time.
mapfile -t depends < <(field Depends | tr ',' '\n' | sed -E 's/^ +//; s/ .*//; s/\|.*//' | grep -v '^$')
((${#depends[@]})) || fault "no Depends"
for p in "${depends[@]}"; do
  case "$p" in
    *-dev|*-dev-tools|build-essential|cmake|ninja-build|ccache|g++*|gcc*|pkg-config)
      fault "Depends on a build package: $p" ;;
    espeak-ng*|lame|sox|npm|nodejs|poppler-utils|xvfb|fonts-*)
      fault "Depends on a content generator's package: $p" ;;
    libasan*|libubsan*|libtsan*)
      fault "Depends on a sanitizer run-time: $p (a sanitizer build was packaged)" ;;
  esac
done
for p in libqt6gui6 libqt6printsupport6 qt6-translations-l10n libqt6sql6-sqlite libsdl2-2.0-0 libmpg123-0 libmp3lame0; do
  grep -qx "$p" <<<"$(printf '%s\n' "${depends[@]}")" || fault "Depends lacks $p"
done
# The corner's module's libraries, whose package names carry OpenCV's version.
for p in 'libopencv-core[0-9.]+' 'libopencv-imgproc[0-9.]+'; do
  grep -qxE "$p" <<<"$(printf '%s\n' "${depends[@]}")" || fault "Depends lacks $p"
done
# SDL2 is opened by name, not linked: its version is the one written by hand.
grep -qE '(^|, )libsdl2-2\.0-0 \(>= 2\.24' <<<"$(field Depends)" || fault "Depends lacks libsdl2-2.0-0 (>= 2.24.0)"

# Contents: the listing, and its path column without the leading "./". The checks read the saved
# text: a grep -q that stops reading early must not break a pipe under pipefail.
contents=$(dpkg-deb --contents "$deb")
paths=$(sed -E 's/^([^ ]+ +){5}//; s#^\./##; s#/$##' <<<"$contents" | grep -v '^$')
has() { grep -qxE "$1" <<<"$paths"; }
desktop=$(grep -E '^usr/share/applications/[^/]+\.desktop$' <<<"$paths" || true)
if [[ -z "$desktop" || $(wc -l <<<"$desktop") -ne 1 ]]; then
  fault "expected one desktop entry, found: ${desktop:-none}"
  id=org.example.kvarnel
else
  id=$(basename "$desktop" .desktop)
fi
idre=${id//./\\.}
has 'usr/bin/kvarnel' || fault "no usr/bin/kvarnel"
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
module=usr/lib/$triplet/kvarnel/libkvarnel-corner.so
has "${module//./\\.}" || fault "no $module (the grown-ups' corner's module)"
grep -qE '^-rwxr-xr-x .* \./usr/bin/kvarnel$' <<<"$contents" || fault "usr/bin/kvarnel is not executable"
has 'usr/share/kvarnel/CONTENT-CREDITS\.txt' || fault "no content credits"
has 'usr/share/kvarnel/Sound/Женский голос/Буквы/[^/]+\.mp3' || fault "no letter sound (female voice)"
has 'usr/share/kvarnel/Sound/Мужской голос/Буквы/[^/]+\.mp3' || fault "no letter sound (male voice)"
has 'usr/share/kvarnel/Pic/Alphabet/Rus/[^/]+\.jpg' || fault "no letter picture"
has 'usr/share/kvarnel/Pic/Images/Rus/[^/]+\.jpg' || fault "no word picture"
has 'usr/share/kvarnel/Pic/Raskraska/[^/]+/[^/]+\.flim' || fault "no colouring page"
has "usr/share/metainfo/${idre}\.metainfo\.xml" || fault "no metainfo for $id"
has "usr/share/icons/hicolor/scalable/apps/${idre}\.svg" || fault "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  has "usr/share/icons/hicolor/${size}x${size}/apps/${idre}\.png" || fault "no ${size} px icon"
done
has 'usr/share/doc/kvarnel/copyright' || fault "no copyright file"
has 'usr/share/doc/kvarnel/changelog\.gz' || fault "no changelog"
has 'usr/share/man/man1/kvarnel\.1\.gz' || fault "no manual page"
# Lintian's overrides, if any: each overridden tag has its reason on the comment line above it.
if has 'usr/share/lintian/overrides/kvarnel'; then
  overrides=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/lintian/overrides/kvarnel)
  while IFS= read -r line; do
    fault "lintian override without a reason on the line above: $line"
  done < <(awk '/^[[:space:]]*$/ { prev = ""; next } !/^#/ && prev !~ /^#/ { print } { prev = $0 }' <<<"$overrides")
fi
# Nothing else: no other library, no headers, tests, benchmarks or content tools.
allowed="^(usr|usr/bin|usr/bin/kvarnel|usr/lib|usr/lib/${triplet}|usr/lib/${triplet}/kvarnel|usr/lib/${triplet}/kvarnel/libkvarnel-corner\.so|usr/share|usr/share/kvarnel(/.*)?|usr/share/applications(/${idre}\.desktop)?|usr/share/metainfo(/${idre}\.metainfo\.xml)?|usr/share/icons|usr/share/icons/hicolor(/[^/]+(/apps(/${idre}\.(png|svg))?)?)?|usr/share/doc(/kvarnel(/(copyright|changelog\.gz))?)?|usr/share/man(/man1(/kvarnel\.1\.gz)?)?|usr/share/lintian(/overrides(/kvarnel)?)?)$"
while IFS= read -r extra; do
  fault "unexpected file in the package: $extra"
done < <(grep -vE "$allowed" <<<"$paths" || true)

content_files=$(grep -c '^usr/share/kvarnel/.*\.\(mp3\|jpg\|flim\)$' <<<"$paths" || true)
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, $(wc -l <<<"$paths") paths, $content_files content files"
echo "Depends: $(field Depends)"

# Debian's checker, with its informational tags: no error, no warning, and no hardening tag of any
# level (the program is built with Debian's usual hardening: PIE, stack protector, fortified
# functions, relro and bind-now). Other informational tags are printed, not faults; a tag known to
# be wrong for this package is overridden, with its reason, in packaging/lintian-overrides.
if command -v lintian >/dev/null; then
  lint=$(lintian --display-info --fail-on none "$deb" 2>&1) || true
  [[ -n "$lint" ]] && echo "$lint"
  while IFS= read -r tag; do
    fault "lintian: $tag"
  done < <(grep -E '^[EW]: |^[A-Z]: [^ ]+: hardening-' <<<"$lint" || true)
else
  fault "lintian is not installed (packages.txt names it)"
fi
if ((${#faults[@]})); then
  printf 'FAULT: %s\n' "${faults[@]}" >&2
  exit 1
fi
echo "check-deb: all good"
