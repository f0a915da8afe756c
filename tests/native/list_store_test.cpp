// The user's lists over the host's user files, in a folder of each test's.
#include "my_lists/list_store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "common/user_files.h"
#include "common/utf8_to_gbk.h"
#include "native_pending_events.h"
#include "native_user_files.h"

namespace {

namespace fs = std::filesystem;

class ListStoreTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "nuvri-lists-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        useUserFolder((folder() / "Nuvri").string());
        resetPendingEvents();
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path folder() const { return root_; }
    fs::path file(const std::string& name) const { return root_ / "Nuvri" / name; }

    std::string fileText(const std::string& name) const {
        std::ostringstream text;
        text << std::ifstream(file(name), std::ios::binary).rdbuf();
        return text.str();
    }
    void writeFile(const std::string& name, const std::string& text) const {
        fs::create_directories(file(name).parent_path());
        std::ofstream(file(name), std::ios::binary) << text;
    }
    std::string fileHead(const UserList& list) const {
        return "# " + gbkToUtf8(list.comment) + "\n";
    }

    static std::vector<std::string> titles(const UserList& list) {
        const ListRows read = readUserList(list);
        EXPECT_EQ(read.outcome, ListOutcome::Done);
        std::vector<std::string> found;
        for (const ListRow& row : read.rows) {
            found.push_back(row.title);
        }
        return found;
    }

  private:
    fs::path root_;
};

using Titles = std::vector<std::string>;

TEST_F(ListStoreTest, NewestFirstEachAddressOnceUnderItsLatestTitle) {
    EXPECT_EQ(readUserList(kFavourites).rows.size(), 0u);
    EXPECT_EQ(putOnTop(kFavourites, "甲", "http://h/1.mp4"), ListOutcome::Done);
    EXPECT_EQ(putOnTop(kFavourites, "乙\t二", "http://h/2.mp4"), ListOutcome::Done);
    EXPECT_EQ(putOnTop(kFavourites, "丙", "http://h/3.mp4"), ListOutcome::Done);
    EXPECT_EQ(putOnTop(kFavourites, "甲又", "http://h/1.mp4"), ListOutcome::Done);
    EXPECT_EQ(titles(kFavourites), (Titles{"甲又", "丙", "乙 二"}));
    EXPECT_EQ(readUserList(kFavourites).rows[2].address, "http://h/2.mp4");
    EXPECT_EQ(fileText("favourites.txt"),
              fileHead(kFavourites) + gbkToUtf8("甲又") + "\thttp://h/1.mp4\n" + gbkToUtf8("丙") +
                  "\thttp://h/3.mp4\n" + gbkToUtf8("乙 二") + "\thttp://h/2.mp4\n");

    EXPECT_TRUE(listHolds(kFavourites, "http://h/3.mp4"));
    EXPECT_EQ(removeFromList(kFavourites, "http://h/3.mp4"), ListOutcome::Done);
    EXPECT_FALSE(listHolds(kFavourites, "http://h/3.mp4"));
    EXPECT_EQ(removeFromList(kFavourites, "http://h/3.mp4"), ListOutcome::Done);
    EXPECT_EQ(titles(kFavourites), (Titles{"甲又", "乙 二"}));
    // The other list is a file of its own, which an empty address or one too
    // long for a line does not make.
    EXPECT_EQ(putOnTop(kRecentlyPlayed, "", ""), ListOutcome::Done);
    EXPECT_EQ(putOnTop(kRecentlyPlayed, "A", std::string(9000, 'u')), ListOutcome::TooLong);
    EXPECT_FALSE(fs::exists(file("recently-played.txt")));
}

TEST_F(ListStoreTest, RecentlyPlayedKeepsTheLast200) {
    for (int i = 1; i <= 205; ++i) {
        ASSERT_EQ(putOnTop(kRecentlyPlayed, std::to_string(i), "u" + std::to_string(i)),
                  ListOutcome::Done);
    }
    // A title played again moves to the top; none drops out for it.
    putOnTop(kRecentlyPlayed, "100", "u100");
    const Titles played = titles(kRecentlyPlayed);
    ASSERT_EQ(played.size(), 200u);
    EXPECT_EQ(played[0], "100");
    EXPECT_EQ(played[1], "205");
    EXPECT_EQ(played[199], "6");
}

