// The spell-check dialog driven as a user drives it: the words it stops at, ignoring, adding
// and changing them, and what reaches the body when it closes.
#include "windows/spell/SpellCheckDialog.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "platform/locale/Collation.h"
#include "widgets/editor/RichTextEdit.h"
#include "windows/spell/SpellCheckBody.h"

#include "support/TestServices.h"
#include "support/WindowFixtures.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace formats::wordlists;
using namespace platform::locale;
using namespace widgets::dialogs;
using namespace widgets::editor;
using namespace windows::spell;

using namespace testing_support;

namespace {

const QString EndMessage =
    QStringLiteral("The spell checker did not find any more\r\nmisspelled words in the current entry!");
const QString UsersClipboard = QStringLiteral("what the user copied before");

// A body in the main window's shape, a master word list in the program folder, and the
// clipboard holding the user's text, which no journey may touch.
class SpellCheckTest : public ::testing::Test {
protected:
    SpellCheckTest()
    {
        QGuiApplication::clipboard()->setText(UsersClipboard);
        owner_.setGeometry(100, 100, 640, 480);
        body_ = new RichTextEdit(&owner_);
        body_->setGeometry(10, 10, 600, 400);
        owner_.show();
        QApplication::processEvents();
        WriteBytes(services_.ProgramFolder() / "English.dic", "cat\r\nend\r\nmat\r\non\r\nplain\r\nsat\r\ntea\r\nten\r\nthe\r\n");
    }
    ~SpellCheckTest() override { EXPECT_EQ(QGuiApplication::clipboard()->text(), UsersClipboard); }

    // The body loaded as the day flow leaves it: read-only and unmodified.
    void Body(std::string_view text)
    {
        body_->LoadRtf(text);
        body_->setReadOnly(true);
    }

    // A dialog on the body, started and shown; false when it had nothing to show.
    bool Open()
    {
        dialog_ = std::make_unique<SpellCheckDialog>(&owner_, *services_, dictionaries_);
        if (!dialog_->Start(*body_))
            return false;
        dialog_->show();
        QApplication::processEvents();
        return true;
    }

    template <typename T> T& Control(const char* name) const { return testing_support::Child<T>(*dialog_, name); }
    QLineEdit& Correction() const { return Control<QLineEdit>("correctionEdit"); }
    QListWidget& SuggestionList() const { return Control<QListWidget>("suggestionList"); }
    RichTextEdit& Location() const { return Control<RichTextEdit>("locationView"); }

    void Click(const char* button) { testing_support::ClickChild(*dialog_, button); }
    // Types the correction over the one offered.
    void TypeCorrection(const QString& text)
    {
        Correction().clear();
        QTest::keyClicks(&Correction(), text);
    }
    QString Shown() const { return Control<QLineEdit>("unknownEdit").text(); }
    QString Marked() const { return Location().textCursor().selectedText(); }
    QString Copy() const { return Location().toPlainText(); }
    size_t EndMessages() const
    {
        const auto messages = services_.dialogs.Messages();
        return static_cast<size_t>(std::count(messages.begin(), messages.end(), EndMessage));
    }

    void DoubleClickSuggestion(const QString& text)
    {
        const auto found = SuggestionList().findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        testing_support::DoubleClickAt(SuggestionList().viewport(), SuggestionList().visualItemRect(found.front()).center());
    }

    testing_support::TestServices services_;
    SpellDictionaries dictionaries_{services_.ProgramFolder(), CollationKey};
    QWidget owner_;
    RichTextEdit* body_;
    std::unique_ptr<SpellCheckDialog> dialog_;
};

} // namespace

TEST_F(SpellCheckTest, BodyWithoutUnknownWordsGetsOnlyTheEndMessage)
{
    for (const char* text : {"The cat sat on the mat. A 1999 I!", ""}) {
        Body(text);
        const QString before = body_->toPlainText();
        QWidget* shown = nullptr;
        QTimer::singleShot(0, [&] {
            if ((shown = QApplication::activeModalWidget()) != nullptr)
                shown->close();
        });
        EXPECT_FALSE(RunSpellCheck(&owner_, *services_, dictionaries_, *body_)) << text;
        QApplication::processEvents();
        EXPECT_EQ(shown, nullptr);
        EXPECT_EQ(body_->toPlainText(), before);
        EXPECT_FALSE(body_->document()->isModified());
        EXPECT_TRUE(body_->isReadOnly());
    }
    EXPECT_EQ(EndMessages(), 2u);
    EXPECT_EQ(services_.dialogs.Asked().size(), 2u);
}


