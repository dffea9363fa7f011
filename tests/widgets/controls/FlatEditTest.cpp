// The flat edit box: filtered and rewritten typing, Escape and Enter, focus colours and events,
// and the characters the diary code page refuses.
#include "widgets/controls/FlatEdit.h"

#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace platform::locale;
using namespace widgets::controls;

namespace {

const char* const DiaryNameChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz 0123456789_";

// A shown, active window with the edit box and a button after it.
class CoolEditTest : public ::testing::Test {
protected:
    CoolEditTest() : edit_(new FlatEdit), next_(new QPushButton("Next"))
    {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(edit_);
        layout->addWidget(next_);
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
        edit_->setFocus();
        QApplication::processEvents();
    }

    QWidget window_;
    FlatEdit* edit_;
    QPushButton* next_;
};

// Types text character by character, also characters QTest has no key for.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

} // namespace

TEST_F(CoolEditTest, AcceptCharsFilterAndUpperCaseRewriteTheText)
{
    edit_->SetAcceptChars(DiaryNameChars);
    QTest::keyClicks(edit_, "My-Diary.2");
    EXPECT_EQ(edit_->text(), "MyDiary2");
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(edit_->text(), "MyDiary") << "control characters are never filtered";
    edit_->setCursorPosition(2);
    edit_->insert("-a.b-");
    EXPECT_EQ(edit_->text(), "MyabDiary");
    EXPECT_EQ(edit_->cursorPosition(), 7) << "the caret goes back where it was, not corrected";

    edit_->clear();
    edit_->Options.UpperCase = true;
    QTest::keyClicks(edit_, "ab c");
    EXPECT_EQ(edit_->text(), "AB C");

    edit_->Options.UpperCase = false;
    edit_->Options.FirstUpperCase = true;
    edit_->setText("world");
    EXPECT_EQ(edit_->text(), "World");
}

TEST_F(CoolEditTest, EnterMovesOnOnlyWhenAskedKeyPressMaySwallowAndFocusEventsFollow)
{
    int returns = 0;
    QObject::connect(edit_, &QLineEdit::returnPressed, [&] { ++returns; });
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_EQ(returns, 1) << "without EnterAsTab, Enter reaches the box and the window";
    EXPECT_TRUE(edit_->hasFocus());

    edit_->OnKeyPress = [](FlatEdit&, char32_t& key) {
        if (key == 'x')
            key = 0;
    };
    QTest::keyClicks(edit_, "axb");
    EXPECT_EQ(edit_->text(), "ab");

    edit_->Options.EnterAsTab = true;
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
    EXPECT_TRUE(next_->hasFocus());

    next_->setFocus();
    std::vector<std::string> events;
    edit_->OnEnter = [&](FlatEdit&) { events.push_back("enter"); };
    edit_->OnExit = [&](FlatEdit&) { events.push_back("exit"); };
    edit_->OnChange = [&](FlatEdit&) { events.push_back("change"); };
    const QColor base = edit_->palette().color(QPalette::Base);
    edit_->SetColorOnFocus(QColor(232, 240, 255));
    edit_->setFocus();
    EXPECT_EQ(edit_->palette().color(QPalette::Base), QColor(232, 240, 255));
    edit_->SetAcceptChars("abc");
    edit_->setText("a-b");
    next_->setFocus();
    EXPECT_EQ(edit_->palette().color(QPalette::Base), base);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "change", "exit"}))
        << "the cleaned text changes once";
}

TEST_F(CoolEditTest, AnotherWindowTakingTheActivationDoesNotEndTheVisit)
{
    edit_->Options.EscCancels = true;
    next_->setFocus();
    edit_->setText("before");
    int exits = 0;
    edit_->OnExit = [&](FlatEdit&) { ++exits; };
    edit_->setFocus();
    QTest::keyClicks(edit_, " typed");

    QWidget other; // a message box, say
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.close();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    EXPECT_EQ(exits, 0);

    QTest::keyClick(edit_, Qt::Key_Escape);
    EXPECT_EQ(edit_->text(), "before") << "the visit started before the other window came";
    next_->setFocus();
    EXPECT_EQ(exits, 1);
}

TEST_F(CoolEditTest, CharactersOutsideTheDiaryCodePageAreRefusedWithAMessage)
{
    if (DiaryCodePage() != 1252)
        GTEST_SKIP() << "the refused characters below are those of code page 1252";
    Type(edit_, QString::fromUtf8("caf\xC3\xA9 \xCE\xB1"));
    EXPECT_EQ(edit_->text(), QString::fromUtf8("caf\xC3\xA9 "));
    EXPECT_TRUE(edit_->LastRefusal().contains(QString::fromUtf8("\xCE\xB1")))
        << edit_->LastRefusal().toStdString();
}
