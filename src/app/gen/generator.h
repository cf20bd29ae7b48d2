#pragma once
// Fills a data folder with realistic test and demo data: customers with Japanese names,
// half-width katakana readings, telephone numbers and addresses (from the postal
// dictionary when there is one), products and classifications, payment kinds, and order
// slips whose lines and totals follow the slip rules. Codes and slip numbers come from the
// counters, which are left on the last number issued. Everything is written in one
// transaction.
#include "store/database.h"

#include <QString>
#include <functional>

namespace gen {

struct Options {
    int customers = 1000;
    int slips = 2000;            // each with 1 to 5 lines, 3 on average
    int products = 200;
    quint32 seed = 20080405;
    QString postalPath;          // DataCom/postal.db; missing or empty: built-in addresses
    QDate today;                 // slips end here; invalid: the current date
    // Called now and then with a phase text and the rows done so far of total.
    std::function<void(const QString &phase, int done, int total)> progress;
};

struct Result {
    int customers = 0;
    int products = 0;
    int slips = 0;
    int lines = 0;
    bool postalAddresses = false;   // addresses came from the postal dictionary
};

Result fill(store::Database &db, const Options &options);

} // namespace gen
