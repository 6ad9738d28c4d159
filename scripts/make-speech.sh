#!/usr/bin/env bash
# Makes the natural-voice clips of the demo content once, for the repository: every letter name,
# letter sound, phrase, syllable (as read and drawn out) and first word in a female and a male RHVoice voice, written to tools/data/speech with
# tools/data/speech/clips.txt recording, per clip, the engine, voice, version, rate, exact text and
# what was cut or stretched. The build copies them into the content; it never needs RHVoice.
#
# Needs RHVoice (Debian 12 packages rhvoice and rhvoice-russian, section non-free: HACKING.md says
# how to enable it), sox and lame, and a configured build tree for kvarnel_speech_tool.
# Usage: scripts/make-speech.sh [BUILD_DIR]      (default: build)
# Writes speech-sheet-<voice>.png beside the build tree to look the clips over.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
out=$here/tools/data/speech

if ! command -v RHVoice-test >/dev/null || ! dpkg-query -W rhvoice-russian >/dev/null 2>&1; then
  cat >&2 <<'EOF'
RHVoice is not installed. It is in Debian's non-free section: add "non-free" to the Components of
/etc/apt/sources.list.d/debian.sources (see HACKING.md), then
  sudo apt-get update && sudo apt-get install rhvoice rhvoice-russian
EOF
  exit 1
fi
for tool in sox lame; do
  command -v $tool >/dev/null || { echo "$tool is needed: sudo apt-get install $tool" >&2; exit 1; }
done
kst=${KVARNEL_SPEECH_TOOL:-}  # a tool built elsewhere, or the build tree's
if [[ -z $kst ]]; then
  cmake --build "$build" --target kvarnel_speech_tool >&2
  kst=$build/tools/kvarnel_speech_tool
fi
version=$(dpkg-query -W -f '${Version}' rhvoice-russian)

# The voices, chosen by measures and spectrograms (HACKING.md, "Speech"). Their licences are in
# voices.txt; a voice under a non-commercial or no-derivatives licence must never be used.
female=anna
male=aleksandr-hq
# Speech rates (per cent) of the male voice: calm for names and phrases, slower for a lone vowel.
# anna speaks about a quarter faster at the same rate, so she is given 10 less.
name_rate=70
vowel_rate=50
phrase_rate=75
source_rate=80  # the words the consonant sounds are cut from
syllable_rate=60  # a syllable as it is read, and the words syllables are cut from
word_rate=70      # a first word, at the pace of the letter names
sound_seconds=0.65  # how long a held sound is stretched to (its faded ends sound a little shorter)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
records=$work/records
mkdir -p "$records"
rm -rf "$out/Женский голос" "$out/Мужской голос"
record=$out/clips.txt
cat >"$record" <<'EOF'
# The committed speech clips, written by scripts/make-speech.sh. One clip a line, tab-separated:
# path under Sound/, engine, voice, engine version, rate (per cent), the exact text fed to the
# engine, and what was done to its sound besides the level and trim every clip gets.
EOF

say() {  # VOICE RATE TEXT WAV
  printf '%s' "$3" | RHVoice-test -p "$1" -r "$2" -o "$4"
}
# Seconds of the sounding part of a WAV: "START END BOUNDARY".
bounds() { "$kst" boundary "$1"; }
# Stretches a WAV's sound to LENGTH seconds, keeping its pitch.
stretch() {  # IN OUT LENGTH
  local len factor
  len=$(soxi -D "$1")
  factor=$(awk -v a="$len" -v b="$3" 'BEGIN { f = a / b; if (f < 0.1) f = 0.1; printf "%.3f", f }')
  sox "$1" "$2" tempo -s "$factor"
}
finish() {  # WAV REL VOICE RATE TEXT MAKING
  mkdir -p "$(dirname "$out/$2")"
  local measures
  # Up to three times: on a busy machine lame can outlast the tool's time limit.
  local try
  for try in 1 2 3; do
    measures=$("$kst" finish "$1" "$out/$2" 2>"finish-$try.err") && break
    ((try < 3)) || { cat finish-*.err >&2; echo "$2: kvarnel_speech_tool finish failed" >&2; exit 1; }
  done
  echo "$measures" >&2
  printf '%s\tRHVoice\t%s\t%s\t%s\t%s\t%s\n' "$2" "$3" "$version" "$4" "$5" "$6" >"$records/${2//\//|}"
}
# Runs a clip's function in the background in a folder of its own, at most 8 at a time: the engine
# and the tools wait on the disk more than they compute.
clip() {
  while (($(jobs -rp | wc -l) >= 8)); do wait -n; done
  (cd "$(mktemp -d -p "$work")" && "$@") &
}

