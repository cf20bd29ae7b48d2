#include "field_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace minori {

FieldBinder::FieldBinder(store::Dataset *set, QObject *parent) : QObject(parent), set_(set)
{
    connect(set_, &store::Dataset::reset, this, &FieldBinder::load);
    connect(set_, &store::Dataset::currentChanged, this, &FieldBinder::load);
    connect(set_, &store::Dataset::rowChanged, this, [this](int row) {
        if (row == set_->recNo() - 1)
            load();
    });
}

void FieldBinder::bind(QWidget *widget, const QString &field)
{
    widget->setProperty("bound", true);
    widget->setProperty("boundField", field);
    Binding b{widget, field};
    bindings_ << b;
    auto changed = [this, b] {
        if (loading_)
            return;
        if (set_->isEditing())
            storeOne(b);
        emit edited(b.field);
    };
    if (auto *e = qobject_cast<QLineEdit *>(widget)) {
        connect(e, &QLineEdit::textEdited, this, changed);
        if (store::Field *f = set_->isOpen() ? set_->findField(field) : nullptr)
            if (f->type() == store::ColType::Text && f->width() > 0)
                e->setMaxLength(f->width());
    } else if (auto *t = qobject_cast<QPlainTextEdit *>(widget)) {
        connect(t, &QPlainTextEdit::textChanged, this, changed);
    } else if (auto *c = qobject_cast<QCheckBox *>(widget)) {
        connect(c, &QCheckBox::toggled, this, changed);
    } else if (auto *cb = qobject_cast<QComboBox *>(widget)) {
        connect(cb, &QComboBox::currentTextChanged, this, changed);
    } else if (auto *d = qobject_cast<QDateEdit *>(widget)) {
        connect(d, &QDateEdit::dateChanged, this, changed);
    }
    loadOne(b);
}

QWidget *FieldBinder::widgetFor(const QString &field) const
{
    for (const Binding &b : bindings_)
        if (b.field.compare(field, Qt::CaseInsensitive) == 0)
            return b.widget;
    return nullptr;
}

void FieldBinder::load()
{
    for (const Binding &b : bindings_)
        loadOne(b);
}

void FieldBinder::store()
{
    if (!set_->isEditing())
        return;
    for (const Binding &b : bindings_)
        storeOne(b);
}

void FieldBinder::loadOne(const Binding &b)
{
    loading_ = true;
    store::Field *f = set_->isOpen() ? set_->findField(b.field) : nullptr;
    const QString text = f ? f->asString() : QString();
    if (auto *e = qobject_cast<QLineEdit *>(b.widget)) {
        if (e->text() != text)
            e->setText(text);
    } else if (auto *t = qobject_cast<QPlainTextEdit *>(b.widget)) {
        if (t->toPlainText() != text)
            t->setPlainText(text);
    } else if (auto *c = qobject_cast<QCheckBox *>(b.widget)) {
        c->setChecked(f && f->asBool());
    } else if (auto *cb = qobject_cast<QComboBox *>(b.widget)) {
        const int i = cb->findText(text);
        if (cb->isEditable())
            cb->setEditText(text);
        else
            cb->setCurrentIndex(i);
    } else if (auto *d = qobject_cast<QDateEdit *>(b.widget)) {
        d->setDate(f && f->asDate().isValid() ? f->asDate() : d->minimumDate());
    } else if (auto *l = qobject_cast<QLabel *>(b.widget)) {
        l->setText(text);
    }
    loading_ = false;
}

void FieldBinder::storeOne(const Binding &b)
{
    store::Field *f = set_->findField(b.field);
    if (!f || !f->canModify())
        return;
    if (auto *e = qobject_cast<QLineEdit *>(b.widget)) {
        if (f->asString() != e->text())
            f->setString(e->text());
    } else if (auto *t = qobject_cast<QPlainTextEdit *>(b.widget)) {
        // The editor gives every line break back as LF: a memo whose breaks are CR or CR LF is
        // rewritten only when its text changed.
        QString stored = f->asString();
        stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        if (stored != t->toPlainText())
            f->setString(t->toPlainText());
    } else if (auto *c = qobject_cast<QCheckBox *>(b.widget)) {
        if (f->isNull() || f->asBool() != c->isChecked())
            f->setBool(c->isChecked());
    } else if (auto *cb = qobject_cast<QComboBox *>(b.widget)) {
        if (f->asString() != cb->currentText())
            f->setString(cb->currentText());
    } else if (auto *d = qobject_cast<QDateEdit *>(b.widget)) {
        f->setDate(d->date() == d->minimumDate() ? QDate() : d->date());
    }
}

} // namespace minori
