#include "windows/spell/SpellCheckDialog.h"

#include "widgets/editor/RichTextEdit.h"
#include "platform/locale/QtText.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "windows/spell/SpellText.h"
#include "widgets/controls/FlatEdit.h"
#include "widgets/services/Services.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextCursor>

using base::result::Status;
using formats::wordlists::SpellDictionaries;
using platform::locale::FromDiaryText;
using widgets::controls::FlatEdit;
using widgets::dialogs::MsgAnswer;
using widgets::dialogs::MsgButtons;
using widgets::dialogs::MsgIcon;
using widgets::editor::RichTextEdit;
using widgets::services::Services;

namespace windows::spell {

namespace {

const QString EndMessage =
    QStringLiteral("The spell checker did not find any more\r\nmisspelled words in the current entry!");
const QColor FieldColour(255, 255, 210);

QString Hint(const char* text)
{
    return QString::fromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// 8 points at 96 dots per inch. The layout was measured in MS Sans Serif, a bitmap face this
// system lacks; Arial (Liberation Sans here) stands in.
QFont DialogFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

void PaintField(QWidget* field, const QColor& text)
{
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, FieldColour);
    colours.setColor(QPalette::Text, text);
    field->setPalette(colours);
}

// The captions were measured in a narrower face: set a little closer they keep to their places.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect place,
                  Qt::Alignment alignment)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
    label->setFont(font);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect place,
                        const char* hint = nullptr)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    if (hint != nullptr)
        button->setToolTip(Hint(hint));
    return button;
}

} // namespace

void TransferRichText(const RichTextEdit& source, RichTextEdit& target)
{
    target.LoadRtf(source.SaveRtf());
}

