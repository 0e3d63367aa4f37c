#include "platform/EditRecord.h"

#include "data/Database.h"

namespace {
// An empty text and a missing value mean the same to the operator.
bool sameValue(const QVariant& a, const QVariant& b)
{
    const bool aEmpty = a.isNull() || (a.typeId() == QMetaType::QString && a.toString().isEmpty());
    const bool bEmpty = b.isNull() || (b.typeId() == QMetaType::QString && b.toString().isEmpty());
    if (aEmpty || bEmpty)
        return aEmpty == bEmpty;
    return a == b;
}
} // namespace

EditRecord::EditRecord(const QString& table, QObject* parent)
    : QObject(parent), m_table(Schema::table(table))
{
    if (!m_table)
        throw DatabaseError(QStringLiteral("no table %1").arg(table));
}

int EditRecord::width(const QString& field) const
{
    const ColumnDef* c = m_table->column(field);
    return c && c->type == ColumnType::Text ? c->width : 0;
}

bool EditRecord::hasField(const QString& field) const
{
    return m_table->column(field) != nullptr;
}

bool EditRecord::isModified() const
{
    if (m_state == State::Browse)
        return false;
    for (const ColumnDef& c : m_table->columns)
        if (!sameValue(m_values.value(c.name), m_start.value(c.name)))
            return true;
    return false;
}

bool EditRecord::setValue(const QString& field, const QVariant& value)
{
    if (!hasField(field))
        return false;
    if (sameValue(m_values.value(field), value))
        return true;
    if (m_state == State::Browse)
        edit();
    m_values.insert(field, value);
    Q_EMIT fieldChanged(field);
    return true;
}

void EditRecord::load(const QVariantMap& values)
{
    QVariantMap row;
    for (const ColumnDef& c : m_table->columns)
        row.insert(c.name, values.value(c.name));
    m_before = row;
    m_start = row;
    setState(State::Browse);
    replaceRow(row);
}

void EditRecord::append()
{
    // A row being changed is written first when it was changed, as a data-aware set does.
    if (isEditing()) {
        if (isModified())
            post();
        else
            cancel();
    }
    m_before = m_values;
    m_start = {}; // a new row is unchanged until a field is set
    setState(State::Insert);
    replaceRow({});
}

void EditRecord::edit()
{
    if (m_state != State::Browse)
        return;
    m_before = m_values;
    m_start = m_values;
    setState(State::Edit);
}

void EditRecord::cancel()
{
    if (m_state == State::Browse)
        return;
    setState(State::Browse);
    replaceRow(m_before);
}

void EditRecord::post()
{
    if (m_state == State::Browse)
        return;
    if (m_poster)
        m_poster(*this);
    m_before = m_values;
    m_start = m_values;
    setState(State::Browse);
}

void EditRecord::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void EditRecord::replaceRow(const QVariantMap& values)
{
    m_values = values;
    Q_EMIT rowChanged();
}
