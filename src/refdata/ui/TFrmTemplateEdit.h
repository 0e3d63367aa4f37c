#pragma once

#include "refdata/ui/TFrmTemplate1.h"

#include <functional>

class DataGrid;
class QFrame;
class QToolBar;
class QToolButton;
class TFrmTemplateEditDialog;

// The list template: a toolbar with 添加 / 删除 / 修改 / 关闭 routed by tag to one handler, a
// panel for a screen's search controls, and the data grid. Double-clicking a row is 修改.
class TFrmTemplateEdit : public TFrmTemplate1
{
    Q_OBJECT
public:
    enum Tag
    {
        AddTag = 1,
        DeleteTag = 2,
        EditTag = 3,
        CloseTag = 4
    };
    // Makes the dialog that edits the rows of this list.
    using EditDialogFactory = std::function<TFrmTemplateEditDialog*(QWidget* parent)>;

    explicit TFrmTemplateEdit(QWidget* parent = nullptr);

    QToolBar* toolBar() const { return m_toolBar; }
    QToolButton* button(int tag) const;
    QFrame* searchPanel() const { return m_panel; }
    DataGrid* grid() const { return m_grid; }

    void setEditDialog(EditDialogFactory factory) { m_editDialog = std::move(factory); }
    const EditDialogFactory& editDialog() const { return m_editDialog; }

protected:
    // The click of every toolbar button, by its tag; 关闭 closes the list. A screen replaces it.
    virtual void ToolButtonClick(int tag);

private:
    QToolBar* m_toolBar;
    QFrame* m_panel;
    DataGrid* m_grid;
    EditDialogFactory m_editDialog;
};
