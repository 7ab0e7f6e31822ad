#!/usr/bin/env bash
# The command-line tool end to end: exit codes, JSON, byte-exact round trips.
# Usage: cli_test.sh LORVANE_CLI SOURCE_DIR
set -u
cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
json() { python3 -c "import json,sys; d=json.load(open('$1')); sys.exit(0 if ($2) else 1)"; }

python3 "$src/scripts/gen_archive" "$work/base" --articles 40 --seed 7 --no-pages >/dev/null

"$cli" tree dump "$work/base/tree.info" >"$work/dump.json"
check "tree dump of a good file exits 0" test $? -eq 0
check "the dump says loaded and lists the roots" json "$work/dump.json" 'd["loaded"] and len(d["roots"]) > 0'
"$cli" tree from-json "$work/dump.json" "$work/again.info"
check "tree from-json exits 0" test $? -eq 0
check "dump and from-json give the file back byte for byte" cmp -s "$work/base/tree.info" "$work/again.info"

head -c 300 "$work/base/tree.info" >"$work/cut.info"
"$cli" tree dump "$work/cut.info" >"$work/cut.json"
check "a damaged file exits 1" test $? -eq 1
check "its dump says not loaded" json "$work/cut.json" 'not d["loaded"]'

printf '{"roots":[{"values":["\\u65e5"]}]}' >"$work/bad.json"
"$cli" tree from-json "$work/bad.json" "$work/x.info" 2>"$work/err"
check "a text without a Windows-1251 form is a usage error" test $? -eq 2
check "and writes no file" test ! -e "$work/x.info"
check "the error is one line" test "$(wc -l <"$work/err")" -eq 1

"$cli" outline "$src/sample/base" >"$work/outline.json"
check "outline of the sample exits 0" test $? -eq 0
check "the sample imports without problems" json "$work/outline.json" \
  'not d["problems"] and len(d["roots"]) >= 8 and d["missing"] == [] and d["no_name"] == []'
check "outline wrote nothing" test -z "$(cd "$src/sample/base" && git status --porcelain . 2>/dev/null)"

cp "$work/base/tree.info" "$work/base/tree.first"
cp "$work/base/tree.info" "$work/base/tree_20050131.day"
cp "$work/base/tree.info" "$work/base/mine.tree"
"$cli" backups "$work/base" >"$work/backups.json"
check "backups exits 0" test $? -eq 0
check "backups lists the restore window's entries in order" json "$work/backups.json" \
  '[e["label"] for e in d] == ["Первоначальный вид дерева", "Копия за 31.01.2005", "Файл mine.tree"] and [e["file"] for e in d] == ["tree.first", "tree_20050131.day", "mine.tree"]'

"$cli" tree dump 2>/dev/null
check "a missing argument is a usage error" test $? -eq 2

check "words splits a query at spaces and drops stop words and single letters" \
  test "$("$cli" words '  Паскаль,  Модула и Z+ ')" = "$(printf 'Паскаль\nМодула')"
check "words of a query of stop words prints nothing" test -z "$("$cli" words 'и в или')"
check "stem prints one stem a line, an empty one too" \
  test "$("$cli" stem программирование aeiou 'базы данных' Ёлка | tr '\n' '|')" = "грамм||базы д|ёлк|"
check "contains: only the first occurrence is judged with --whole" \
  test "$("$cli" contains data 'metadata data' --whole)" = no
check "contains: case-free by default" test "$("$cli" contains tform.create TForm.Create)" = yes
check "contains: --case compares unchanged" test "$("$cli" contains --case tform.create TForm.Create)" = no
check "contains: a needle after -- may start with --" test "$("$cli" contains -- --x a--x)" = yes
"$cli" stem 日 >/dev/null 2>&1
check "a word without a Windows-1251 form is a usage error" test $? -eq 2
"$cli" contains needle 2>/dev/null
check "contains without a text is a usage error" test $? -eq 2

