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
QLabel* MakeLabel(QWidget* parent, const char* caption, QRect place, Qt::Alignment alignment)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
    label->setFont(font);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* caption, QRect place, const char* hint = nullptr)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    if (hint != nullptr)
        button->setToolTip(Hint(hint));
    return button;
}

} // namespace

void TransferRichText(const RichTextEdit& Source, RichTextEdit& Target)
{
    Target.LoadRtf(Source.SaveRtf());
}

SpellCheckDialog::SpellCheckDialog(QWidget* owner, widgets::Services& services, SpellDictionaries& dictionaries)
    : QDialog(owner), services_(services), dictionaries_(dictionaries), pass_(dictionaries)
{
    setObjectName("frmSpellCheck");
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
    Label1 = MakeLabel(this, "Unknown word:", {8, 11, 75, 13}, Right);
    edUnknown = new QLineEdit(this);
    edUnknown->setGeometry(88, 8, 154, 21);
    edUnknown->setReadOnly(true);
    PaintField(edUnknown, Qt::red);

    Label4 = MakeLabel(this, "Replace with:", {18, 39, 65, 13}, Right);
    edCorrection = new FlatEdit(this);
    edCorrection->setGeometry(88, 36, 154, 21);
    PaintField(edCorrection, Qt::black);
    edCorrection->SetColorOnFocus(FieldColour);
    edCorrection->SetTextColorOnFocus(Qt::black);

    Label2 = MakeLabel(this, "Suggestions:", {22, 69, 61, 13}, Right);
    Label5 = MakeLabel(this, "(Double click to select one)", {0, 87, 83, 44}, Right);
    Label5->setWordWrap(true);
    lbSuggestions = new QListWidget(this);
    lbSuggestions->setGeometry(88, 64, 154, 97);
    lbSuggestions->setToolTip(Hint("Displays correction proposals.\r\nDouble-click to select one."));
    connect(lbSuggestions, &QListWidget::itemDoubleClicked, this, &SpellCheckDialog::lbSuggestionsDblClick);

    Label3 = MakeLabel(this, "Location:", {10, 150, 44, 13}, Qt::AlignLeft);
    reShow = new RichTextEdit(this);
    reShow->setGeometry(8, 168, 337, 97);
    reShow->setReadOnly(true);
    reShow->setToolTip(
        Hint("  Displays the location of the unknown \r\nword. You cannot  type corrections here"));
    // The unknown word stays marked while the focus is elsewhere.
    QPalette colours = reShow->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    reShow->setPalette(colours);

    btnIgnore = MakeButton(this, "&Ignore", {248, 6, 98, 25},
                           "Ignore this word and move\r\nto the next unknown word.");
    btnAccept = MakeButton(this, "<  C&hange to", {248, 34, 98, 25},
                           " Use the selected word to \r\ncorrect the unknown word");
    btnIgnoreAll = MakeButton(this, "Ignore &All", {352, 6, 98, 25},
                              "  Ignore all occurrances of this word \r\nand move to the next unknown word");
    btnAdd = MakeButton(this, "A&dd", {352, 34, 98, 25}, "Add the unknown word\r\nto the custom dictionary");
    btnClose = MakeButton(this, "&Exit", {352, 241, 98, 25});
    connect(btnIgnore, &QPushButton::clicked, this, &SpellCheckDialog::btnIgnoreClick);
    connect(btnAccept, &QPushButton::clicked, this, &SpellCheckDialog::btnAcceptClick);
    connect(btnIgnoreAll, &QPushButton::clicked, this, &SpellCheckDialog::btnIgnoreAllClick);
    connect(btnAdd, &QPushButton::clicked, this, &SpellCheckDialog::btnAddClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void SpellCheckDialog::SetTabOrder()
{
    QWidget* const order[] = {lbSuggestions, btnIgnore,    btnAccept,    edUnknown, btnClose,
                              reShow,        edCorrection, btnIgnoreAll, btnAdd};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

bool SpellCheckDialog::Execute(QWidget* owner, widgets::Services& services, SpellDictionaries& dictionaries,
                             RichTextEdit& Body)
{
    SpellCheckDialog dialog(owner, services, dictionaries);
    if (!dialog.Start(Body))
        return false;
    dialog.exec();
    return dialog.ApplyCorrections();
}

bool SpellCheckDialog::Start(RichTextEdit& body)
{
    if (const result::Status loaded = dictionaries_.LoadDictionaries(); !loaded) {
        services_.Dialogs().ShowError(MessageParent(), QString::fromLocal8Bit(loaded.Message().c_str()),
                                      services_.Title());
        return false;
    }
    Body = &body;
    TransferRichText(body, *reShow);
    pass_.ScanPos = 0;
    return FindNextUnknown();
}

bool SpellCheckDialog::ApplyCorrections()
{
    if (!Changed)
        return false;
    TransferRichText(*reShow, *Body);
    Body->setReadOnly(false);
    Body->document()->setModified(true);
    return true;
}

QWidget* SpellCheckDialog::MessageParent()
{
    return isVisible() ? this : parentWidget();
}

bool SpellCheckDialog::FindNextUnknown()
{
    if (!pass_.FindNextUnknown(SpellText(*reShow->document()))) {
        services_.Dialogs().MessageBox(MessageParent(), EndMessage, QStringLiteral("Information"),
                                       widgets::MsgIcon::Information, widgets::MsgButtons::Ok,
                                       widgets::MsgAnswer::Ok);
        return false;
    }
    ShowUnknownWord();
    return true;
}

void SpellCheckDialog::ShowUnknownWord()
{
    const QString word = platform::FromDiaryText(pass_.UnknownWord());
    edUnknown->setText(word);
    edCorrection->setText(word);
    lbSuggestions->clear();
    for (const auto& suggestion : pass_.Suggestions)
        lbSuggestions->addItem(platform::FromDiaryText(suggestion));
    QTextCursor selection(reShow->document());
    const int start = static_cast<int>(pass_.WordStart) - 1;
    selection.setPosition(start);
    selection.setPosition(start + static_cast<int>(pass_.UnknownWord().size()), QTextCursor::KeepAnchor);
    reShow->setTextCursor(selection);
    reShow->ensureCursorVisible();
    edCorrection->setFocus();
}

void SpellCheckDialog::ReplaceUnknownWord(const QString& correction)
{
    const int start = static_cast<int>(pass_.WordStart) - 1;
    // The correction takes the formatting of the word's first character.
    QTextCursor cursor(reShow->document());
    cursor.setPosition(start + 1);
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(pass_.UnknownWord().size()), QTextCursor::KeepAnchor);
    cursor.insertText(correction, format);
    reShow->setTextCursor(cursor);
}

void SpellCheckDialog::btnIgnoreClick()
{
    FindNextUnknown();
}

void SpellCheckDialog::btnIgnoreAllClick()
{
    dictionaries_.AddToIgnoreAll(pass_.UnknownWord());
    FindNextUnknown();
}

void SpellCheckDialog::btnAddClick()
{
    const QString question = QStringLiteral("Add \"%1\" to custom dictionary?").arg(edUnknown->text());
    if (services_.Dialogs().MessageBox(this, question, QStringLiteral("Warning"), widgets::MsgIcon::Warning,
                                       widgets::MsgButtons::OkCancel,
                                       widgets::MsgAnswer::Ok) != widgets::MsgAnswer::Ok)
        return;
    if (const result::Status added = dictionaries_.AddToCustomDictionary(pass_.UnknownWord()); !added) {
        services_.Dialogs().ShowError(this, QString::fromLocal8Bit(added.Message().c_str()), services_.Title());
        return;
    }
    FindNextUnknown();
}

void SpellCheckDialog::btnAcceptClick()
{
    // Once the walk is over no word is on display any more: nothing is replaced.
    if (pass_.WordOnDisplay()) {
        Changed = true;
        const QString correction = edCorrection->text();
        ReplaceUnknownWord(correction);
        pass_.Replaced(static_cast<size_t>(correction.size()));
    }
    FindNextUnknown();
}

void SpellCheckDialog::lbSuggestionsDblClick()
{
    if (const QListWidgetItem* item = lbSuggestions->currentItem(); item != nullptr && item->isSelected())
        edCorrection->setText(item->text());
}
