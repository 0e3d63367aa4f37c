#pragma once

#include <QDialog>

// Shows the current policy year; changes nothing.
class TGdxtcs : public QDialog
{
    Q_OBJECT
public:
    explicit TGdxtcs(QWidget* parent = nullptr);
};