# A name or phrase as the engine says it.
whole() {  # VOICE FOLDER REL RATE TEXT
  say "$1" "$4" "$5" "w.wav"
  finish "w.wav" "$2/$3" "$1" "$4" "$5" whole
}
# A vowel's name: said alone it is over in a quarter of a second, so its sound is stretched to 0.4 s.
vowel_name() {  # VOICE FOLDER LETTER TEXT RATE
  say "$1" "$5" "$4" "n.wav"
  read -r s e _ < <(bounds "n.wav")
  sox "n.wav" "n1.wav" trim "$s" "=$e"
  stretch "n1.wav" "n2.wav" 0.40
  finish "n2.wav" "$2/Буквы/$3.mp3" "$1" "$5" "$4" "sounding part stretched to 0.40 s (sox tempo)"
}
# A vowel sound: said slowly, then its sounding part stretched to the held length.
vowel() {  # VOICE FOLDER LETTER TEXT
  say "$1" $vowel_rate "$4" "v.wav"
  read -r s e _ < <(bounds "v.wav")
  sox "v.wav" "v1.wav" trim "$s" "=$e"
  stretch "v1.wav" "v2.wav" $sound_seconds
  finish "v2.wav" "$2/Звуки/$3.mp3" "$1" $vowel_rate "$4" "sounding part stretched to ${sound_seconds} s (sox tempo)"
}
# A held consonant the engine cannot say alone: cut from a syllable (before or after the
# boundary to its vowel, 20 ms clear of it; or, for a glide that has no boundary, the last 40 %
# of the sound), faded at the cut, stretched to the held length.
held() {  # VOICE FOLDER LETTER TEXT first|second|last
  say "$1" $source_rate "$4" "h.wav"
  read -r s e b < <(bounds "h.wav")
  local from to
  if [[ $5 == first ]]; then from=$s; to=$(awk -v b="$b" 'BEGIN { printf "%.3f", b - 0.02 }')
  elif [[ $5 == last ]]; then from=$(awk -v s="$s" -v e="$e" 'BEGIN { printf "%.3f", s + 0.6 * (e - s) }'); to=$e
  else from=$(awk -v b="$b" 'BEGIN { printf "%.3f", b + 0.02 }'); to=$e; fi
  sox "h.wav" "h1.wav" trim "$from" "=$to" fade 0.01 -0 0.03
  stretch "h1.wav" "h2.wav" $sound_seconds
  finish "h2.wav" "$2/Звуки/$3.mp3" "$1" $source_rate "$4" \
    "the $5 sound, ${from}-${to} s, cut and stretched to ${sound_seconds} s (sox trim, fade, tempo)"
}
# A stop: the burst and the least of its vowel, 0.14 s of sound with a 60 ms fade.
stop() {  # VOICE FOLDER LETTER TEXT
  say "$1" $source_rate "$4" "s.wav"
  read -r s _ _ < <(bounds "s.wav")
  sox "s.wav" "s1.wav" trim "$s" 0.14 fade 0 -0 0.06
  finish "s1.wav" "$2/Звуки/$3.mp3" "$1" $source_rate "$4" "the first 0.14 s of sound, faded over 60 ms (sox trim, fade)"
}
# An affricate: the consonant before its vowel, as the engine says it (at most 0.15 s of it).
affricate() {  # VOICE FOLDER LETTER TEXT
  say "$1" $source_rate "$4" "a.wav"
  read -r s _ b < <(bounds "a.wav")
  local to
  to=$(awk -v b="$b" -v s="$s" 'BEGIN { t = b - 0.01; if (t > s + 0.15) t = s + 0.15; printf "%.3f", t }')
  sox "a.wav" "a1.wav" trim "$s" "=$to" fade 0 -0 0.02
  finish "a1.wav" "$2/Звуки/$3.mp3" "$1" $source_rate "$4" "the first sound, ${s}-${to} s (sox trim, fade)"
}

