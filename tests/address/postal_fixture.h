#pragma once
// A program folder whose postal dictionary is built from the small KEN_ALL fixture.
#include "address/postal_dictionary.h"
#include "address/postal_import.h"
#include "temp_home.h"

#include <QDir>
#include <gtest/gtest.h>

inline QString fixturePath(const QString &name)
{
    return QDir(qEnvironmentVariable("MINORI_SOURCE_DIR")).filePath(QStringLiteral("tests/address/data/") + name);
}

struct PostalHome : TempHome {
    PostalHome()
    {
        address::closePostalDatabase();
        result = address::importKenAll(fixturePath(QStringLiteral("KEN_ALL_sample.csv")), store::Session::postalPath(),
                                       QStringLiteral("2025/09/30"));
        EXPECT_TRUE(result.ok) << result.error.toStdString();
    }
    ~PostalHome() { address::closePostalDatabase(); }
    store::Database &postal() { return address::postalDatabase(); }
    address::ImportResult result;
};
