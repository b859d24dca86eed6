// The report's dialog, asked before the preview and the PDF export: which sections the report
// holds, the decimals of its figures and the lines of its cover. quelmar-cli's informe takes the
// same choices as options.
#pragma once

#include "EleccionInforme.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

class DialogoInforme : public QDialog {
    Q_OBJECT
public:
    explicit DialogoInforme(QWidget* padre = nullptr);

    void Poner(const EleccionInforme& eleccion);
    EleccionInforme Eleccion() const;

private:
    // A report needs one section at least.
    void ComprobarSecciones();

    std::vector<QCheckBox*> Secciones_; // in the order of SeccionesElegibles
    QSpinBox* Decimales_;
    std::vector<QLineEdit*> Portada_; // in the order of LineasPortada
    QDialogButtonBox* Botones_;
};
