// The spell check of the main window's body: runs the spell-check dialog over it and, when a
// word was replaced, leaves the corrected body modified with the caret at its start. The body
// has the focus afterwards in every case.
#pragma once

class QWidget;
class RichTextEdit;
class SpellDictionaries;
namespace widgets {
class Services;
}

// True when a replacement was made.
bool RunSpellCheck(QWidget* owner, widgets::Services& services, SpellDictionaries& dictionaries,
                   RichTextEdit& body);