SpellCheckDialog::SpellCheckDialog(QWidget* owner, Services& services, SpellDictionaries& dictionaries)
    : QDialog(owner), services_(services), dictionaries_(dictionaries), pass_(dictionaries)
{
    setObjectName("spellCheckDialog");
    setWindowTitle(QStringLiteral("Spell Checker"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(456, 272);
    setFont(DialogFont());
    CreateControls();
    SetTabOrder();
    // No position is set: when shown, the dialog centres itself on its owner's window.
}

void SpellCheckDialog::CreateControls()
{
    constexpr auto Right = Qt::AlignRight;
    unknownLabel_ = MakeLabel(this, "unknownLabel", "Unknown word:", {8, 11, 75, 13}, Right);
    unknownEdit_ = new QLineEdit(this);
    unknownEdit_->setObjectName("unknownEdit");
    unknownEdit_->setGeometry(88, 8, 154, 21);
    unknownEdit_->setReadOnly(true);
    PaintField(unknownEdit_, Qt::red);
    unknownLabel_->setBuddy(unknownEdit_);

    correctionLabel_ = MakeLabel(this, "correctionLabel", "Replace with:", {18, 39, 65, 13}, Right);
    correctionEdit_ = new FlatEdit(this);
    correctionEdit_->setObjectName("correctionEdit");
    correctionEdit_->setGeometry(88, 36, 154, 21);
    PaintField(correctionEdit_, Qt::black);
    correctionEdit_->SetColorOnFocus(FieldColour);
    correctionLabel_->setBuddy(correctionEdit_);
    correctionEdit_->SetTextColorOnFocus(Qt::black);

    suggestionsLabel_ = MakeLabel(this, "suggestionsLabel", "Suggestions:", {22, 69, 61, 13}, Right);
    suggestionsHint_ =
        MakeLabel(this, "suggestionsHint", "(Double click to select one)", {0, 87, 83, 44}, Right);
    suggestionsHint_->setWordWrap(true);
    suggestionList_ = new QListWidget(this);
    suggestionList_->setObjectName("suggestionList");
    suggestionList_->setGeometry(88, 64, 154, 97);
    suggestionList_->setToolTip(Hint("Displays correction proposals.\r\nDouble-click to select one."));
    connect(suggestionList_, &QListWidget::itemDoubleClicked, this,
            &SpellCheckDialog::OnSuggestionDoubleClicked);

    locationLabel_ = MakeLabel(this, "locationLabel", "Location:", {10, 150, 44, 13}, Qt::AlignLeft);
    locationView_ = new RichTextEdit(this);
    locationView_->setObjectName("locationView");
    locationView_->setGeometry(8, 168, 337, 97);
    locationView_->setReadOnly(true);
    locationLabel_->setBuddy(locationView_);
    locationView_->setToolTip(
        Hint("  Displays the location of the unknown \r\nword. You cannot  type corrections here"));
    // The unknown word stays marked while the focus is elsewhere.
    QPalette colours = locationView_->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    locationView_->setPalette(colours);

    ignoreButton_ = MakeButton(this, "ignoreButton", "&Ignore", {248, 6, 98, 25},
                               "Ignore this word and move\r\nto the next unknown word.");
    changeButton_ = MakeButton(this, "changeButton", "<  C&hange to", {248, 34, 98, 25},
                               " Use the selected word to \r\ncorrect the unknown word");
    ignoreAllButton_ =
        MakeButton(this, "ignoreAllButton", "Ignore &All", {352, 6, 98, 25},
                   "  Ignore all occurrances of this word \r\nand move to the next unknown word");
    addButton_ = MakeButton(this, "addButton", "A&dd", {352, 34, 98, 25},
                            "Add the unknown word\r\nto the custom dictionary");
    exitButton_ = MakeButton(this, "exitButton", "&Exit", {352, 241, 98, 25});
    connect(ignoreButton_, &QPushButton::clicked, this, &SpellCheckDialog::OnIgnoreClicked);
    connect(changeButton_, &QPushButton::clicked, this, &SpellCheckDialog::OnChangeClicked);
    connect(ignoreAllButton_, &QPushButton::clicked, this, &SpellCheckDialog::OnIgnoreAllClicked);
    connect(addButton_, &QPushButton::clicked, this, &SpellCheckDialog::OnAddClicked);
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void SpellCheckDialog::SetTabOrder()
{
    QWidget* const order[] = {suggestionList_, ignoreButton_,   changeButton_,    unknownEdit_, exitButton_,
                              locationView_,   correctionEdit_, ignoreAllButton_, addButton_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

bool SpellCheckDialog::Execute(QWidget* owner, Services& services, SpellDictionaries& dictionaries,
                               RichTextEdit& body)
{
    SpellCheckDialog dialog(owner, services, dictionaries);
    if (!dialog.Start(body))
        return false;
    dialog.exec();
    return dialog.ApplyCorrections();
}

bool SpellCheckDialog::Start(RichTextEdit& body)
{
    if (const Status loaded = dictionaries_.LoadDictionaries(); !loaded) {
        services_.Dialogs().ShowError(MessageParent(), QString::fromLocal8Bit(loaded.Message().c_str()),
                                      services_.Title());
        return false;
    }
    body_ = &body;
    TransferRichText(body, *locationView_);
    pass_.ScanPos = 0;
    return FindNextUnknown();
}

bool SpellCheckDialog::ApplyCorrections()
{
    if (!changed_)
        return false;
    TransferRichText(*locationView_, *body_);
    body_->setReadOnly(false);
    body_->document()->setModified(true);
    return true;
}

QWidget* SpellCheckDialog::MessageParent()
{
    return isVisible() ? this : parentWidget();
}

bool SpellCheckDialog::FindNextUnknown()
{
    if (!pass_.FindNextUnknown(SpellText(*locationView_->document()))) {
        services_.Dialogs().MessageBox(MessageParent(), EndMessage, QStringLiteral("Information"),
                                       MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok);
        return false;
    }
    ShowUnknownWord();
    return true;
}

void SpellCheckDialog::ShowUnknownWord()
{
    const QString word = FromDiaryText(pass_.UnknownWord());
    unknownEdit_->setText(word);
    correctionEdit_->setText(word);
    suggestionList_->clear();
    for (const auto& suggestion : pass_.Suggestions)
        suggestionList_->addItem(FromDiaryText(suggestion));
    QTextCursor selection(locationView_->document());
    const int start = static_cast<int>(pass_.WordStart) - 1;
    selection.setPosition(start);
    selection.setPosition(start + static_cast<int>(pass_.UnknownWord().size()), QTextCursor::KeepAnchor);
    locationView_->setTextCursor(selection);
    locationView_->ensureCursorVisible();
    correctionEdit_->setFocus();
}

void SpellCheckDialog::ReplaceUnknownWord(const QString& correction)
{
    const int start = static_cast<int>(pass_.WordStart) - 1;
    // The correction takes the formatting of the word's first character.
    QTextCursor cursor(locationView_->document());
    cursor.setPosition(start + 1);
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(pass_.UnknownWord().size()), QTextCursor::KeepAnchor);
    cursor.insertText(correction, format);
    locationView_->setTextCursor(cursor);
}

void SpellCheckDialog::OnIgnoreClicked()
{
    FindNextUnknown();
}

void SpellCheckDialog::OnIgnoreAllClicked()
{
    dictionaries_.AddToIgnoreAll(pass_.UnknownWord());
    FindNextUnknown();
}

void SpellCheckDialog::OnAddClicked()
{
    const QString question = QStringLiteral("Add \"%1\" to custom dictionary?").arg(unknownEdit_->text());
    if (services_.Dialogs().MessageBox(this, question, QStringLiteral("Warning"), MsgIcon::Warning,
                                       MsgButtons::OkCancel, MsgAnswer::Ok) != MsgAnswer::Ok)
        return;
    if (const Status added = dictionaries_.AddToCustomDictionary(pass_.UnknownWord()); !added) {
        services_.Dialogs().ShowError(this, QString::fromLocal8Bit(added.Message().c_str()), services_.Title());
        return;
    }
    FindNextUnknown();
}

void SpellCheckDialog::OnChangeClicked()
{
    // Once the walk is over no word is on display any more: nothing is replaced.
    if (pass_.WordOnDisplay()) {
        changed_ = true;
        const QString correction = correctionEdit_->text();
        ReplaceUnknownWord(correction);
        pass_.Replaced(static_cast<size_t>(correction.size()));
    }
    FindNextUnknown();
}

void SpellCheckDialog::OnSuggestionDoubleClicked()
{
    if (const QListWidgetItem* item = suggestionList_->currentItem(); item != nullptr && item->isSelected())
        correctionEdit_->setText(item->text());
}

} // namespace windows::spell
