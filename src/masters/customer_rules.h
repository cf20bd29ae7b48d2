#pragma once
// The statements and small rules of the customer screens, without widgets.
#include <QString>

namespace minori::customer {

// The customer list of the master screen, in code order.
extern const QString kListSql;
// One customer by code.
extern const QString kOneSql;
// Other customers with the same telephone search key / the same reading (code excluded).
extern const QString kSamePhoneSql;
extern const QString kSameReadingSql;
// Customers whose telephone search key equals a given one (one parameter).
extern const QString kByPhoneKeySql;
// Customer classifications: the list, and one by code.
extern const QString kClassListSql;
extern const QString kClassOneSql;

// Captions of the duplicate pickers.
extern const QString kSamePhoneCaption;
extern const QString kSameReadingCaption;
// The question before a customer is copied (master screen / search screens).
extern const QString kCopyQuestion;
QString copyQuestionFor(const QString &name);

// The telephone search key: the ASCII digits of the number, in order.
QString phoneSearchKey(const QString &telephone);
// True for the take-away customer "お持ち帰り" (the customer counter's form of "0").
bool isTakeAway(const QString &code);
// The memo with the date of now (its first 10 characters, "yyyy/mm/dd") and one CR in front.
QString memoWithDate(const QString &memo, const QString &now);

} // namespace minori::customer
