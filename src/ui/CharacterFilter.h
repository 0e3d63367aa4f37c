#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Discards typed characters outside an allowed set (Backspace and editing keys always pass).
// CharacterFilter::install(edit, CharacterFilter::Digits) or Digits + ".".
class CharacterFilter : public QObject
{
    Q_OBJECT
public:
    static inline const QString Digits = QStringLiteral("0123456789");
    static inline const QString Decimal = QStringLiteral("0123456789.");

    static CharacterFilter* install(QWidget* edit, const QString& allowed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CharacterFilter(QWidget* edit, QString allowed);
    QString m_allowed;
};
