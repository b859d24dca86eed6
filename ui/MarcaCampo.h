// The mark of an edit field whose text the program cannot take yet: a red frame and a tool tip
// that says what it takes.
#pragma once

#include <QString>

class QLineEdit;

// Marks the field, or takes the mark away so the field looks as always.
void MarcarCampo(QLineEdit& campo, bool marcado, const QString& pista);
