#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix as a distributor does (cmake --install) and checks the
# tree: the program runs from it, the manual page renders without a warning, the launcher and the
# AppStream metadata pass their validators without a single hint or note, the metadata carries the
# build's web page, the documentation folder holds the licence, the README with its pictures
# and the theory document, and the translations are installed where the program finds them.
# Exits 77 (skipped) when a validator or groff is not installed.
#
# install_tree.sh CMAKE BUILD_DIR VERSION WEB_PAGE PICTURES_URL BINDIR LIBDIR DATADIR MANDIR DOCDIR
#                 TRANSLATIONS_DIR LANGUAGES COMPLETE_LANGUAGES (the lists comma-separated)
set -u
cmake=$1 build=$2 version=$3 web_page=$4 pictures_url=$5
bindir=$6 libdir=$7 datadir=$8 mandir=$9 docdir=${10}
translations=${11} languages=${12} complete=${13}

for tool in desktop-file-validate appstreamcli groff man; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
    cat "$prefix/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# What a distributor's package holds.
desktop=$(find "$prefix/$datadir/applications" -name '*.desktop' 2>/dev/null)
metainfo=$(find "$prefix/$datadir/metainfo" -name '*.metainfo.xml' 2>/dev/null)
[ "$(echo "$desktop" | grep -c .)" = 1 ] || fail "not exactly one launcher: $desktop"
[ "$(echo "$metainfo" | grep -c .)" = 1 ] || fail "not exactly one AppStream file: $metainfo"
app_id=$(basename "$desktop" .desktop)
for file in \
    "$bindir/velmora" \
    "$libdir/velmora/libvelmora_window.so" \
    "$mandir/man1/velmora.1" \
    "$datadir/bash-completion/completions/velmora" \
    "$datadir/icons/hicolor/scalable/apps/$app_id.svg" \
    "$datadir/icons/hicolor/48x48/apps/$app_id.png" \
    "$docdir/LICENSE" \
    "$docdir/README.md" \
    "$docdir/explain_multiproticacids.pdf"; do
    [ -s "$prefix/$file" ] || fail "$file is missing or empty"
done

# Every picture the README shows is there beside it.
grep -o '](docs/[^)]*)' "$prefix/$docdir/README.md" | sed 's/^](//; s/)$//' | while read -r picture; do
    [ -s "$prefix/$docdir/$picture" ] || echo "FAIL: the README's picture $picture is missing"
done | grep . && failed=1

# The installed program finds its parts relative to itself.
out=$("$prefix/$bindir/velmora" --version 2>&1)
[ "$out" = "Velmora $version" ] || fail "velmora --version gave: $out"

# Every shipped language is installed compiled, and the installed program speaks the complete
# ones: its help is then no longer the English one.
english=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 "$prefix/$bindir/velmora" --help 2>&1)
for language in ${languages//,/ }; do
    [ -s "$prefix/$translations/velmora_$language.qm" ] ||
        fail "$translations/velmora_$language.qm is missing or empty"
done
for language in ${complete//,/ }; do
    out=$(env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE="$language" "$prefix/$bindir/velmora" --help 2>&1)
    { [ -n "$out" ] && ! echo "$out" | grep -qF "Shows this help."; } ||
        fail "the installed program's help in $language is English"
done
[ "$(echo "$english" | head -n 1)" = "Usage: velmora [options]" ] ||
    fail "the installed program's English help starts: $(echo "$english" | head -n 1)"

# Validators: not a single hint, warning or note.
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli validate failed"
if echo "$out" | grep -qE '^[IWEP]:|infos|warnings|errors|pedantic'; then
    fail "appstreamcli validate --pedantic: $out"
fi

# The metadata says what the build was told.
grep -q "<url type=\"homepage\">$web_page</url>" "$metainfo" || fail "the homepage is not $web_page"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version"
# Every screenshot is one of the README's pictures, served from the pictures' address.
shots=$(grep -o "<image[^>]*>[^<]*</image>" "$metainfo" | sed 's/<[^>]*>//g')
[ -n "$shots" ] || fail "the metainfo has no screenshots"
for shot in $shots; do
    case "$shot" in
    "$pictures_url"/*) [ -s "$prefix/$docdir/docs/${shot#"$pictures_url"/}" ] ||
        fail "the screenshot $shot is none of the README's pictures" ;;
    *) fail "the screenshot $shot is not served from $pictures_url" ;;
    esac
done

# The manual page: groff reads it without a warning, and man shows the options.
page="$prefix/$mandir/man1/velmora.1"
out=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$out" ] || fail "groff: $out"
rendered=$(MANWIDTH=100 man -l "$page" 2>&1)
# Written from the English help, whatever language the build ran in.
for text in NAME SYNOPSIS OPTIONS "--export FILE" "--list-presets" "EXAMPLE ACIDS" "$docdir" \
    "Shows this help."; do
    echo "$rendered" | grep -qF -- "$text" || fail "the manual page does not show \"$text\""
done

[ "$failed" = 0 ] && echo "install tree under $prefix: all checks passed"
exit "$failed"
