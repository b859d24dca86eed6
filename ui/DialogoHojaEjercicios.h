// "Generar hoja de ejercicios...": the options of quelmar-cli's "ejercicios" as fields, and the
// folder the sheet goes to. The dialog only holds the texts; the window reads them with
// LeerOpcionesEjercicios, as the command line's are read.
#pragma once

#include "OpcionesEjercicios.h"

#include <QDialog>

class Plataforma;
class QComboBox;
class QLineEdit;

class DialogoHojaEjercicios : public QDialog {
    Q_OBJECT
public:
    DialogoHojaEjercicios(Plataforma& plataforma, QWidget* padre = nullptr);

    // The options as typed: an empty field, or the method's first item, leaves the default.
    TextosEjercicios Textos() const;
    QString Carpeta() const;
    void Poner(const TextosEjercicios& textos, const QString& carpeta);

private:
    void ElegirCarpeta();

    Plataforma& plataforma_;
    QLineEdit* EditCantidad_;
    QLineEdit* EditSemilla_;
    QComboBox* ComboMetodo_;
    QLineEdit* EditPeriodos_;
    QLineEdit* EditTiempoSuministro_;
    QLineEdit* EditStockSeguridad_;
    QComboBox* ComboDificultad_;
    QLineEdit* EditCarpeta_;
};
