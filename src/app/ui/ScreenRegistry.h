#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Menu items open screens by class name. Each screen registers its factory once; the main
// window creates the screen, shows it modally and destroys it after it closes.
namespace ScreenRegistry {
using Factory = std::function<QDialog*(QWidget* parent)>;
void add(const QString& className, Factory factory);
bool contains(const QString& className);
// Shows the screen modally; false when no screen of that name exists.
bool open(const QString& className, QWidget* parent);
} // namespace ScreenRegistry
