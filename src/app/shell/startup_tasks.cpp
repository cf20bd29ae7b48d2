#include "startup_tasks.h"

#include "store/session.h"

#include <QDir>

namespace minori {

void moveSettingsOutOfOldStore() {}
void deleteLeftoverWorkTables() {}
void restructureDataTables() {}

void setCurrentDirectoryToProgramFolder()
{
    if (!store::Session::programFolder().isEmpty())
        QDir::setCurrent(store::Session::programFolder());
}

void addPostalCodesToOrderLines() {}
void setYearAndMonthOnSlips() {}

void runStartupTasks()
{
    moveSettingsOutOfOldStore();
    deleteLeftoverWorkTables();
    restructureDataTables();
    setCurrentDirectoryToProgramFolder();
    addPostalCodesToOrderLines();
    setYearAndMonthOnSlips();
}

} // namespace minori
