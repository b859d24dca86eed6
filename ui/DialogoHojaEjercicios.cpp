// The sheet dialog: its fields in the order of the command line's options, the folder last.
#include "DialogoHojaEjercicios.h"

#include "Plataforma.h"
#include "TextosLotificacion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* Campo(const char* nombre, const QString& indicacion, QWidget* padre) {
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(QString::fromLatin1(nombre));
    campo->setPlaceholderText(indicacion);
    return campo;
}

// The item whose data is the text; the first when none is.
void Elegir(QComboBox& lista, const QString& texto) {
    lista.setCurrentIndex(std::max(0, lista.findData(texto)));
}

} // namespace

DialogoHojaEjercicios::DialogoHojaEjercicios(Plataforma& plataforma, QWidget* padre)
    : QDialog(padre), plataforma_(plataforma),
      EditCantidad_(Campo("EditCantidad", QStringLiteral("10"), this)),
      EditSemilla_(Campo("EditSemilla", QStringLiteral("la del reloj"), this)),
      ComboMetodo_(new QComboBox(this)),
      EditPeriodos_(Campo("EditPeriodos", QStringLiteral("6-10"), this)),
      EditTiempoSuministro_(
          Campo("EditTiempoSuministro", QStringLiteral("según la dificultad"), this)),
      EditStockSeguridad_(Campo("EditStockSeguridad", QStringLiteral("según la dificultad"), this)),
      ComboDificultad_(new QComboBox(this)), EditCarpeta_(Campo("EditCarpeta", {}, this)) {
    setObjectName(QStringLiteral("DialogoHojaEjercicios"));
    setWindowTitle(QStringLiteral("Generar hoja de ejercicios"));

    ComboMetodo_->setObjectName(QStringLiteral("ComboMetodo"));
    ComboMetodo_->addItem(QStringLiteral("Uno distinto en cada ejercicio"), QString());
    for (TipoLotificacion metodo = 0; metodo <= UltimoItemRadio; ++metodo)
        ComboMetodo_->addItem(TextoLotificacion(metodo), QString::number(metodo));
    ComboDificultad_->setObjectName(QStringLiteral("ComboDificultad"));
    ComboDificultad_->addItem(QStringLiteral("1: múltiplos de 5, sin recepciones ni stock inicial"),
                              QStringLiteral("1"));
    ComboDificultad_->addItem(QStringLiteral("2: con recepciones programadas y stock inicial"),
                              QStringLiteral("2"));
    ComboDificultad_->addItem(QStringLiteral("3: con stock de seguridad y costes con un decimal"),
                              QStringLiteral("3"));

    auto* examinar = new QPushButton(QStringLiteral("&Examinar..."), this);
    examinar->setObjectName(QStringLiteral("BotonCarpeta"));
    connect(examinar, &QPushButton::clicked, this, &DialogoHojaEjercicios::ElegirCarpeta);
    auto* carpeta = new QHBoxLayout;
    carpeta->addWidget(EditCarpeta_, 1);
    carpeta->addWidget(examinar);

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Generar"));
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* disposicion = new QFormLayout(this);
    disposicion->addRow(QStringLiteral("&Cantidad:"), EditCantidad_);
    disposicion->addRow(QStringLiteral("&Semilla:"), EditSemilla_);
    disposicion->addRow(QStringLiteral("&Método:"), ComboMetodo_);
    disposicion->addRow(QStringLiteral("&Períodos:"), EditPeriodos_);
    disposicion->addRow(QStringLiteral("&Tiempo de suministro:"), EditTiempoSuministro_);
    disposicion->addRow(QStringLiteral("Stoc&k de seguridad:"), EditStockSeguridad_);
    disposicion->addRow(QStringLiteral("&Dificultad:"), ComboDificultad_);
    // A row of a layout gets no buddy of its own, which its accelerator needs.
    auto* etiquetaCarpeta = new QLabel(QStringLiteral("C&arpeta:"), this);
    etiquetaCarpeta->setBuddy(EditCarpeta_);
    disposicion->addRow(etiquetaCarpeta, carpeta);
    disposicion->addRow(botones);
    setMinimumWidth(460);
}

TextosEjercicios DialogoHojaEjercicios::Textos() const {
    TextosEjercicios textos;
    textos.Cantidad = EditCantidad_->text();
    textos.Semilla = EditSemilla_->text();
    textos.Metodo = ComboMetodo_->currentData().toString();
    textos.Periodos = EditPeriodos_->text();
    textos.TiempoSuministro = EditTiempoSuministro_->text();
    textos.StockSeguridad = EditStockSeguridad_->text();
    textos.Dificultad = ComboDificultad_->currentData().toString();
    return textos;
}

QString DialogoHojaEjercicios::Carpeta() const {
    return EditCarpeta_->text();
}

void DialogoHojaEjercicios::Poner(const TextosEjercicios& textos, const QString& carpeta) {
    EditCantidad_->setText(textos.Cantidad);
    EditSemilla_->setText(textos.Semilla);
    Elegir(*ComboMetodo_, textos.Metodo);
    EditPeriodos_->setText(textos.Periodos);
    EditTiempoSuministro_->setText(textos.TiempoSuministro);
    EditStockSeguridad_->setText(textos.StockSeguridad);
    Elegir(*ComboDificultad_, textos.Dificultad);
    EditCarpeta_->setText(carpeta);
}

void DialogoHojaEjercicios::ElegirCarpeta() {
    const std::optional<QString> carpeta = plataforma_.ElegirCarpeta(
        this, QStringLiteral("Carpeta de la hoja de ejercicios"), EditCarpeta_->text());
    if (carpeta) EditCarpeta_->setText(*carpeta);
}
