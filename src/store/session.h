#pragma once
// The program folder and the one open data database of this process (the engine session).
#include "database.h"

#include <QString>

namespace store {

class Session {
public:
    // Opens <folder>/data/minori.db, creating a fresh data folder when it is missing, and
    // creates any table that the data folder lacks.
    static void open(const QString &programFolder);
    static void close();
    static bool isOpen();
    static Database &data();

    static QString programFolder();
    static QString programFile(const QString &name);   // program folder + name
    static QString dataFolder();
    static QString dataBasePath();
    static QString postalPath();                         // DataCom/postal.db
    static QString dataEtcFolder();
};

// Creates the tables the database lacks (with their indexes and initial rows).
void createMissingTables(Database &db);

} // namespace store
