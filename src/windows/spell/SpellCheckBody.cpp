#include "windows/spell/SpellCheckBody.h"

#include "widgets/editor/RichTextEdit.h"
#include "windows/spell/SpellCheckDialog.h"

#include <QTextCursor>

using formats::wordlists::SpellDictionaries;
using widgets::editor::RichTextEdit;
using widgets::services::Services;

namespace windows::spell {

bool RunSpellCheck(QWidget* owner, Services& services, SpellDictionaries& dictionaries, RichTextEdit& body)
{
    const bool replaced = SpellCheckDialog::Execute(owner, services, dictionaries, body);
    if (replaced) {
        body.document()->setModified(true);
        body.setTextCursor(QTextCursor(body.document()));
        body.ensureCursorVisible();
    }
    body.setFocus();
    return replaced;
}

} // namespace windows::spell
