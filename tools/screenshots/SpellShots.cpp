// The spell-check dialog stopped at the first unknown word of an entry, with its suggestions.
#include "Screenshots.h"

#include "base/io/SafeFile.h"
#include "widgets/editor/RichTextEdit.h"
#include "platform/locale/Collation.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "windows/spell/SpellCheckDialog.h"

#include <QApplication>

using base::io::WriteWhole;
using formats::wordlists::SpellDictionaries;
using platform::locale::CollationKey;
using widgets::editor::RichTextEdit;
using windows::spell::SpellCheckDialog;

DAYBROOK_SCREENSHOT("spell-check", [] {
    screenshots::ShotServices services;
    (void)WriteWhole(
        services.Folder() + "/English.dic",
        "a\r\nafternoon\r\nand\r\nwalk\r\nwalked\r\nwalker\r\nwall\r\nwallet\r\nwallow\r\nwalnut\r\nwaltz\r\n"
        "wan\r\nwand\r\nwander\r\nwe\r\nthe\r\nlong\r\nriver\r\nto\r\nmill\r\nin\r\nsun\r\n");
    SpellDictionaries dictionaries(services.Folder(), CollationKey);
    QWidget owner;
    owner.resize(640, 480);
    RichTextEdit body(&owner);
    body.LoadRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 In the afternoon we {\\b walkd} the long "
        "way along the river to the old mill, and sat in the sun.\\par}");
    owner.show();
    SpellCheckDialog dialog(&owner, *services, dictionaries);
    dialog.Start(body);
    return screenshots::Grab(dialog);
});