TEST_F(SpellCheckTest, ShowsEachUnknownWordMarkedInPlaceWithItsSuggestions)
{
    Body("{\\rtf1 Teh cat\\par sat on teh mat\\par}");
    ASSERT_TRUE(Open());
    EXPECT_EQ(Shown(), "Teh");
    EXPECT_EQ(Correction().text(), "Teh");
    EXPECT_EQ(Marked(), "Teh");
    EXPECT_EQ(SuggestionList().count(), 3);
    EXPECT_EQ(SuggestionList().item(2)->text(), "the");
    EXPECT_EQ(dialog_->focusWidget(), &Correction());

    Click("ignoreButton");
    EXPECT_EQ(Location().textCursor().selectionStart(), 15); // past a paragraph break
    EXPECT_EQ(Marked(), "teh");

    Click("ignoreButton");
    EXPECT_EQ(EndMessages(), 1u);
    EXPECT_EQ(Shown(), "teh"); // the last word stays on display
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_FALSE(dialog_->ApplyCorrections());
}


TEST_F(SpellCheckTest, AddAsksFirstAndStoresTheWordLowerCased)
{
    Body("Kettle boil");
    ASSERT_TRUE(Open());
    services_.dialogs.AnswerMessage(MsgAnswer::Cancel);
    Click("addButton");
    EXPECT_EQ(services_.dialogs.Messages().back(), "Add \"Kettle\" to custom dictionary?");
    EXPECT_EQ(Shown(), "Kettle");
    EXPECT_FALSE(std::filesystem::exists(services_.ProgramFolder() / "Custom.dic"));

    services_.dialogs.AnswerMessage(MsgAnswer::Ok);
    Click("addButton");
    EXPECT_EQ(ReadBytes(services_.ProgramFolder() / "Custom.dic"), "kettle\r\n");
    EXPECT_EQ(Shown(), "boil");
}

TEST_F(SpellCheckTest, FailedAddIsReportedAndTheDialogStaysOnTheWord)
{
    Body("Kettle boil");
    ASSERT_TRUE(Open());
    // A folder where the file belongs: it can be neither read nor replaced.
    std::filesystem::create_directory(services_.ProgramFolder() / "Custom.dic");
    Click("addButton");
    EXPECT_EQ(services_.dialogs.Asked().back().Icon, MsgIcon::Error);
    EXPECT_EQ(Shown(), "Kettle");
}

TEST_F(SpellCheckTest, ChangeToPutsTheChosenSuggestionInPlaceWithTheWordsFormatting)
{
    Body("{\\rtf1 plain {\\b Teh} ende}");
    ASSERT_TRUE(Open());
    DoubleClickSuggestion("the");
    EXPECT_EQ(Correction().text(), "the");
    EXPECT_EQ(Copy(), "plain Teh ende"); // nothing changes before Change to
    Click("changeButton");
    EXPECT_EQ(Shown(), "ende");
    Click("exitButton");
    EXPECT_FALSE(dialog_->isVisible());

    ASSERT_TRUE(dialog_->ApplyCorrections());
    EXPECT_EQ(body_->toPlainText(), "plain the ende");
    QTextCursor word(body_->document());
    word.setPosition(7);
    EXPECT_EQ(word.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(body_->document()->isModified());
    EXPECT_FALSE(body_->isReadOnly());
}

TEST_F(SpellCheckTest, ChangeToRemovesAWordForAnEmptyCorrectionCountsAnUnchangedOneAndStopsAtTheEnd)
{
    Body("one twoo three");
    ASSERT_TRUE(Open());
    Click("ignoreButton"); // "one"
    EXPECT_EQ(Shown(), "twoo");
    Correction().clear();
    Click("changeButton");
    EXPECT_EQ(Copy(), "one  three");
    EXPECT_EQ(Shown(), "three");

    Body("Teh cat");
    ASSERT_TRUE(Open());
    Click("changeButton");
    EXPECT_EQ(EndMessages(), 1u);
    ASSERT_TRUE(dialog_->ApplyCorrections());
    EXPECT_EQ(body_->toPlainText(), "Teh cat");
    EXPECT_TRUE(body_->document()->isModified());

    Body("Teh cat");
    ASSERT_TRUE(Open());
    TypeCorrection("The");
    Click("changeButton");
    EXPECT_EQ(EndMessages(), 2u);
    Click("changeButton");
    EXPECT_EQ(EndMessages(), 3u);
    EXPECT_EQ(Copy(), "The cat");
}

