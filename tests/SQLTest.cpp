#include "zelk/SQL.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

using zelk::SQL;
using zelk::SQLGroup;
using zelk::SQLNodes;
using zelk::test::captureStdout;
using zelk::test::takeText;
using zelk::test::TempDir;

namespace {

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

std::string valueOf(SQLNodes* row, unsigned int column) {
    if (!row || !row->havePos(column))
        return "<no column>";
    char* value = row->get(column)->value;
    return value ? std::string(value) : "<null>";
}

std::string nameOf(SQLNodes* row, unsigned int column) {
    return row && row->havePos(column) ? std::string(row->get(column)->name) : "<no column>";
}

class SQLTest : public ::testing::Test {
protected:
    // A new database "game.zdb" in the temp folder with a table of three
    // players.
    void SetUp() override {
        ASSERT_TRUE(base.newDataBase(folder.file("game").c_str()));
        ASSERT_TRUE(base.execute("CREATE TABLE players(name TEXT, score INTEGER, note TEXT);"
                                 "INSERT INTO players VALUES('ana', 30, 'first');"
                                 "INSERT INTO players VALUES('bo', 10, NULL);"
                                 "INSERT INTO players VALUES('cy', 20, '');",
                                 nullptr));
    }

    TempDir folder;
    SQL base;
};

TEST(SQLNames, AddExtensionAppendsTheExtensionOnlyToNamesWithoutAPoint) {
    EXPECT_EQ("db.zdb", takeText(SQL::addExtension("db", ".zdb")));
    EXPECT_EQ("a.b", takeText(SQL::addExtension("a.b", ".zdb")));
    EXPECT_EQ("./x/db", takeText(SQL::addExtension("./x/db", ".zdb")));
    EXPECT_EQ("db", takeText(SQL::addExtension("db", "z")));
    EXPECT_EQ("db", takeText(SQL::addExtension("db", static_cast<const char*>(nullptr))));
    EXPECT_EQ("<null>", takeText(SQL::addExtension("", ".zdb")));
    EXPECT_EQ("<null>", takeText(SQL::addExtension(static_cast<const char*>(nullptr), ".zdb")));
}

TEST(SQLFiles, OpeningAMissingFileFailsWithoutCreatingIt) {
    TempDir folder;
    SQL base;
    EXPECT_FALSE(base.openDataBase(folder.file("missing").c_str()));
    EXPECT_FALSE(exists(folder.file("missing.zdb")));
    EXPECT_FALSE(base.haveOpenedDataBase());
    EXPECT_FALSE(base.openDataBase(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(base.openDataBase(""));
    EXPECT_FALSE(base.execute("SELECT 1;", nullptr));
}

TEST(SQLFiles, AFailedOpenPrintsSQLitesMessageAndLeavesNoConnection) {
    TempDir folder;
    // A folder named like a database passes the existence test, but SQLite
    // cannot open it.
    std::string name = folder.file("folder.zdb");
    ASSERT_EQ(0, mkdir(name.c_str(), 0700));
    SQL base;
    bool opened = true;
    std::string printed = captureStdout([&] { opened = base.openDataBase(name.c_str()); });
    EXPECT_FALSE(opened);
    EXPECT_EQ(0u, printed.find("\nSQL error - ")) << printed;
    EXPECT_GT(printed.size(), std::string("\nSQL error - ").size());
    EXPECT_FALSE(base.haveOpenedDataBase());
}

TEST(SQLFiles, NewDataBaseCreatesTheFileWithTheDefaultExtensionAndEmptiesAnOldOne) {
    TempDir folder;
    SQL base;
    ASSERT_TRUE(base.newDataBase(folder.file("save").c_str()));
    EXPECT_TRUE(exists(folder.file("save.zdb")));
    EXPECT_TRUE(base.haveOpenedDataBase());
    ASSERT_TRUE(base.execute("CREATE TABLE t(x); INSERT INTO t VALUES(1);", nullptr));

    // Emptying the open file itself: the old connection cannot write it back.
    ASSERT_TRUE(base.newDataBase(folder.file("save.zdb").c_str()));
    SQLGroup tables;
    ASSERT_TRUE(base.execute("SELECT name FROM sqlite_master;", &tables));
    EXPECT_EQ(0u, tables.size());
}

TEST(SQLFiles, DataWrittenIsReadBackAfterReopening) {
    TempDir folder;
    std::string name = folder.file("keep");
    {
        SQL writer;
        ASSERT_TRUE(writer.newDataBase(name.c_str()));
        ASSERT_TRUE(writer.execute("CREATE TABLE t(x); INSERT INTO t VALUES('kept');", nullptr));
    }
    SQL reader;
    ASSERT_TRUE(reader.openDataBase(name.c_str()));
    SQLGroup rows;
    ASSERT_TRUE(reader.execute("SELECT x FROM t;", &rows));
    EXPECT_EQ("kept", valueOf(rows.getGroup(0), 0));
}

TEST_F(SQLTest, SelectCollectsRowsInOrderWithColumnNames) {
    SQLGroup rows;
    ASSERT_TRUE(base.execute("SELECT name, score FROM players ORDER BY score;", &rows));
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("name", nameOf(rows.getGroup(0), 0));
    EXPECT_EQ("score", nameOf(rows.getGroup(0), 1));
    EXPECT_EQ("bo", valueOf(rows.getGroup(0), 0));
    EXPECT_EQ("10", valueOf(rows.getGroup(0), 1));
    EXPECT_EQ("cy", valueOf(rows.getGroup(1), 0));
    EXPECT_EQ("ana", valueOf(rows.getGroup(2), 0));
    EXPECT_EQ("30", valueOf(rows.getGroup(2), 1));
    EXPECT_EQ(2u, rows.getGroup(2)->size());
    EXPECT_FALSE(rows.haveGroup(3));
    EXPECT_EQ(nullptr, rows.getGroup(3));
}

TEST_F(SQLTest, NullReadsAsANullValueAndAnEmptyTextStaysEmpty) {
    SQLGroup rows;
    ASSERT_TRUE(base.execute("SELECT note FROM players ORDER BY name;", &rows));
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("first", valueOf(rows.getGroup(0), 0));
    EXPECT_EQ("<null>", valueOf(rows.getGroup(1), 0));
    EXPECT_EQ("", valueOf(rows.getGroup(2), 0));
}

TEST_F(SQLTest, StatementsWithoutRowsLeaveTheGroupEmpty) {
    SQLGroup rows;
    EXPECT_TRUE(base.execute("UPDATE players SET score = score + 1;", &rows));
    EXPECT_TRUE(base.execute("SELECT * FROM players WHERE score > 1000;", &rows));
    EXPECT_EQ(0u, rows.size());
    EXPECT_FALSE(base.execute(static_cast<const char*>(nullptr), &rows));
}

TEST_F(SQLTest, SeveralStatementsAppendTheirRowsToOneGroup) {
    SQLGroup rows;
    ASSERT_TRUE(base.execute("SELECT 1 AS a; SELECT 2 AS b, 3 AS c;", &rows));
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("a", nameOf(rows.getGroup(0), 0));
    EXPECT_EQ("c", nameOf(rows.getGroup(1), 1));
    EXPECT_EQ("3", valueOf(rows.getGroup(1), 1));
}

TEST_F(SQLTest, ABadStatementFailsAndPrintsTheMessage) {
    SQLGroup rows;
    bool done = true;
    std::string printed =
        captureStdout([&] { done = base.execute("SELEKT * FROM players;", &rows); });
    EXPECT_FALSE(done);
    EXPECT_EQ("SQL error: near \"SELEKT\": syntax error\n", printed);
    EXPECT_EQ(0u, rows.size());

    printed = captureStdout([&] { done = base.execute("SELECT * FROM nowhere;", nullptr); });
    EXPECT_FALSE(done);
    EXPECT_EQ("SQL error: no such table: nowhere\n", printed);
}

TEST_F(SQLTest, AFileThatIsNoDatabaseOpensButFailsOnTheFirstStatement) {
    std::string name = folder.file("notes.txt");
    FILE* file = fopen(name.c_str(), "wb");
    ASSERT_NE(nullptr, file);
    fputs("these are not the pages of a database, only some plain text in a file", file);
    fclose(file);
    ASSERT_TRUE(base.openDataBase(name.c_str()));
    bool done = true;
    std::string printed =
        captureStdout([&] { done = base.execute("SELECT * FROM sqlite_master;", nullptr); });
    EXPECT_FALSE(done);
    EXPECT_EQ("SQL error: file is not a database\n", printed);
}

TEST_F(SQLTest, DeletingTheOpenDatabaseByAnyOfItsNamesIsRefused) {
    std::string name = folder.file("game.zdb");
    EXPECT_FALSE(base.deleteDataBase(name.c_str()));
    EXPECT_FALSE(base.deleteDataBase(folder.file("game").c_str()));
    ASSERT_EQ(0, mkdir(folder.file("sub").c_str(), 0700));
    EXPECT_FALSE(base.deleteDataBase((folder.path() + "/sub/../game.zdb").c_str()));
    ASSERT_EQ(0, symlink(name.c_str(), folder.file("alias.zdb").c_str()));
    EXPECT_FALSE(base.deleteDataBase(folder.file("alias.zdb").c_str()));
    EXPECT_TRUE(exists(name));
    EXPECT_TRUE(base.execute("INSERT INTO players VALUES('dee', 5, 'x');", nullptr));
}

TEST_F(SQLTest, DeletingAnotherDatabaseByNameLeavesTheOpenOne) {
    SQL other;
    ASSERT_TRUE(other.newDataBase(folder.file("other").c_str()));
    other.closeDataBase();
    EXPECT_TRUE(base.deleteDataBase(folder.file("other").c_str()));
    EXPECT_FALSE(exists(folder.file("other.zdb")));
    EXPECT_FALSE(base.deleteDataBase(folder.file("other").c_str()));
    EXPECT_TRUE(base.haveOpenedDataBase());
}

TEST_F(SQLTest, DeletingWithoutANameClosesAndRemovesTheOpenDatabase) {
    EXPECT_TRUE(base.deleteDataBase(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(base.haveOpenedDataBase());
    EXPECT_FALSE(exists(folder.file("game.zdb")));
    EXPECT_FALSE(base.deleteDataBase(static_cast<const char*>(nullptr)));
}

TEST(SQLRows, AGroupOwnsItsRowsAndARowItsNodes) {
    // Run under the leak checker: the group frees every row and node.
    auto* rows = new SQLGroup();
    SQLNodes* row = rows->getNewGroup();
    ASSERT_NE(nullptr, row);
    EXPECT_TRUE(row->addNode("column", "value"));
    EXPECT_TRUE(row->addNode("empty", ""));
    EXPECT_TRUE(row->addNode("missing", static_cast<const char*>(nullptr)));
    EXPECT_FALSE(row->addNode(static_cast<const char*>(nullptr), "value"));
    EXPECT_EQ(3u, row->size());
    EXPECT_EQ(1u, rows->newGroup());
    EXPECT_TRUE(rows->haveGroup(1));
    delete rows;
}

} // namespace
