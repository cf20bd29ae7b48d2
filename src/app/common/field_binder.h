#pragma once
// Binds widgets of a form to fields of a Dataset by name: the widgets show the current
// row, and what the user types goes into the field while the set is being edited.
// Bound widgets carry the property "bound" so that ApplyScreenColors treats them as
// data-bound controls.
#include "store/dataset.h"

#include <QList>
#include <QObject>
#include <functional>

class QWidget;

namespace minori {

class FieldBinder : public QObject {
    Q_OBJECT
public:
    explicit FieldBinder(store::Dataset *set, QObject *parent = nullptr);

    // QLineEdit, QPlainTextEdit, QCheckBox, QComboBox (text of the item, editable or not),
    // QDateEdit, QLabel (display only).
    void bind(QWidget *widget, const QString &field);
    QWidget *widgetFor(const QString &field) const;
    // Shows the current row in every widget.
    void load();
    // Writes every widget's text into its field (the set must be editing); called before post.
    void store();

signals:
    // A widget was changed by the user (not by load()).
    void edited(const QString &field);

private:
    struct Binding {
        QWidget *widget;
        QString field;
    };
    void loadOne(const Binding &b);
    void storeOne(const Binding &b);
    store::Dataset *set_;
    QList<Binding> bindings_;
    bool loading_ = false;
};

} // namespace minori
