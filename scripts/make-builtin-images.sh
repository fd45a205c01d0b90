#!/usr/bin/env bash
# Redraws the engine's built-in images and rewrites their sources in
# zelk/embedded/: the templates of buttons, menus and fonts, and the logos.
# The normal build does not run it; run it after changing tools/builtinimages.cpp
# and commit what it writes.
#
#   scripts/make-builtin-images.sh [buildFolder]    (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build}")
out=$root/zelk/embedded

cmake --build "$build" --target builtinimages filetoh -j4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$build/builtinimages" "$work"
else
  "$build/builtinimages" "$work"
fi

# From inside the folder, so that each image's name text is its bare file name.
images=(ZELKButtonNormalTemplate.png ZELKButtonUpTemplate.png ZELKButtonPressedTemplate.png
        ZELKFontTemplate.png ZELKmenuTemplateTexture.png poweredZELKColor.png
        poweredZELKWhite.jpg)
(cd "$work" && "$build/filetoh" -z "${images[@]}")

# The generated header defines the arrays, so each source includes the
# engine's declarations instead.
include='#include "zelk/embedded/BuiltInImages.h"'
for base in ZELKButtonNormalTemplate ZELKButtonUpTemplate ZELKButtonPressedTemplate \
            ZELKFontTemplate; do
  sed "1s|.*|$include|" "$work/$base.c" > "$out/$base.cpp"
done

# The menu's arrays are named apart from its file name.
sed -e "1s|.*|$include|" \
    -e 's/ ZELKmenuTemplateTextureSize / ZELKMenuTemplateTextureSize /' \
    -e 's/ ZELKmenuTemplateTextureName\[/ ZELKMenuTemplateTextureName[/' \
    -e 's/ ZELKmenuTemplateTexture\[/ ZELKMenuTextureTemplate[/' \
    "$work/ZELKmenuTemplateTexture.c" > "$out/ZELKMenuTextureTemplate.cpp"

# Each logo lives in a namespace of its own as size, name and vec.
for base in poweredZELKColor poweredZELKWhite; do
  {
    echo "$include"
    echo
    echo "namespace zelk {"
    echo "namespace $base {"
    sed -e '1d' \
        -e "s/ ${base}Size / size /" \
        -e "s/ ${base}Name\[/ name[/" \
        -e "s/ ${base}\[/ vec[/" \
        "$work/$base.c"
    echo
    echo "} // namespace $base"
    echo "} // namespace zelk"
  } > "$out/$base.cpp"
done
echo "Wrote the built-in images' sources to $out"
