#pragma once

#include "platform/EditRecord.h"

#include <QDialog>
#include <QPointer>

class QFrame;
class QPushButton;

// The dialog that edits one row after another: a derived dialog binds its controls to an
// EditRecord (RecordBinder), names its first control and sets its caption. Ctrl+S saves the row
// and starts the next, Ctrl+Z undoes the entry, Ctrl+Q and Esc close without saving, Enter
// moves on as Tab does (Ctrl+Enter in a memo). Only the buttons and keys close it.
class TFrmTemplateEditDialog : public QDialog
{
    Q_OBJECT
public:
    static inline const QString InitFailedText = QStringLiteral("无法正确初始化编辑环境，请退出");
    static inline const QString PostFailedText =
        QStringLiteral("操作引起了以下异常，详细信息为：　");

    explicit TFrmTemplateEditDialog(QWidget* parent = nullptr);

    // Where a derived dialog puts its controls: everything above the button panel.
    QWidget* clientArea() const { return m_client; }
    QFrame* buttonPanel() const { return m_panel; }
    QPushButton* postButton() const { return m_post; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* closeButton() const { return m_close; }

    // A bound edit, memo or combo box; its record becomes the editing record when shown.
    void setFirstControl(QWidget* control) { m_first = control; }
    QWidget* firstControl() const { return m_first; }
    EditRecord* editRecord() const { return m_record; }

    // A dialog whose first control gives no record reports so and does not open.
    int exec() override;
    void setVisible(bool visible) override;

protected:
    // Saves the row and starts an empty one; a failure is reported and the row stays.
    virtual void BtnPostClick();
    // Undoes the row being typed and starts the entry again.
    virtual void BtnCancelClick();
    // Drops the row being typed and closes.
    virtual void BtnCloseClick();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool prepareEditing();
    QPushButton* buttonForKey(const QKeyEvent* key) const;
    void layOutButtons();

    QWidget* m_client;
    QFrame* m_panel;
    QFrame* m_bevel;
    QPushButton* m_post;
    QPushButton* m_cancel;
    QPushButton* m_close;
    QPointer<QWidget> m_first;
    QPointer<EditRecord> m_record;
    bool m_prepared = false;
};
