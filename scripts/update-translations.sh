#!/bin/sh
# Refreshes the translation files translations/zorvik_<language>.ts from
# every text the program shows: tr() and QCoreApplication::translate in the
# windows and pictures, the window descriptions (resources/forms/*.ui), the
# engine's Tr("Context", "text") and the tables marked ZORVIK_TR_NOOP. New
# texts come in unfinished, texts no longer used go; finished translations
# of texts that stay are kept. Run it after changing a text, then translate
# what is new (Qt Linguist: linguist translations/zorvik_de.ts). The build
# compiles the files with lrelease.
set -eu
cd "$(dirname "$0")/.."

bins=$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)
lupdate="$bins/lupdate"
if [ ! -x "$lupdate" ]; then
    echo "update-translations: lupdate not found; install qt6-l10n-tools" >&2
    exit 1
fi

# The places of the texts are left out, so a moved line changes no file.
for language in de fr it es nl; do
    "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$language" \
        -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=ZORVIK_TR_NOOP \
        engine texts job session pictures windows app resources/forms \
        -ts "translations/zorvik_$language.ts"
done
