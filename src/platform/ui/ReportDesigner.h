#pragma once

#include "platform/ReportTemplate.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGraphicsScene;
class QGraphicsView;
class QLineEdit;
class QUndoStack;
class Report;

// The template designer: the bands and objects of a template on a page, moved and resized with
// the mouse (snapped to a 1 mm grid), edited in a property panel, fields inserted from the
// report's bound datasets, objects and bands added and deleted; every change can be undone.
// Saving writes the template back to the report and its file.
class ReportDesigner : public QDialog
{
    Q_OBJECT
public:
    // Scene units per millimetre, and the grid that moves and sizes snap to.
    static constexpr double Scale = 4.0;
    static constexpr double GridMm = 1.0;
    static QPointF snap(const QPointF& scenePoint);

    explicit ReportDesigner(Report& report, QWidget* parent = nullptr);

    const ReportTemplate& currentTemplate() const { return m_template; }
    QUndoStack* undoStack() const { return m_undo; }
    QGraphicsScene* scene() const { return m_scene; }

    // The selected object as (band, index); (-1, -1) when none.
    QPair<int, int> selection() const { return m_selection; }
    void select(int band, int index);
    // Selects the first object of that name; false when there is none.
    bool selectByName(const QString& name);

    // Edits, each one undoable step.
    void objectDragged(int band, int index, const QRectF& sceneRect);
    void applyProperties();
    void insertField(const QString& field);
    void addObject(ReportObjectKind kind);
    void deleteSelected();
    void addBand(ReportBandType type);
    void deleteBand(int band);
    // Writes the template to the report and to its file; false when that failed (shown).
    bool save();

    // Replaces the whole template as one undoable step named `what`.
    void change(const QString& what, const ReportTemplate& after, QPair<int, int> select);
    // Called by the undo stack: shows a template without recording a step.
    void showTemplate(const ReportTemplate& t, QPair<int, int> select);

private:
    void rebuild();
    void scheduleRebuild();
    void fillProperties();
    ReportObject* selectedObject();

    Report& m_report;
    ReportTemplate m_template;
    QPair<int, int> m_selection{-1, -1};
    int m_selectedBand = -1;
    bool m_rebuildPending = false;
    bool m_filling = false;

    QUndoStack* m_undo;
    QGraphicsScene* m_scene;
    QGraphicsView* m_view;
    QLineEdit* m_name;
    QLineEdit* m_text;
    QLineEdit* m_format;
    QComboBox* m_family;
    QDoubleSpinBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_frame;
    QComboBox* m_align;
    QDoubleSpinBox* m_x;
    QDoubleSpinBox* m_y;
    QDoubleSpinBox* m_w;
    QDoubleSpinBox* m_h;
    QDoubleSpinBox* m_bandHeight;
    QLineEdit* m_bandDataset;
    QComboBox* m_fields;
    QComboBox* m_bandTypes;
};
