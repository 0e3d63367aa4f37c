#pragma once

#include <QDialog>

// The about box: a framed panel with the product picture, the support lines and OK.
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    static QString supportLine();
};
