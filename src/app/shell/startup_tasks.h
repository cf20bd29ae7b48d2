#pragma once
// The tasks that bring the data folder up to date at the first show of the main window,
// in this order. Each is empty until the upgrade work lands.
namespace minori {

void moveSettingsOutOfOldStore();     // printer choices from the old settings root
void deleteLeftoverWorkTables();
void restructureDataTables();          // from the shipped empty tables
void setCurrentDirectoryToProgramFolder();
void addPostalCodesToOrderLines();    // once per installation
void setYearAndMonthOnSlips();

// All of the above, in order.
void runStartupTasks();

} // namespace minori
