// SpellCheckDialog: the modal dialog that walks a copy of the entry's body word by word, shows
// each word the dictionaries do not know with suggestions, and lets the user ignore it, ignore
// it everywhere, add it to the custom dictionary or replace it. The corrected copy replaces
// the body when the dialog closes, if anything was replaced.
#pragma once

#include "formats/wordlists/SpellPass.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace formats::wordlists {
class SpellDictionaries;
} // namespace formats::wordlists

namespace widgets::controls {
class FlatEdit;
} // namespace widgets::controls

namespace widgets::editor {
class RichTextEdit;
} // namespace widgets::editor

namespace widgets::services {
class Services;
} // namespace widgets::services

namespace windows::spell {

class SpellCheckDialog : public QDialog {
    Q_OBJECT

public:
    SpellCheckDialog(QWidget* owner, widgets::services::Services& services,
                     formats::wordlists::SpellDictionaries& dictionaries);

    // One pass over the body: true when the body was replaced by the corrected text (it is
    // then writable and modified). A dictionary that cannot be loaded is reported and leaves
    // the body alone; a body without unknown words gets the end message and no dialog.
    static bool Execute(QWidget* owner, widgets::services::Services& services,
                        formats::wordlists::SpellDictionaries& dictionaries,
                        widgets::editor::RichTextEdit& body);

    // The steps of Execute. Start loads the dictionaries, copies the body and looks for the
    // first unknown word: false when there is nothing to show (the user has been told why).
    bool Start(widgets::editor::RichTextEdit& body);
    // After the dialog closed: puts the corrected text into the body if a word was replaced.
    bool ApplyCorrections();

private:
    void CreateControls();
    void SetTabOrder();
    bool FindNextUnknown();
    void ShowUnknownWord();
    void ReplaceUnknownWord(const QString& correction);
    QWidget* MessageParent();

    void OnIgnoreClicked();
    void OnIgnoreAllClicked();
    void OnAddClicked();
    void OnChangeClicked();
    void OnSuggestionDoubleClicked();

    widgets::services::Services& services_;
    formats::wordlists::SpellDictionaries& dictionaries_;
    formats::wordlists::SpellPass pass_;
    widgets::editor::RichTextEdit* body_ = nullptr;
    bool changed_ = false; // set by every replacement

    QLabel* unknownLabel_;
    QLineEdit* unknownEdit_;
    QLabel* correctionLabel_;
    widgets::controls::FlatEdit* correctionEdit_;
    QLabel* suggestionsLabel_;
    QLabel* suggestionsHint_;
    QListWidget* suggestionList_;
    QLabel* locationLabel_;
    widgets::editor::RichTextEdit* locationView_;
    QPushButton* ignoreButton_;
    QPushButton* changeButton_;
    QPushButton* ignoreAllButton_;
    QPushButton* addButton_;
    QPushButton* exitButton_;
};

// Copies the whole formatted text of one rich-text control into another (as RTF; the
// clipboard is not used). The target's content is replaced and left unmodified.
void TransferRichText(const widgets::editor::RichTextEdit& source, widgets::editor::RichTextEdit& target);

} // namespace windows::spell
