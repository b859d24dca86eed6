// The dialog of "Añadir componente...": an item of the project, or the code of a new one, and how
// many of it each unit of the selected item takes.
#pragma once

#include "Proyecto.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

class DialogoComponente : public QDialog {
    Q_OBJECT
public:
    // The items offered are all but the parent itself, in the project's order.
    DialogoComponente(const Proyecto& proyecto, int padre, QWidget* ventana = nullptr);

    // As typed: the window checks them.
    QString Codigo() const;
    QString Cantidad() const;

private:
    QComboBox* codigo_;
    QLineEdit* cantidad_;
};
