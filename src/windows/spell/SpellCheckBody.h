// The spell check of the main window's body: runs the spell-check dialog over it and, when a
// word was replaced, leaves the corrected body modified with the caret at its start. The body
// has the focus afterwards in every case.
#pragma once

class QWidget;

namespace formats::wordlists {
class SpellDictionaries;
} // namespace formats::wordlists

namespace widgets::editor {
class RichTextEdit;
} // namespace widgets::editor

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::spell {

// True when a replacement was made.
bool RunSpellCheck(QWidget* owner, widgets::services::Services& services,
                   formats::wordlists::SpellDictionaries& dictionaries, widgets::editor::RichTextEdit& body);

} // namespace windows::spell
