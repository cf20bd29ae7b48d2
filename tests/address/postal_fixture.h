#pragma once
// A program folder whose postal dictionary is built from the small KEN_ALL fixture.
#include "address/postal_dictionary.h"
#include "address/postal_import.h"
#include "temp_home.h"

#include <QDir>
#include <gtest/gtest.h>
#include <stdexcept>

inline QString fixturePath(const QString &name)
{
    return QDir(QStringLiteral(MINORI_ADDRESS_FIXTURES)).filePath(name);
}

struct PostalHome : TempHome {
    PostalHome()
    {
        address::closePostalDatabase();
        result = address::importKenAll(fixturePath(QStringLiteral("KEN_ALL_sample.csv")), store::Session::postalPath(),
                                       QStringLiteral("2025/09/30"));
        // Without its dictionary a test would stop at the screen's error box.
        if (!result.ok)
            throw std::runtime_error(result.error.toStdString());
    }
    ~PostalHome() { address::closePostalDatabase(); }
    store::Database &postal() { return address::postalDatabase(); }
    address::ImportResult result;
};
