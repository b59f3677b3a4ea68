#pragma once

#include <QString>

#include <string>

class QLineEdit;
class QWidget;

namespace vexa {

// A single-line field of 8-bit text. It refuses characters that a scenario file cannot
// hold, typed or pasted, so whatever the field shows is what goes into the line.
QLineEdit* makeByteField(const QString& objectName, QWidget* parent);

// The field's text as the bytes written into a line.
std::string fieldBytes(const QLineEdit& field);

// Puts a window in the middle of its screen.
void centreOnScreen(QWidget& window);

} // namespace vexa
