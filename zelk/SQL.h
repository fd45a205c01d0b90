#ifndef ZELK_SQL_H
#define ZELK_SQL_H

#include "zelk/SQLGroup.h"

struct sqlite3;

namespace zelk {

// One SQLite 3 database file at a time. Names without a point get the
// engine's extension ".zdb". Statements run as plain SQL text and the rows
// they answer are collected into an SQLGroup. Failures answer false and print
// SQLite's message on standard output.
class SQL {
public:
    SQL();
    ~SQL();
    SQL(const SQL&) = delete;
    SQL& operator=(const SQL&) = delete;

    // A new text: the name followed by the extension, or a plain copy when
    // the name holds a point anywhere or the extension is shorter than two
    // characters; null for a null or empty name.
    static char* addExtension(char* name, char* extension);
    static char* addExtension(const char* name, const char* extension);

    // Closes the open database first; the file must exist.
    bool openDataBase(char* name);
    bool openDataBase(const char* name);
    // Creates the file (an existing one is emptied) and opens it.
    bool newDataBase(char* name);
    bool newDataBase(const char* name);
    // Deletes the named file, which must not be the open database under any
    // of its names. A null name closes the open database and deletes it.
    bool deleteDataBase(char* name);
    bool deleteDataBase(const char* name);

    // Runs the statements; each row they answer is appended to rows as one
    // SQLNodes (rows may be null). False without an open database or text.
    bool execute(char* sql, SQLGroup* rows);
    bool execute(const char* sql, SQLGroup* rows);

    bool haveOpenedDataBase();
    void closeDataBase();

private:
    sqlite3* dataBase;
    char* baseName;
};

} // namespace zelk

#endif
