#include "widgets/controls/FlatEdit.h"

#include "base/text/CodePage.h"
#include "platform/locale/DiaryCodePage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

const char* const DiaryNameChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz 0123456789_";

// A shown, active window with the edit box and a button after it.
class CoolEditTest : public ::testing::Test {
protected:
    CoolEditTest() : edit(new FlatEdit), next(new QPushButton("Next"))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QApplication::processEvents();
    }

    QWidget window;
    FlatEdit* edit;
    QPushButton* next;
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

TEST_F(CoolEditTest, AcceptCharsFiltersTypingAndPasting)
{
    edit->SetAcceptChars(DiaryNameChars);
    QTest::keyClicks(edit, "My-Diary.2");
    EXPECT_EQ(edit->text(), "MyDiary2");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "MyDiary") << "control characters are never filtered";
    edit->setCursorPosition(2);
    edit->insert("-a.b-");
    EXPECT_EQ(edit->text(), "MyabDiary");
    EXPECT_EQ(edit->cursorPosition(), 7) << "the caret goes back where it was, not corrected";
}

TEST_F(CoolEditTest, EscapeRestoresTheTextTheVisitStartedWith)
{
    edit->Options.EscCancels = true;
    next->setFocus();
    edit->setText("Notes");
    edit->setFocus();
    QTest::keyClicks(edit, " more");
    edit->selectAll();
    QTest::keyClicks(edit, "replaced");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "Notes");
}

TEST_F(CoolEditTest, UpperCaseAndFirstUpperCaseRewriteTheText)
{
    edit->Options.UpperCase = true;
    QTest::keyClicks(edit, "ab c");
    EXPECT_EQ(edit->text(), "AB C");
    edit->setText("pasted text");
    EXPECT_EQ(edit->text(), "PASTED TEXT");

    edit->Options.UpperCase = false;
    edit->Options.FirstUpperCase = true;
    edit->clear();
    QTest::keyClicks(edit, "hello");
    EXPECT_EQ(edit->text(), "Hello");
    edit->setCursorPosition(3);
    edit->setText("world");
    EXPECT_EQ(edit->text(), "World");
}

TEST_F(CoolEditTest, EnterMovesOnOnlyWhenAskedAndKeyPressMaySwallow)
{
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returns; });
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(returns, 1) << "without EnterAsTab, Enter reaches the box and the window";
    EXPECT_TRUE(edit->hasFocus());

    edit->OnKeyPress = [](FlatEdit&, char32_t& key) {
        if (key == 'x')
            key = 0;
    };
    QTest::keyClicks(edit, "axb");
    EXPECT_EQ(edit->text(), "ab");

    edit->Options.EnterAsTab = true;
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(CoolEditTest, FocusColoursComeAndGoAndEventsFollow)
{
    next->setFocus();
    std::vector<std::string> events;
    edit->OnEnter = [&](FlatEdit&) { events.push_back("enter"); };
    edit->OnExit = [&](FlatEdit&) { events.push_back("exit"); };
    edit->OnChange = [&](FlatEdit&) { events.push_back("change"); };
    const QColor base = edit->palette().color(QPalette::Base);
    edit->SetColorOnFocus(QColor(232, 240, 255));
    edit->SetTextColorOnFocus(Qt::black);
    edit->setFocus();
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(232, 240, 255));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::black));
    edit->SetAcceptChars("abc");
    edit->setText("a-b");
    next->setFocus();
    EXPECT_EQ(edit->palette().color(QPalette::Base), base);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "change", "exit"}))
        << "the cleaned text changes once";
}

TEST_F(CoolEditTest, AnotherWindowTakingTheActivationDoesNotEndTheVisit)
{
    edit->Options.EscCancels = true;
    next->setFocus();
    const QColor base = edit->palette().color(QPalette::Base);
    edit->SetColorOnFocus(QColor(232, 240, 255));
    edit->setText("before");
    int exits = 0;
    edit->OnExit = [&](FlatEdit&) { ++exits; };
    edit->setFocus();
    QTest::keyClicks(edit, " typed");

    QWidget other; // a message box, say
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.close();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(exits, 0);

    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "before") << "the visit started before the other window came";
    next->setFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(edit->palette().color(QPalette::Base), base) << "the colours of the visit do not stay";
}

TEST_F(CoolEditTest, CharactersOutsideTheDiaryCodePageAreRefusedWithAMessage)
{
    if (platform::DiaryCodePage() != 1252)
        GTEST_SKIP() << "the refused characters below are those of code page 1252";
    Type(edit, QString::fromUtf8("caf\xC3\xA9 \xCE\xB1"));
    EXPECT_EQ(edit->text(), QString::fromUtf8("caf\xC3\xA9 "));
    EXPECT_TRUE(edit->LastRefusal().contains(QString::fromUtf8("\xCE\xB1")))
        << edit->LastRefusal().toStdString();
    edit->insert(QString::fromUtf8("\xE2\x98\x83!"));
    EXPECT_EQ(edit->text(), QString::fromUtf8("caf\xC3\xA9 !"));
}
