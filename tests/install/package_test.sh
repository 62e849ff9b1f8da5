#!/usr/bin/env bash
# Installs Tavrik into a temporary prefix and builds its Debian package, then
# checks what a desktop and a user would see: valid desktop and AppStream
# metadata, runnable programs in the installed layout, the first start
# creating the settings from the installed starter file in the config
# folder, and the package's fields and contents.
# usage: package_test.sh BUILD_DIR CPACK_COMMAND VERSION
set -euo pipefail

build=$1
cpack=$2
version=$3
readonly skip=77
readonly start_seconds=30

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps xvfb-run gzip; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit $skip
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "== install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

desktop=$(find "$prefix/share/applications" -name '*.desktop')
metainfo=$(find "$prefix/share/metainfo" -name '*.metainfo.xml')
[ -f "$desktop" ] || fail "no desktop entry installed"
[ -f "$metainfo" ] || fail "no AppStream metainfo installed"
for file in bin/tavrik bin/tavrik-cli share/tavrik/TavrikS.ini \
    share/icons/hicolor/scalable/apps/tavrik.svg share/icons/hicolor/48x48/apps/tavrik.png \
    share/man/man1/tavrik.1.gz share/man/man1/tavrik-cli.1.gz share/doc/tavrik/console.md \
    share/man/ja/man1/tavrik.1.gz share/man/ja/man1/tavrik-cli.1.gz share/doc/tavrik/copyright \
    share/tavrik/manual/index.html share/tavrik/manual/functions.html \
    share/tavrik/manual/keyboard.html; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
# The print dialogs' module, which the window opens from its own folder.
find "$prefix" -path '*/tavrik/plugins/libtavrik_print.so' | grep -q . || fail "the print module is not installed"
grep -q "^License: Expat" "$prefix/share/doc/tavrik/copyright" || fail "the copyright file names no licence"
grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "the metainfo names no licence"

echo "== desktop and AppStream metadata"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate $metainfo"
grep -q "^Icon=tavrik$" "$desktop" || fail "the desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the metainfo launches another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks release $version"

echo "== the installed console program"
[ "$("$prefix/bin/tavrik-cli" --version)" = "tavrik-cli $version" ] || fail "tavrik-cli --version"
"$prefix/bin/tavrik-cli" --help | grep -qF "$prefix/share/doc/tavrik/console.md" ||
    fail "--help does not name the installed console document"
status=0
"$prefix/bin/tavrik-cli" --no-such-option 2> "$work/usage.txt" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
grep -q "unknown option --no-such-option" "$work/usage.txt" || fail "no clear message for an unknown option"
gzip -dc "$prefix/share/man/man1/tavrik-cli.1.gz" | grep -q "^\.TH TAVRIK-CLI 1" || fail "tavrik-cli.1 is no manual page"
gzip -dc "$prefix/share/man/ja/man1/tavrik-cli.1.gz" | grep -q "^\.SH 名前" || fail "the Japanese tavrik-cli.1 is not Japanese"
# Both languages list every option, and both tavrik(1) pages name the kept state.
for man in man/man1 man/ja/man1; do
    for option in '\-\-ini' '\-\-sheet' '\-\-watch' '.BI \-e' '.BI \-c' '\-\-version'; do
        gzip -dc "$prefix/share/$man/tavrik-cli.1.gz" | grep -qF -- "$option" ||
            fail "$man/tavrik-cli.1 lacks $option"
    done
    gzip -dc "$prefix/share/$man/tavrik.1.gz" | grep -qF 'XDG_STATE_HOME/tavrik/state.txt' ||
        fail "$man/tavrik.1 does not name the state file"
done

echo "== the installed desktop program's first start"
home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
settings=$home/config/tavrik/Tavrik.ini
# On the X server, as a desktop would start it: not on Qt's offscreen platform.
env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$work/runtime" \
    xvfb-run -a bash -c '
        "$1/bin/tavrik" & pid=$!
        for _ in $(seq $(($3 * 10))); do
            [ -s "$2" ] && break
            sleep 0.1
        done
        cp "$2" "$2.first" 2> /dev/null
        kill "$pid" 2> /dev/null
        wait "$pid" || true' _ "$prefix" "$settings" "$start_seconds"
[ -s "$settings" ] || fail "tavrik did not create $settings"
cmp -s "$settings.first" "$prefix/share/tavrik/TavrikS.ini" || fail "the settings are not a copy of the installed starter"
# SIGTERM ends the program as its exit command does: the starter's Save=1 writes the window state.
grep -q '^Width=' "$settings" || fail "SIGTERM did not save the window state"
[ ! -e "$prefix/bin/Tavrik.ini" ] || fail "tavrik wrote into its program folder"

echo "== the Debian package"
(cd "$work" && "$cpack" -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" > "$work/cpack.log") ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/package" -maxdepth 1 -name "tavrik_${version}_*.deb")
[ -f "$deb" ] || fail "no tavrik_${version}_*.deb built"
dpkg-deb --info "$deb" > "$work/info.txt"
cat "$work/info.txt"
for field in "Package: tavrik" "Version: $version" "Section: utils" "Maintainer: " \
    "Depends: .*libqt6widgets6" "Depends: .*libicu" "Depends: .*qt6-qpa-plugins" "日本語"; do
    grep -q "$field" "$work/info.txt" || fail "the package control lacks '$field'"
done
dpkg-deb --contents "$deb" | awk '{ print $NF }' > "$work/contents.txt"
for file in usr/bin/tavrik usr/bin/tavrik-cli usr/share/tavrik/TavrikS.ini \
    "usr/share/applications/$(basename "$desktop")" "usr/share/metainfo/$(basename "$metainfo")" \
    usr/share/icons/hicolor/scalable/apps/tavrik.svg usr/share/man/man1/tavrik.1.gz \
    usr/share/man/man1/tavrik-cli.1.gz usr/share/doc/tavrik/console.md \
    usr/share/man/ja/man1/tavrik.1.gz usr/share/doc/tavrik/copyright \
    usr/share/tavrik/manual/index.html usr/share/tavrik/manual/functions.html; do
    grep -qx "\./$file" "$work/contents.txt" || fail "the package lacks /$file"
done
if command -v lintian > /dev/null; then
    echo "== lintian: nothing above info"
    lintian --tag-display-limit 0 --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
fi
echo "PASS"