TEST_F(ListStoreTest, TwoProgramsChangingOneFolderLoseNothing) {
    putOnTop(kFavourites, "old", "http://h/old.mp4");
    const int each = 40;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            bool done = true;
            for (int i = 0; i < each; ++i) {
                const std::string name = std::to_string(child) + "-" + std::to_string(i);
                done = putOnTop(kFavourites, name, "http://h/" + name) == ListOutcome::Done && done;
                // Each also takes out one it added, while the other adds.
                if (i == each / 2) {
                    done = removeFromList(kFavourites, "http://h/" + std::to_string(child) +
                                                           "-0") == ListOutcome::Done &&
                           done;
                }
            }
            _exit(done ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const ListRows read = readUserList(kFavourites);
    EXPECT_EQ(read.rows.size(), 2u * each - 2 + 1);
    for (int child = 0; child < 2; ++child) {
        EXPECT_FALSE(listHolds(kFavourites, "http://h/" + std::to_string(child) + "-0"));
        for (int i = 1; i < each; ++i) {
            EXPECT_TRUE(listHolds(kFavourites,
                                  "http://h/" + std::to_string(child) + "-" + std::to_string(i)));
        }
    }
    EXPECT_EQ(read.rows.back().title, "old");
}

TEST_F(ListStoreTest, ADamagedFileIsKeptBesideItBeforeItIsFirstRewritten) {
    const std::string damaged = "# c\nA\thttp://h/a\n\xFF\xFE\tbroken\nno tab\nB\thttp://h/b";
    writeFile("favourites.txt", damaged);
    // Reading and a change that changes nothing write nothing.
    EXPECT_EQ(titles(kFavourites), (Titles{"A", "B"}));
    EXPECT_TRUE(listHolds(kFavourites, "http://h/b"));
    EXPECT_EQ(removeFromList(kFavourites, "http://h/none"), ListOutcome::Done);
    EXPECT_EQ(fileText("favourites.txt"), damaged);
    EXPECT_FALSE(fs::exists(file("favourites.damaged-1.txt")));

    EXPECT_EQ(putOnTop(kFavourites, "C", "http://h/c"), ListOutcome::Done);
    EXPECT_EQ(fileText("favourites.damaged-1.txt"), damaged);
    EXPECT_EQ(fileText("favourites.txt"),
              fileHead(kFavourites) + "C\thttp://h/c\nA\thttp://h/a\nB\thttp://h/b\n");
    // Rewritten whole, the file needs no copy at the next change.
    EXPECT_EQ(putOnTop(kFavourites, "D", "http://h/d"), ListOutcome::Done);
    EXPECT_FALSE(fs::exists(file("favourites.damaged-2.txt")));

    // Damaged again, it is kept under the next free name; no copy is overwritten.
    const std::string again = fileText("favourites.txt") + "# a note\n";
    writeFile("favourites.txt", again);
    writeFile("favourites.damaged-2.txt", "someone's");
    EXPECT_EQ(removeFromList(kFavourites, "http://h/a"), ListOutcome::Done);
    EXPECT_EQ(fileText("favourites.damaged-1.txt"), damaged);
    EXPECT_EQ(fileText("favourites.damaged-2.txt"), "someone's");
    EXPECT_EQ(fileText("favourites.damaged-3.txt"), again);
    EXPECT_EQ(titles(kFavourites), (Titles{"D", "C", "B"}));
}

TEST_F(ListStoreTest, AFileTooLargeToReadIsKeptWhole) {
    // 33 MiB of entries, more than a list file is read of, in lines of 256
    // bytes: what is read ends at a line end and looks whole.
    std::string huge;
    for (int i = 0; huge.size() < (std::size_t{33} << 20); ++i) {
        char line[257];
        std::snprintf(line, sizeof line, "title %08d%s\thttp://h/%08d\n", i,
                      std::string(223, '.').c_str(), i);
        huge += line;
    }
    writeFile("recently-played.txt", huge);
    EXPECT_EQ(putOnTop(kRecentlyPlayed, "new", "http://h/new"), ListOutcome::Done);
    EXPECT_EQ(fileText("recently-played.damaged-1.txt"), huge);
    const Titles played = titles(kRecentlyPlayed);
    ASSERT_EQ(played.size(), 200u);
    EXPECT_EQ(played[1], "title 00000000" + std::string(223, '.'));
}

TEST_F(ListStoreTest, AFileThatCannotBeReadIsNeverWritten) {
    fs::create_directories(file("favourites.txt"));
    EXPECT_EQ(readUserList(kFavourites).outcome, ListOutcome::NotRead);
    EXPECT_EQ(putOnTop(kFavourites, "A", "http://h/a"), ListOutcome::NotRead);
    EXPECT_EQ(removeFromList(kFavourites, "http://h/a"), ListOutcome::NotRead);
    EXPECT_TRUE(fs::is_directory(file("favourites.txt")));
}

TEST_F(ListStoreTest, AFolderWithoutALockIsReadButNotWritten) {
    // The user's folder cannot be made: a file holds its name.
    std::ofstream(folder() / "Nuvri") << "in the way";
    EXPECT_EQ(putOnTop(kFavourites, "A", "http://h/a"), ListOutcome::NotWritten);
    const ListRows read = readUserList(kFavourites);
    EXPECT_EQ(read.outcome, ListOutcome::Done);
    EXPECT_TRUE(read.rows.empty());
}

TEST_F(ListStoreTest, AChangeWaitsForTheFilesWhileTheWindowProcessesMessages) {
    putOnTop(kFavourites, "A", "http://h/a");
    const std::string before = fileText("favourites.txt");
    // Another copy of the program holds the files until the third look at
    // the window's messages.
    std::optional<UserFilesLock> other(std::in_place);
    ASSERT_EQ(other->tryTake(), LockAttempt::Taken);
    onPendingEventsCall(3, [&] {
        EXPECT_EQ(fileText("favourites.txt"), before);
        other.reset();
    });
    EXPECT_EQ(putOnTop(kFavourites, "B", "http://h/b"), ListOutcome::Done);
    EXPECT_EQ(pendingEventCalls(), 3);
    EXPECT_EQ(titles(kFavourites), (Titles{"B", "A"}));
}

}  // namespace
