#include "model/session/FirstActivation.h"

#include <gtest/gtest.h>

#include "support/DiaryFixtures.h"

using namespace model::session;

using testing_support::ByteOrder;

TEST(FirstActivation, SortsTheRecordsAndKeepsOnlyARecoverysChanges)
{
    DiarySession session("/diaries", ByteOrder);
    session.Create("Travel Log", "pw");
    session.StoreDay({2024, 3, 2}, "{\\rtf1 b}", "B", 0);
    session.StoreDay({2024, 3, 1}, "{\\rtf1 a}", "A", 0);
    FirstActivation activation;
    EXPECT_EQ(activation.Complete(session, false), "Travel Log.dry");
    EXPECT_FALSE(activation.Pending());
    EXPECT_FALSE(session.Dirty()) << "nothing of the selection is a change of this run";
    EXPECT_TRUE(session.Text().Sorted());
    EXPECT_EQ(session.Text()[0].substr(0, 8), "20240301");

    session.AcceptRecovery(session.Text().Lines());
    FirstActivation afterRecovery;
    afterRecovery.Complete(session, true);
    EXPECT_TRUE(session.Dirty()) << "recovered records are saved at exit";
}
