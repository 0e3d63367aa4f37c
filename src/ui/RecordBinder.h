#pragma once

#include <QObject>
#include <QString>

class EditRecord;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Binds editing controls to the fields of an EditRecord: a control shows its field, and what the
// operator types goes into the field at once (a shown row starts being edited). A text field's
// input is capped at the column width whatever limit the control was designed with.
class RecordBinder : public QObject
{
    Q_OBJECT
public:
    explicit RecordBinder(EditRecord* record, QObject* parent = nullptr);

    EditRecord* record() const { return m_record; }

    void bind(QLineEdit* edit, const QString& field);
    // A memo: Enter types a line break.
    void bind(QPlainTextEdit* memo, const QString& field);
    // An editable combo box stores its text; a fixed one the text of the chosen item.
    void bind(QComboBox* combo, const QString& field);

    // The record a control is bound to, nullptr when it is bound to none.
    static EditRecord* recordOf(const QWidget* control);

private:
    struct Binding
    {
        QWidget* control;
        QString field;
    };
    void remember(QWidget* control, const QString& field);
    void show(const Binding& binding);
    void showAll();
    void store(const QString& field, const QString& text);

    EditRecord* m_record;
    QList<Binding> m_bindings;
    bool m_showing = false;
};