page="$src/sample/base/alpha_blending.html"
"$cli" highlight "$src/sample/base" alpha_blending.html --word Lorvane архив --out "$work/hl.html"
check "highlight exits 0" test $? -eq 0
iconv -f cp1251 -t utf-8 "$work/hl.html" >"$work/hl.txt"
check "a found word is marked" \
  grep -q '<span style="background-color: Yellow"><font color=maroon>Lorvane</font></span> 6 Pro\.' "$work/hl.txt"
check "a Russian word given in UTF-8 is marked" grep -q 'из <span style="background-color: Yellow"><font color=maroon>архив</font></span>а ' "$work/hl.txt"
check "the banner, title bar and footer mail lines are unchanged" \
  test "$(grep -a -e '^<!-- {' -e 'mailto:' -e 'bg_title' "$page")" = "$(grep -a -e '^<!-- {' -e 'mailto:' -e 'bg_title' "$work/hl.html")"
check "the copy keeps CR LF line ends" test "$(grep -c $'\r$' "$work/hl.html")" -eq "$(wc -l <"$work/hl.html")"
"$cli" highlight "$src/sample/base" alpha_blending.html --word color --whole --case --out "$work/attr.html"
check "an attribute name is never marked: the copy equals the page" cmp -s "$page" "$work/attr.html"
"$cli" highlight "$src/sample/base" no_such_page.html --word Lorvane --out "$work/none.html" 2>/dev/null
check "a missing page exits 1" test $? -eq 1
check "and writes nothing" test ! -e "$work/none.html"
"$cli" highlight "$src/sample/base" alpha_blending.html --word Lorvane 2>/dev/null
check "highlight without --out is a usage error" test $? -eq 2
check "highlight wrote nothing into the sample" test -z "$(cd "$src/sample/base" && git status --porcelain . 2>/dev/null)"


# The search pass and the filtered views on a generated archive with pages.
python3 "$src/scripts/gen_archive" "$work/pages" --articles 60 --seed 5 >/dev/null
"$cli" search "$work/pages" --query 'очереди' --kind exact --text >"$work/found.txt"
check "search exits 0" test $? -eq 0
# The same question answered line by line in Python, for every article page.
"$cli" view "$work/pages" index | cut -f1 >"$work/all.txt"
check "view index lists every article" test "$(wc -l <"$work/all.txt")" -eq 60
python3 - "$work/pages" "$work/all.txt" >"$work/expected.txt" <<'PY'
import sys
base, names = sys.argv[1], open(sys.argv[2], encoding="utf-8").read().split()
for name in names:
    lines = open(f"{base}/{name}", "rb").read().decode("cp1251").replace("\r\n", "\n").split("\n")
    if any("очереди" in line.lower() for line in lines):
        print(name)
PY
check "a text search finds the pages whose lines hold the phrase, in catalogue order" \
  test "$(cut -f1 "$work/found.txt")" = "$(cat "$work/expected.txt")"
check "it finds some but not all" test "$(wc -l <"$work/found.txt")" -gt 0 -a "$(wc -l <"$work/found.txt")" -lt 60
check "each line is a file name, a tab and the title" \
  test "$(grep -c -P '^[a-z_0-9]+\.html\t.+$' "$work/found.txt")" -eq "$(wc -l <"$work/found.txt")"
check "--case finds no lower-case windows in titles" test -z "$("$cli" search "$work/pages" --query windows --case)"
check "a title search without --case ignores case" \
  test "$("$cli" search "$work/pages" --query windows | wc -l)" -eq "$("$cli" search "$work/pages" --query Windows | wc -l)"
check "--state read finds nothing in an archive of unread articles" \
  test -z "$("$cli" search "$work/pages" --query Windows --state read)"
check "view unread of that archive is the index" test "$("$cli" view "$work/pages" unread)" = "$("$cli" view "$work/pages" index)"
check "view favourite of it is empty" test -z "$("$cli" view "$work/pages" favourite)"
"$cli" search "$work/pages" --query x --kind some 2>/dev/null
check "an unknown kind is a usage error" test $? -eq 2
"$cli" view "$work/pages" favorite 2>/dev/null
check "an unknown view is a usage error" test $? -eq 2

echo "$failures failed"
[ "$failures" -eq 0 ]
