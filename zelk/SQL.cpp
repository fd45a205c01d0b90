#include "zelk/SQL.h"

#include "zelk/File.h"
#include "zelk/String.h"
#include "zelk/platform/Paths.h"

#include <cstdio>
#include <cstring>
#include <sqlite3.h>

namespace zelk {

namespace {

const char* defaultExtension = ".zdb";

int collectRow(void* target, int columns, char** values, char** names) {
    SQLGroup* rows = static_cast<SQLGroup*>(target);
    if (columns == 0 || !rows)
        return 0;
    SQLNodes* row = rows->getNewGroup();
    if (!row)
        return 0;
    for (int column = 0; column < columns; column++)
        row->addNode(names[column], values[column]);
    return 0;
}

} // namespace

SQL::SQL() : dataBase(nullptr), baseName(nullptr) {}

SQL::~SQL() {
    closeDataBase();
    delete[] baseName;
}

char* SQL::addExtension(char* name, char* extension) {
    if (!name || !*name)
        return nullptr;
    if (std::strchr(name, '.') || String::strSize(extension) <= 1)
        return String::strCopy(name);
    return String::strCat(name, extension);
}

char* SQL::addExtension(const char* name, const char* extension) {
    return addExtension(const_cast<char*>(name), const_cast<char*>(extension));
}

bool SQL::openDataBase(char* name) {
    closeDataBase();
    delete[] baseName;
    baseName = nullptr;
    char* full = addExtension(name, defaultExtension);
    const char* path = full ? full : name;
    bool opened = false;
    if (File::fileExist(path)) {
        // Opening never creates the file, even when it vanished since the test.
        if (sqlite3_open_v2(path, &dataBase, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            baseName = String::strCopy(path);
            opened = true;
        } else {
            std::printf("\nSQL error - %s", sqlite3_errmsg(dataBase));
            sqlite3_close(dataBase);
            dataBase = nullptr;
        }
    }
    delete[] full;
    return opened;
}

bool SQL::openDataBase(const char* name) {
    return openDataBase(const_cast<char*>(name));
}

bool SQL::newDataBase(char* name) {
    char* full = addExtension(name, defaultExtension);
    char* path = full ? full : name;
    // The connection to a file about to be emptied goes first, so that
    // closing it cannot write old pages into the new file.
    if (dataBase && platform::sameFile(path, baseName))
        closeDataBase();
    bool opened = File::createFile(path) && openDataBase(path);
    delete[] full;
    return opened;
}

bool SQL::newDataBase(const char* name) {
    return newDataBase(const_cast<char*>(name));
}

bool SQL::deleteDataBase(char* name) {
    if (!name) {
        closeDataBase();
        bool deleted = File::fileExist(baseName) && File::deleteFile(baseName);
        delete[] baseName;
        baseName = nullptr;
        return deleted;
    }
    char* full = addExtension(name, defaultExtension);
    const char* path = full ? full : name;
    // Removing the open file would leave the connection writing to a file no
    // name reaches any more.
    bool deleted = File::fileExist(path) && !(dataBase && platform::sameFile(path, baseName)) &&
                   File::deleteFile(path);
    delete[] full;
    return deleted;
}

bool SQL::deleteDataBase(const char* name) {
    return deleteDataBase(const_cast<char*>(name));
}

bool SQL::execute(char* sql, SQLGroup* rows) {
    if (!dataBase || !sql)
        return false;
    char* message = nullptr;
    if (sqlite3_exec(dataBase, sql, collectRow, rows, &message) == SQLITE_OK)
        return true;
    std::printf("SQL error: %s\n", message ? message : sqlite3_errmsg(dataBase));
    sqlite3_free(message);
    return false;
}

bool SQL::execute(const char* sql, SQLGroup* rows) {
    return execute(const_cast<char*>(sql), rows);
}

bool SQL::haveOpenedDataBase() {
    return dataBase != nullptr;
}

void SQL::closeDataBase() {
    if (dataBase)
        sqlite3_close(dataBase);
    dataBase = nullptr;
}

} // namespace zelk
