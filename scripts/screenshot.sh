#!/usr/bin/env bash
# Regenerates docs/screenshot.png, the main window with a character and a few
# stored items, and docs/screenshot-search.png, the item search over three
# characters, on a virtual screen, with the tools it installs first.
#   bash scripts/screenshot.sh [scale factor, default 1] [output file]
# The search's picture goes beside the output file, named ...-search.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt-install.sh
apt_install xvfb xauth imagemagick x11-utils xdotool
scale=${1:-1}
output=${2:-docs/screenshot.png}
search_output=${output%.png}-search.png

cmake --preset release >/dev/null
cmake --build --preset release --parallel 2 --target morvane

# A data folder of its own beside a copy of the program: the seed catalogue,
# one character and what lies in its Mog safe and bag (CR LF, code page 932).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"
cp build/release/morvane "$work/"
cp data/item.20041101.txt "$work/data/"
write() {
    local file=$1
    shift
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$work/data/$file"
}
tab=$'\t'
write cname.dat "Kuro" "Shiro" "Aka"
write Kuromog.dat "炎のクリスタル${tab}12" "闇のクリスタル${tab}7" "ミスリル鉱${tab}3" "銅鉱${tab}${tab}12" \
    "サンドリア小麦粉${tab}24" "メープルシュガー${tab}5"
write Kuromoginfo.dat "[その他]全種<br>炎のエネルギーが封じ込められたクリスタル。<br>Lv1～ All Jobs" \
    "[その他]全種<br>闇のエネルギーが封じ込められたクリスタル。<br>Lv1～ All Jobs" \
    "[その他]全種<br>貴金属の霊銀を含有する鉱石。<br>Lv1～ All Jobs" \
    "[その他]全種<br>金属の銅を含有する鉱石。<br>Lv1～ All Jobs" \
    "[その他]全種<br>コンシュタット製粉所で作られた小麦粉。<br>Lv1～ All Jobs" \
    "[その他]全種<br>メープルの樹液からできる甘味料。<br>Lv1～ All Jobs"
write Kurobag.dat "風のクリスタル${tab}12" "オリーブオイル${tab}2"
write Kurobaginfo.dat "[その他]全種<br>風のエネルギーが封じ込められたクリスタル。<br>Lv1～ All Jobs" \
    "[その他]全種<br>オリーブの果実からとれる食用油。<br>Lv1～ All Jobs"
# Two more characters for the search, one of them with a count edited by hand.
write Shiromog.dat "炎のクリスタル${tab}99" "炎の塊${tab}${tab}3" "風のクリスタル${tab}40" "ﾐｽﾘﾙ鉱${tab}${tab}2"
write Akabag.dat "闇のクリスタル${tab}12" "炎のクリスタル${tab}5" "雷のクリスタル${tab}たくさん"

capture() {
    QT_SCALE_FACTOR=$scale "$work/morvane" &
    local program=$! window="" search=""
    for _ in $(seq 100); do
        window=$(xwininfo -root -tree | awk '/"Morvane for FF XI"/ {print $1; exit}')
        [[ -n $window ]] && break
        sleep 0.1
    done
    sleep 1 # the first painting
    import -window "$window" "$work/shot.png"

    # The item search, opened from the keyboard, looking for every crystal.
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers ctrl+shift+f
    for _ in $(seq 100); do
        search=$(xwininfo -root -tree | awk '/"所持品検索"/ {print $1; exit}')
        [[ -n $search ]] && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$search"
    xdotool type --delay 150 "くりすたる"
    xdotool key Return
    sleep 1
    import -window "$search" "$work/search.png"
    kill "$program"
}
export work scale
xvfb-run -a -s "-screen 0 2600x1600x24" bash -c "$(declare -f capture); capture"
convert "$work/shot.png" -strip "$output"
convert "$work/search.png" -strip "$search_output"
echo "Wrote $output and $search_output"
