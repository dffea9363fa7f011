// The about window and the caption it writes for the product's web address.
#include "windows/tools/AboutWindow.h"
#include "windows/tools/WebSite.h"

#include "formats/resources/PackedResources.h"
#include "support/ShownPicture.h"
#include "support/TestServices.h"
#include "support/WindowFixtures.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/controls/SkinPictures.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace formats::resources;
using namespace widgets::controls;
using namespace windows::tools;

using testing::ElementsAre;
using testing_support::ShowsPicture;

TEST(WebSiteCaption, LowerCaseWithoutSchemeAndOnlyThePathWhenThereIsOne)
{
    EXPECT_EQ(WebSiteCaption("HTTP://www.Example.COM/Daybrook"), "daybrook");
    EXPECT_EQ(WebSiteCaption("https://example.org/diary/start"), "diary/start");
    EXPECT_EQ(WebSiteCaption("https://daybrook.example.org/"), "daybrook.example.org")
        << "an empty path leaves the host, not an empty caption";
}

TEST(AboutWindow, TitleLineWebButtonSkinAndClosing)
{
    testing_support::TestServices services({2031, 7, 4});
    PackedResources store;
    LoadProgramRessources(store);
    AboutWindow about(nullptr, *services, store);
    std::vector<QUrl> opened;
    about.OpenUrl = [&opened](const QUrl& url) { opened.push_back(url); };

    auto* webSite = &testing_support::Child<ToolButton>(about, "webSiteButton");
    EXPECT_EQ(about.findChild<QLabel*>("titleLabel")->text(), "The Daybrook - a diary for your days (c) 2031")
        << "the year is today's";
    EXPECT_EQ(webSite->Caption(), "daybrook.example.org");

    QTimer::singleShot(0, &about, [&] {
        const QImage shown = about.grab().toImage();
        EXPECT_TRUE(ShowsPicture(shown, {0, 0, 395, 45}, SkinPicture(store, 7, SkinPart::Top), {3, 40}));
        EXPECT_TRUE(ShowsPicture(shown, {0, 45, 395, 247}, SkinPicture(store, 7, SkinPart::Background), {380, 280}));
        QTest::mouseClick(webSite, Qt::LeftButton);
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_FALSE(about.isVisible()) << "Escape closes";
        about.reject();
    });
    about.Execute(7);
    EXPECT_THAT(opened, ElementsAre(QUrl(WebSiteAddress)));

    bool closedByOk = false;
    QTimer::singleShot(0, &about, [&] {
        testing_support::ClickChild(about, "closeButton");
        closedByOk = !about.isVisible();
        about.reject();
    });
    about.Execute(7);
    EXPECT_TRUE(closedByOk);
}
