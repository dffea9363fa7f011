#include "spell/ui/SpellCheckBody.h"

#include "editor/KvRichEdit.h"
#include "spell/ui/fSpellCheck.h"

#include <QTextCursor>

bool RunSpellCheck(QWidget* owner, widgets::TServices& services, TSpellDictionaries& dictionaries,
                   TKvRichEdit& body)
{
    const bool replaced = TfrmSpellCheck::Execute(owner, services, dictionaries, body);
    if (replaced) {
        body.document()->setModified(true);
        body.setTextCursor(QTextCursor(body.document()));
        body.ensureCursorVisible();
    }
    body.setFocus();
    return replaced;
}
