#pragma once
// Word lists for generated data: names with their half-width katakana readings, addresses
// for when no postal dictionary is present, products and classifications.
#include <QList>
#include <QString>

namespace gen {

struct NameReading {
    const char16_t *name;
    const char16_t *reading;
};

struct SampleAddress {
    const char16_t *postal;     // "123-4567"
    const char16_t *line1;      // prefecture + city (+ town or village)
    const char16_t *area;       // town area
};

struct SampleProduct {
    const char16_t *name;
    const char16_t *spec;
    int price;
    const char16_t *classCode;
};

const QList<NameReading> &surnames();
const QList<NameReading> &givenNames();
const QList<NameReading> &companyWords();
const QList<SampleAddress> &sampleAddresses();
const QList<SampleProduct> &sampleProducts();
const QList<NameReading> &customerClasses();   // code in name, text in reading
const QList<NameReading> &productClasses();
const QList<NameReading> &paymentKinds();
const QList<const char16_t *> &buildings();

} // namespace gen
