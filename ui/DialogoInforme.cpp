// The report's dialog, built from the lists of sections and cover lines.
#include "DialogoInforme.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

DialogoInforme::DialogoInforme(QWidget* padre)
    : QDialog(padre), Decimales_(new QSpinBox),
      Botones_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    setObjectName(QStringLiteral("DialogoInforme"));
    setWindowTitle(QStringLiteral("Informe"));

    auto* secciones = new QGroupBox(QStringLiteral("Secciones del informe"));
    auto* listaSecciones = new QVBoxLayout(secciones);
    for (const SeccionElegible& seccion : SeccionesElegibles) {
        auto* casilla = new QCheckBox(QString::fromUtf8(seccion.Texto));
        casilla->setObjectName(QStringLiteral("Seccion%1").arg(Secciones_.size()));
        connect(casilla, &QCheckBox::toggled, this, &DialogoInforme::ComprobarSecciones);
        listaSecciones->addWidget(casilla);
        Secciones_.push_back(casilla);
    }

    auto* formato = new QFormLayout;
    Decimales_->setObjectName(QStringLiteral("DecimalesInforme"));
    Decimales_->setRange(MinimoDecimalesLegibles, MaximoDecimalesLegibles);
    Decimales_->setToolTip(QStringLiteral("Las cifras de los resultados se redondean a estos "
                                          "decimales; la rejilla y los ficheros no cambian."));
    formato->addRow(QStringLiteral("&Decimales de las cifras:"), Decimales_);

    auto* portada = new QGroupBox(QStringLiteral("Portada"));
    auto* campos = new QFormLayout(portada);
    for (const LineaPortada& linea : LineasPortada) {
        auto* campo = new QLineEdit;
        campo->setObjectName(QStringLiteral("Portada%1").arg(Portada_.size()));
        campos->addRow(QString::fromUtf8(linea.Texto) + u':', campo);
        Portada_.push_back(campo);
    }

    connect(Botones_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Botones_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(secciones);
    disposicion->addLayout(formato);
    disposicion->addWidget(portada);
    disposicion->addWidget(Botones_);
    Poner(EleccionInforme());
}

void DialogoInforme::Poner(const EleccionInforme& eleccion) {
    for (std::size_t i = 0; i < SeccionesElegibles.size(); ++i)
        Secciones_[i]->setChecked(eleccion.*SeccionesElegibles[i].Incluida);
    Decimales_->setValue(eleccion.Decimales);
    for (std::size_t i = 0; i < LineasPortada.size(); ++i)
        Portada_[i]->setText(eleccion.*LineasPortada[i].Valor);
}

EleccionInforme DialogoInforme::Eleccion() const {
    EleccionInforme eleccion;
    for (std::size_t i = 0; i < SeccionesElegibles.size(); ++i)
        eleccion.*SeccionesElegibles[i].Incluida = Secciones_[i]->isChecked();
    eleccion.Decimales = Decimales_->value();
    for (std::size_t i = 0; i < LineasPortada.size(); ++i)
        eleccion.*LineasPortada[i].Valor = Portada_[i]->text();
    return eleccion;
}

void DialogoInforme::ComprobarSecciones() {
    bool alguna = false;
    for (const QCheckBox* casilla : Secciones_) alguna = alguna || casilla->isChecked();
    Botones_->button(QDialogButtonBox::Ok)->setEnabled(alguna);
}
