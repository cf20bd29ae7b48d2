#include "list_columns.h"

#include "app/common/text_routines.h"

namespace minori {

namespace {
constexpr int kMaxColumns = 100;

// A number item: empty gives the default; anything else must be a whole number.
bool readInt(const QString &item, int defaultValue, int *out)
{
    const QString s = item.trimmed();
    if (s.isEmpty()) {
        *out = defaultValue;
        return true;
    }
    bool ok = false;
    *out = s.toInt(&ok);
    return ok;
}
} // namespace

bool parseListColumns(const QString &text, QList<ListColumn> *columns, QString *error)
{
    columns->clear();
    const QStringList groups = text.split(u',');
    for (int i = 0; i < groups.size(); ++i) {
        const QStringList items = groups.at(i).split(u':');
        auto item = [&](int k) { return k < items.size() ? items.at(k) : QString(); };
        ListColumn c;
        c.source = item(0).trimmed();
        if (c.source.isEmpty()) {
            if (i == 0) {
                *error = QStringLiteral("フィールド定義文がありません");
                return false;
            }
            break;
        }
        if (columns->size() >= kMaxColumns) {
            *error = QStringLiteral("フィールド数オーバー");
            return false;
        }
        c.heading = item(1).isEmpty() ? c.source : item(1);
        if (!readInt(item(2), 10, &c.width) || !readInt(item(4), 0, &c.decimals) || c.decimals < 0) {
            *error = QStringLiteral("fPrintDbList フィールド解析エラー 項目番号=%1").arg(i);
            return false;
        }
        if (c.width <= 0)
            c.width = 10;
        c.kind = item(3).trimmed().isEmpty() ? QStringLiteral("S") : item(3).trimmed().toUpper();
        c.style = item(5).trimmed().isEmpty() ? QStringLiteral("T") : item(5).trimmed().toUpper();
        if (c.kind != u"S" && c.kind != u"F") {
            *error = QStringLiteral("表示形式指定エラー");
            return false;
        }
        if (c.kind == u"F" && c.style != u"N" && c.style != u"C" && c.style != u"T") {
            *error = QStringLiteral("３桁区切り指定エラー Col=%1 [%2]").arg(i).arg(item(5).trimmed());
            return false;
        }
        columns->append(c);
    }
    return true;
}

QString tableColumnList(const QList<ListColumn> &columns)
{
    QString out;
    for (const ListColumn &c : columns) {
        out += QString::number(c.width);
        // Digit-group lines belong to number columns only; a text column stays clear.
        if (c.kind == u"F" && c.style == u"T")
            out += QStringLiteral(":1:") + QString::number(c.decimals);
        out += u',';
    }
    return out;
}

QString listCellText(const ListColumn &c, const QVariant &value, int lno)
{
    if (c.kind == u"S") {
        if (c.source == u"$SPC")
            return QString();
        if (c.source == u"$LNO")
            return LeftBytes(QString::number(lno), c.width);
        return value.isNull() ? QString() : LeftBytes(value.toString(), c.width);
    }
    double v = 0;
    if (c.source == u"$LNO") {
        v = lno;
    } else if (c.source == u"$SPC" || !value.isValid() || value.isNull()) {
        return QString();
    } else {
        bool ok = false;
        v = value.toDouble(&ok);
        if (!ok) {
            if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
                return QString();
            return QStringLiteral("err");
        }
    }
    if (c.style == u"C")
        return FormatNumber(c.width - (c.decimals > 0 ? c.decimals + 1 : 0), c.decimals, v);
    return QString::asprintf("%*.*f", c.width, c.decimals, v);
}

} // namespace minori
