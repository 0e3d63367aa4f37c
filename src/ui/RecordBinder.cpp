#include "ui/RecordBinder.h"

#include "platform/EditRecord.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <memory>

namespace {
const char* const BinderProperty = "quenloRecordBinder";
}

RecordBinder::RecordBinder(EditRecord* record, QObject* parent) : QObject(parent), m_record(record)
{
    connect(record, &EditRecord::rowChanged, this, &RecordBinder::showAll);
    connect(record, &EditRecord::fieldChanged, this, [this](const QString& field) {
        for (const Binding& b : m_bindings)
            if (b.field == field)
                show(b);
    });
}

EditRecord* RecordBinder::recordOf(const QWidget* control)
{
    if (!control)
        return nullptr;
    auto* binder = qobject_cast<RecordBinder*>(control->property(BinderProperty).value<QObject*>());
    return binder ? binder->record() : nullptr;
}

void RecordBinder::remember(QWidget* control, const QString& field)
{
    control->setProperty(BinderProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    m_bindings << Binding{control, field};
    show(m_bindings.last());
}

void RecordBinder::store(const QString& field, const QString& text)
{
    if (!m_showing)
        m_record->setValue(field, text);
}

void RecordBinder::bind(QLineEdit* edit, const QString& field)
{
    if (const int width = m_record->width(field); width > 0)
        edit->setMaxLength(width);
    // every change of the text, typed or set by code, reaches the field
    connect(edit, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { store(field, text); });
    remember(edit, field);
}

void RecordBinder::bind(QPlainTextEdit* memo, const QString& field)
{
    const int width = m_record->width(field);
    // A plain text editor has no input limit: what goes past the width is taken off the end of
    // the text just typed or pasted, so the text before it stays as it was.
    auto lastEnd = std::make_shared<int>(0);
    connect(memo->document(), &QTextDocument::contentsChange, this,
            [lastEnd](int position, int, int added) { *lastEnd = position + added; });
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, field, width, lastEnd] {
        if (m_showing)
            return;
        const QString text = memo->toPlainText();
        if (width > 0 && text.size() > width) {
            const int end = std::clamp(*lastEnd, 0, int(text.size()));
            const int start = std::max(0, end - int(text.size() - width));
            QTextCursor cursor(memo->document());
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            cursor.removeSelectedText(); // runs this handler again with the capped text
            memo->setTextCursor(cursor);
            return;
        }
        store(field, text);
    });
    remember(memo, field);
}

void RecordBinder::bind(QComboBox* combo, const QString& field)
{
    if (QLineEdit* edit = combo->lineEdit())
        if (const int width = m_record->width(field); width > 0)
            edit->setMaxLength(width);
    // An editable box reports every change of its text here, a fixed one every choice.
    connect(combo, &QComboBox::currentTextChanged, this,
            [this, field](const QString& text) { store(field, text); });
    remember(combo, field);
}

void RecordBinder::show(const Binding& b)
{
    const QString text = m_record->text(b.field);
    m_showing = true;
    if (auto* edit = qobject_cast<QLineEdit*>(b.control)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(b.control)) {
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(b.control);
               combo && combo->currentText() != text) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    }
    m_showing = false;
}

void RecordBinder::showAll()
{
    for (const Binding& b : m_bindings)
        show(b);
}
