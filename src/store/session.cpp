#include "session.h"

#include "tables.h"

#include <QDir>
#include <memory>

namespace store {

namespace {
QString g_folder;
std::unique_ptr<Database> g_data;
}

void createMissingTables(Database &db)
{
    Transaction tx(db);
    for (const TableDef &t : allTables()) {
        const bool fresh = !db.tableExists(t.name);
        if (fresh)
            db.exec(t.createSql());
        for (const QString &ix : t.indexSql())
            db.exec(ix);
        if (fresh && t.seed)
            t.seed(db);
    }
    tx.commit();
}

void Session::open(const QString &programFolder)
{
    close();
    g_folder = QDir(programFolder).absolutePath();
    QDir(g_folder).mkpath(QStringLiteral("data"));
    auto db = std::make_unique<Database>(dataBasePath());
    createMissingTables(*db);
    g_data = std::move(db);
}

void Session::close() { g_data.reset(); }

bool Session::isOpen() { return g_data != nullptr; }

Database &Session::data()
{
    if (!g_data)
        throw SqlError(QStringLiteral("the data folder is not open"), QString());
    return *g_data;
}

QString Session::programFolder() { return g_folder; }

QString Session::programFile(const QString &name) { return QDir(g_folder).filePath(name); }

QString Session::dataFolder() { return programFile(QStringLiteral("data")); }

QString Session::dataBasePath() { return QDir(dataFolder()).filePath(QStringLiteral("minori.db")); }

QString Session::postalPath() { return programFile(QStringLiteral("DataCom/postal.db")); }

QString Session::dataEtcFolder() { return programFile(QStringLiteral("DataEtc")); }

} // namespace store
