// What the session tests share: a diaries folder of their own, a session over it, the records
// they write, and the stored records read back with either format.
#pragma once

#include "model/session/DiarySession.h"

#include "formats/diary/DiaryFile.h"
#include "formats/diary/SealedFile.h"
#include "support/DiaryFixtures.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

using namespace base::result;
using namespace base::text;
using namespace formats::diary;
using namespace model::session;

using testing_support::ByteOrder;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace session_test {

inline const LineList Records{"202401150Winter@@{\\rtf1 cold}", "202402290Leap@@{\\rtf1 rare}"};
inline const LineList OlderRecords{"202312240Eve@@{\\rtf1 from the backup}"};
inline const std::string Spring = "202403010Spring@@{\\rtf1 warm}";

inline LineList WithSpring(LineList lines)
{
    lines.push_back(Spring);
    return lines;
}

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { std::filesystem::create_directory(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    void Diary(const std::string& name, const LineList& lines, const std::string& password = "pw",
               DiaryFormat format = DiaryFormat::Plain)
    {
        const DiaryLock lock =
            format == DiaryFormat::Sealed ? SealedLock(password, CheapestKdf) : PlainLock(password);
        ASSERT_TRUE(SaveDiaryFile(PathOf(name), lines, lock).Ok());
    }

    // The file's records and format, loaded with the password.
    std::pair<LineList, DiaryFormat> Opened(const std::string& name, const std::string& password = "pw") const
    {
        LineList lines;
        DiaryLock lock;
        EXPECT_TRUE(testing_support::LoadDiaryFileInto(folder_ / name, lines, password, lock)) << name;
        return {lines, lock.Format};
    }
    LineList Stored(const std::string& name, const std::string& password = "pw") const
    {
        return Opened(name, password).first;
    }

    // A change to the open diary, as the editor makes one.
    void Edit()
    {
        session_.Text().Add(Spring);
        session_.Diary.Dirty = true;
    }

    TempDir place_;
    std::filesystem::path folder_ = place_ / "diaries";
    DiarySession session_{folder_.string(), ByteOrder};
};

} // namespace session_test

using session_test::SessionTest;
