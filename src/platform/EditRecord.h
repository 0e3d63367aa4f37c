#pragma once

#include "data/Schema.h"

#include <QObject>
#include <QVariantMap>
#include <functional>

// The one row an editing dialog works on, with the fields of one schema table. A row is shown
// (Browse), being added (Insert) or being changed (Edit). Changing a field of a shown row starts
// editing it, as a data-aware control does. post() hands the row to the poster supplied by the
// screen, which writes it with bound values; cancel() puts back the values from before.
class EditRecord : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Browse,
        Insert,
        Edit
    };
    // Writes the row (an insert in Insert state, an update in Edit state); a failure throws
    // DatabaseError. It may store values the database assigned, such as a new key.
    using Poster = std::function<void(EditRecord& record)>;

    explicit EditRecord(const QString& table, QObject* parent = nullptr);

    const TableDef* table() const { return m_table; }
    // Characters a text field holds; 0 for other fields.
    int width(const QString& field) const;
    bool hasField(const QString& field) const;

    State state() const { return m_state; }
    bool isEditing() const { return m_state != State::Browse; }
    bool isModified() const;

    QVariant value(const QString& field) const { return m_values.value(field); }
    QString text(const QString& field) const { return m_values.value(field).toString(); }
    // Stores a field; a shown row goes into Edit state first. False for a field the table lacks.
    bool setValue(const QString& field, const QVariant& value);

    void setPoster(Poster poster) { m_poster = std::move(poster); }
    // Shows a stored row (Browse state).
    void load(const QVariantMap& values);
    // Starts a new empty row (Insert state); a changed row being edited is posted first.
    void append();
    // Starts changing the shown row (Edit state).
    void edit();
    // Leaves Insert or Edit state with the values from before it.
    void cancel();
    // Writes the row in Insert or Edit state and shows it; when the poster throws, the state and
    // the values stay as they were for correction and the error goes on to the caller.
    void post();

Q_SIGNALS:
    void stateChanged(EditRecord::State state);
    void fieldChanged(const QString& field);
    // Every field was replaced (a new, loaded or restored row).
    void rowChanged();

private:
    void setState(State state);
    void replaceRow(const QVariantMap& values);

    const TableDef* m_table;
    State m_state = State::Browse;
    QVariantMap m_values;
    QVariantMap m_before; // the row cancel() puts back
    QVariantMap m_start;  // the row as it was when the state began, for isModified()
    Poster m_poster;
};
