// The conflict copies a sync engine leaves beside a diary, as the selection window meets them:
// not listed, offered for merging when their diary opens, kept as "<copy>.merged".
#include "JourneyTest.h"

#include <QComboBox>
#include <QLineEdit>

using namespace base::text;
using namespace formats::diary;
using namespace widgets::dialogs;

using namespace testing_support;

namespace {

const LineList Written{"202403100Sunday@@{\\rtf1 rest}", "202403123Tuesday@@{\\rtf1 work}"};
const std::string FromLaptop = "202403140Laptop@@{\\rtf1 typed on the laptop}";
const std::string FromPhone = "202403150Phone@@{\\rtf1 typed with another password}";

class ConflictCopiesJourneyTest : public journeys::JourneyTest {
protected:
    std::vector<QString> Items() const
    {
        std::vector<QString> items;
        const auto& list = Child<QComboBox>(*entry_, "diaryList");
        for (int i = 0; i < list.count(); ++i)
            items.push_back(list.itemText(i));
        return items;
    }
};

TEST_F(ConflictCopiesJourneyTest, CopiesAreNotListedAndOpeningTheirDiaryMergesThemIn)
{
    const std::string syncthing = "Journal.sync-conflict-20240314-101500-ABCDEF7.dry";
    const std::string nextcloud = "Journal (conflicted copy 2024-03-15 081000).dry";
    const std::string damaged = "Journal_conflict-20240315-090000.dry";
    Diary("Journal.dry", Written, "pw");
    Diary(syncthing, {Written[0], FromLaptop}, "pw");
    Diary(nextcloud, {FromPhone}, "old");
    WriteBytes(PathOf(damaged), "DRY1 cut short by the sync");
    Diary("Journal (copy).dry", Written, "pw"); // merely resembles a conflict copy

    StartSelection();
    EXPECT_EQ(Items(), (std::vector<QString>{"* New Diary *", "Journal (copy)", "Journal"}));
    services_.dialogs.AnswerMessage(MsgAnswer::Yes);
    services_.dialogs.AnswerText(QStringLiteral("old"));
    Child<QLineEdit>(*entry_, "passwordEdit").setText(QStringLiteral("pw"));
    Choose(QStringLiteral("Journal"));
    ClickChild(*entry_, "nextButton");
    ASSERT_FALSE(entry_->isVisible());
    entry_.reset();

    const auto messages = services_.dialogs.Messages();
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Merge the 3 conflicting copies of this diary into it?");
    EXPECT_TRUE(messages[1].startsWith(QString::fromStdString(damaged + " cannot be read"))) << messages[1].toStdString();
    EXPECT_TRUE(messages[2].startsWith("2 days came in from the other copy of this diary.")) << messages[2].toStdString();

    main_->show();
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
    ClickChild(*main_, "exitButton");
    main_.reset();
    EXPECT_EQ(Stored("Journal.dry", "pw"), (LineList{Written[0], Written[1], FromLaptop, FromPhone}));
    EXPECT_TRUE(std::filesystem::exists(PathOf(syncthing + ".merged")));
    EXPECT_TRUE(std::filesystem::exists(PathOf(nextcloud + ".merged")));
    EXPECT_TRUE(std::filesystem::exists(PathOf(damaged))) << "a damaged copy is left alone";
}

} // namespace
