#!/bin/sh
# A site's pages kept in step, killed between replacing its second page and its third: every
# page is then the old one or the new one, never cut, and some of each. And in a site of more
# pages than are written at a time, every page is on the disk before the first is replaced.
# Usage: sync_crash.sh STRACE PAGEGEN
set -eu
strace=$1 pagegen=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/site/news" "$work/site/shop"
cd "$work"
"$pagegen" --html5 site/menu.html 1 home.gif home2.gif index.html '' Home n.gif n2.gif news/index.html '' News >/dev/null
for page in index.html about.html news/index.html shop/index.html shop/boots.html; do
    printf '<p>%s</p>\r\n<!-- Tessel menu -->\r\n<p>Ours</p>\r\n' "$page" > "site/$page"
    "$pagegen" --into "site/$page" site/menu.html >/dev/null
done
"$pagegen" --html5 site/menu.html 1 home.gif home2.gif index.html '' Home n.gif n2.gif news/latest.html '' News >/dev/null
cp -r site old
cp -r site new
"$pagegen" --sync new/menu.html new >/dev/null
"$strace" -f -qq -o /dev/null -e trace=rename,renameat,renameat2 \
    -e inject=rename,renameat,renameat2:signal=KILL:when=3 \
    "$pagegen" --sync site/menu.html site >/dev/null 2>&1 && exit 1 # it must have been killed
olds=0 news=0
for page in index.html about.html news/index.html shop/index.html shop/boots.html; do
    if cmp -s "site/$page" "old/$page"; then olds=$((olds + 1))
    elif cmp -s "site/$page" "new/$page"; then news=$((news + 1))
    else echo "$page is neither the old page nor the new one"; exit 1
    fi
done
echo "old pages: $olds, new pages: $news"
[ "$olds" -gt 0 ] && [ "$news" -gt 0 ]

mkdir new/many
for i in $(seq 300); do cp old/about.html "new/many/$i.html"; done
calls=$("$strace" -f -qq -o /dev/stdout -e trace=fdatasync,rename,renameat,renameat2 \
    "$pagegen" --sync new/menu.html new/many 2>/dev/null | grep -oE '^[0-9 ]*(fdatasync|rename)' |
    tr -d '0-9 ' | uniq -c | awk '{ printf "%s %s ", $1, $2 }')
echo "calls: $calls"
[ "$calls" = "300 fdatasync 300 rename " ]