# "Слоги". Seconds of arithmetic, to three places.
calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
# Sections of a WAV joined with 30 ms linear cross-fades (each faded in and out over the overlap,
# then mixed): IN OUT then FROM TO LENGTH per section, LENGTH "-" to keep the section as it is,
# else stretched to LENGTH seconds.
join_sections() {
  local in=$1 out=$2 i=0 at=0 n=$((($# - 2) / 3)) inputs=() len
  shift 2
  while (($#)); do
    sox "$in" "p$i.wav" trim "$1" "=$2"
    if [[ $3 != - ]]; then stretch "p$i.wav" "q$i.wav" "$3"; mv "q$i.wav" "p$i.wav"; fi
    len=$(soxi -D "p$i.wav")
    local fin=0 fout=0
    ((i > 0)) && fin=0.03
    ((i < n - 1)) && fout=0.03
    sox "p$i.wav" "f$i.wav" fade t "$fin" -0 "$fout" pad "$at" 0
    inputs+=(-v 1 "f$i.wav")
    at=$(calc "$at + $len - 0.03")
    i=$((i + 1)); shift 3
  done
  if ((n == 1)); then cp f0.wav "$out"; else sox -m "${inputs[@]}" "$out"; fi
}
# A syllable as it is read: as the engine says it.
syllable() {  # VOICE FOLDER SYLLABLE RATE
  say "$1" "$4" "$3" "s.wav"
  finish "s.wav" "$2/Слоги/$3.mp3" "$1" "$4" "$3" whole
}
# A syllable the engine says wrongly alone (a vowel reduced as in an unstressed clitic, or another
# vowel), cut from a word where it is stressed and followed by a stop: up to the stop's closure.
syllable_from_word() {  # VOICE FOLDER SYLLABLE RATE WORD WHY
  say "$1" "$4" "$5" "w.wav"
  local s c
  read -r s _ _ < <(bounds "w.wav")
  c=$("$kst" closure "w.wav")
  [[ $c == -1* ]] && { echo "$3: no closure in \"$5\"" >&2; exit 1; }
  sox "w.wav" "w1.wav" trim "$s" "=$c" fade 0 -0 0.02
  finish "w1.wav" "$2/Слоги/$3.mp3" "$1" "$4" "$5" "cut from the word, ${s}-${c} s, up to its stop's closure ($6; sox trim, fade)"
}
# A syllable drawn out, from the engine's slow syllable split at the boundary of its two sounds:
# a held consonant stretched and gliding into the stretched vowel ("мммаа"); after a stop (or ц,
# ч, which cannot be held) the consonant as it is and the vowel stretched ("пааа"); a closed
# syllable's vowel stretched before its consonant ("аааам"). The glide between is kept as it is.
drawn_out() {  # VOICE FOLDER SYLLABLE HOW(held|stop|closed)
  local rate=$vowel_rate s e b how
  say "$1" $rate "$3" "d.wav"
  read -r s e b < <(bounds "d.wav")
  # A boundary where the consonant can be: in the first 60 % of an open syllable, at least 10 ms
  # into it (50 ms for a held consonant); in the last 60 % of a closed one, 50 ms before its end.
  # Elsewhere (a vowel's fading end split off as a sound of its own), it is looked for again within
  # the first half, or the last 60 %, alone.
  local min=0.05; [[ $4 == stop ]] && min=0.01
  fits() {
    [[ $1 != -* ]] && if [[ $4 == closed ]]; then
      awk -v s="$s" -v e="$e" -v b="$1" 'BEGIN { exit !(b >= s + 0.4 * (e - s) && e - b >= 0.05) }'
    else
      awk -v s="$s" -v e="$e" -v b="$1" -v m="$min" 'BEGIN { exit !(b >= s + m && b <= s + 0.6 * (e - s) && e - b >= 0.05) }'
    fi
  }
  if ! fits "$b" "" "" "$4"; then
    if [[ $4 == closed ]]; then
      local from; from=$(calc "$s + 0.4 * ($e - $s)")
      sox d.wav db.wav trim "$from"
      read -r _ _ b < <(bounds "db.wav")
      [[ $b == -* ]] || b=$(calc "$b + $from")
    else
      sox d.wav db.wav trim 0 "=$(calc "$s + 0.5 * ($e - $s)")"
      read -r _ _ b < <(bounds "db.wav")
    fi
  fi
  if ! fits "$b" "" "" "$4"; then  # no boundary: all of it, stretched
    join_sections d.wav d1.wav "$s" "$e" 0.80
    finish "d1.wav" "$2/Слоги/Протяжно/$3.mp3" "$1" $rate "$3" "sounding part stretched to 0.80 s (sox tempo)"
    return
  fi
  case $4 in
    held) join_sections d.wav d1.wav "$s" "$(calc "$b - 0.01")" 0.35 "$(calc "$b - 0.03")" "$(calc "$b + 0.06")" - \
            "$(calc "$b + 0.04")" "$e" 0.45
          how="the consonant (${s}-${b} s) stretched to 0.35 s, the vowel after it to 0.45 s" ;;
    stop) join_sections d.wav d1.wav "$s" "$(calc "$b + 0.04")" - "$(calc "$b + 0.02")" "$e" 0.70
          how="the consonant (${s}-${b} s) as it is, the vowel after it stretched to 0.70 s" ;;
    closed) join_sections d.wav d1.wav "$s" "$(calc "$b - 0.02")" 0.60 "$(calc "$b - 0.04")" "$e" -
          how="the vowel (${s}-${b} s) stretched to 0.60 s, the consonant after it as it is" ;;
  esac
  finish "d1.wav" "$2/Слоги/Протяжно/$3.mp3" "$1" $rate "$3" "$how (sox trim, tempo, fade, mix)"
}
# A first word as the engine says it.
word() {  # VOICE FOLDER WORD RATE
  say "$1" "$4" "$3" "w.wav"
  finish "w.wav" "$2/Слова/$3.mp3" "$1" "$4" "$3" whole
}

make_voice() {  # VOICE FOLDER SLOWER
  local v=$1 f=$2 small kind name
  local name_rate=$((name_rate - $3)) vowel_rate=$((vowel_rate - $3)) phrase_rate=$((phrase_rate - $3))
  local syllable_rate=$((syllable_rate - $3)) word_rate=$((word_rate - $3))
  # Letter names as Russians name them, spelled so that the engine reads them so.
  while IFS=$'\t' read -r small kind name; do
    if [[ $kind == vowel ]]; then
      clip vowel_name "$v" "$f" "$small" "$name" $name_rate
    elif [[ $name == *" "* ]]; then  # two words: a little quicker, to stay near the one-word names
      clip whole "$v" "$f" "Буквы/$small.mp3" $((name_rate + 25)) "$name"
    else
      clip whole "$v" "$f" "Буквы/$small.mp3" $name_rate "$name"
    fi
  done <<'EOF'
а	vowel	а
б	consonant	бэ
в	consonant	вэ
г	consonant	гэ
д	consonant	дэ
е	vowel	е
ё	vowel	ё
ж	consonant	жэ
з	consonant	зэ
и	vowel	и
й	consonant	и краткое
к	consonant	ка
л	consonant	эль
м	consonant	эм
н	consonant	эн
о	vowel	о
п	consonant	пэ
р	consonant	эр
с	consonant	эс
т	consonant	тэ
у	vowel	у
ф	consonant	эф
х	consonant	ха
ц	consonant	цэ
ч	consonant	че
ш	consonant	ша
щ	consonant	ща
ъ	sign	твёрдый знак
ы	vowel	ы
ь	sign	мягкий знак
э	vowel	э
ю	vowel	ю
я	vowel	я
EOF
  # Letter sounds.
  for l in а е ё и о у ы э ю я; do clip vowel "$v" "$f" "$l" "$l"; done
  clip held "$v" "$f" м эм second
  clip held "$v" "$f" н эн second
  clip held "$v" "$f" л ал last
  clip held "$v" "$f" р эр second
  clip held "$v" "$f" с эс second
  clip held "$v" "$f" ф эф second
  clip held "$v" "$f" й ай last
  clip held "$v" "$f" ш шапка first
  clip held "$v" "$f" ж жук first
  clip held "$v" "$f" з зал first
  clip held "$v" "$f" в вата first
  clip held "$v" "$f" х хата first
  clip held "$v" "$f" щ щука first
  clip stop "$v" "$f" б бы
  clip stop "$v" "$f" п пы
  clip stop "$v" "$f" д ды
  clip stop "$v" "$f" т ты
  clip stop "$v" "$f" г гы
  clip stop "$v" "$f" к кы
  clip affricate "$v" "$f" ц цапля
  clip affricate "$v" "$f" ч чашка
  # "Слоги": the table's syllables and words (core/Syllables.h), as kvarnel_speech_tool lists them.
  # A syllable the engine says wrongly alone, found by its vowel's formants against the same
  # vowel's in the other syllables and by the spectrograms, is cut from a word: VOICE, SYLLABLE,
  # WORD, WHY.
  local cut=$work/cut-$v
  grep -P "^$v\t" <<'EOF' | cut -f2- >"$cut" || true
anna	не	нет	alone its vowel drifts towards и, as in the unstressed clitic
aleksandr-hq	не	нет	alone its vowel drifts towards и, as in the unstressed clitic
anna	му	муть	alone its у comes out fronted, towards ю
anna	ос	остров	alone its о comes out open, towards а
EOF
  local kind text consonant manner from why
  while IFS=$'\t' read -r kind text consonant manner; do
    if [[ $kind == word ]]; then clip word "$v" "$f" "$text" $word_rate; continue; fi
    if IFS=$'\t' read -r _ from why < <(grep -P "^$text\t" "$cut"); then
      clip syllable_from_word "$v" "$f" "$text" $syllable_rate "$from" "$why"
    else
      clip syllable "$v" "$f" "$text" $syllable_rate
    fi
    if [[ $kind == closed ]]; then manner=closed
    elif [[ $consonant == [цч] ]]; then manner=stop; fi
    clip drawn_out "$v" "$f" "$text" "$manner"
  done < <("$kst" syllables 2>/dev/null)
  # Phrases, with the table's own punctuation for their intonation.
  while IFS=$'\t' read -r file text; do
    [[ -z $file || $file == \#* ]] && continue
    clip whole "$v" "$f" "Фразы/$file" $phrase_rate "$text"
  done <"$here/tools/data/phrases.txt"
}

make_voice "$female" "Женский голос" 10
make_voice "$male" "Мужской голос" 0
while (($(jobs -rp | wc -l))); do wait -n || { echo "a clip failed" >&2; exit 1; }; done
LC_ALL=C sort "$records"/* >>"$record"

for f in "Женский голос" "Мужской голос"; do
  "$kst" sheet "$out/$f" "$build/speech-sheet-$f.png"
done
echo "$(grep -vc '^#' "$record") clips, $(du -sh --exclude=*.txt "$out" | cut -f1) in $out" >&2
