// The explanation panel: the shared texts of the explanation as labels and read-only tables in a
// scrolling column.
#include "PanelExplicacion.h"

#include "CeldaDestacada.h"
#include "TextosExplicacion.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTableWidget>

namespace {

QLabel* Etiqueta(const QString& texto, bool titulo = false) {
    auto* etiqueta = new QLabel(texto);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setWordWrap(true);
    etiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (titulo) {
        QFont negrita = etiqueta->font();
        negrita.setBold(true);
        etiqueta->setFont(negrita);
    }
    return etiqueta;
}

// As tall and as wide as its rows, so that the panel scrolls rather than each table.
QTableWidget* Tabla(const BloqueExplicacion& bloque) {
    auto* tabla = new QTableWidget(int(bloque.Filas.size()), int(bloque.Cabecera.size()));
    tabla->setObjectName(QStringLiteral("TablaExplicacion"));
    tabla->setHorizontalHeaderLabels(bloque.Cabecera);
    tabla->verticalHeader()->hide();
    tabla->verticalHeader()->setDefaultSectionSize(tabla->fontMetrics().height() + 8);
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->setSelectionMode(QAbstractItemView::NoSelection);
    tabla->setFocusPolicy(Qt::NoFocus);
    tabla->setWordWrap(false);
    tabla->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < tabla->columnCount(); ++c) {
        const Qt::Alignment alineacion =
            Qt::AlignVCenter | (bloque.DeTexto.at(std::size_t(c)) ? Qt::AlignLeft : Qt::AlignRight);
        for (int f = 0; f < tabla->rowCount(); ++f) {
            auto* celda = new QTableWidgetItem(bloque.Filas[std::size_t(f)].value(c));
            celda->setTextAlignment(alineacion);
            if (std::size_t(f) < bloque.Destacadas.size() && bloque.Destacadas[std::size_t(f)])
                Destacar(*celda);
            tabla->setItem(f, c, celda);
        }
    }
    tabla->resizeColumnsToContents();
    const int marco = 2 * tabla->frameWidth();
    int ancho = marco;
    for (int c = 0; c < tabla->columnCount(); ++c) ancho += tabla->columnWidth(c);
    int alto = marco + tabla->horizontalHeader()->sizeHint().height();
    for (int f = 0; f < tabla->rowCount(); ++f) alto += tabla->rowHeight(f);
    tabla->setFixedSize(ancho, alto);
    return tabla;
}

} // namespace

PanelExplicacion::PanelExplicacion(QWidget* padre)
    : QDockWidget(QStringLiteral("Explicación del cálculo"), padre),
      SinCalculo_(
          new QLabel(QStringLiteral("Calcule el problema para ver cómo se obtuvo el plan."))),
      Paso_(Etiqueta({})), Copiar_(new QPushButton(QStringLiteral("Copiar como texto"))),
      Contenido_(new QWidget), Bloques_(new QVBoxLayout(Contenido_)) {
    setObjectName(QStringLiteral("PanelExplicacion"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);

    Copiar_->setObjectName(QStringLiteral("CopiarExplicacion"));
    Copiar_->setToolTip(QStringLiteral("Copia la explicación como texto separado por tabuladores, "
                                       "que se pega en una hoja de cálculo"));
    connect(Copiar_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(TextoTabulado()); });

    Contenido_->setObjectName(QStringLiteral("ContenidoExplicacion"));
    Bloques_->setContentsMargins(6, 6, 6, 6);
    auto* desplazamiento = new QScrollArea;
    desplazamiento->setWidgetResizable(true);
    desplazamiento->setWidget(Contenido_);

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(SinCalculo_);
    arriba->addStretch();
    arriba->addWidget(Copiar_);
    auto* marco = new QWidget;
    auto* disposicion = new QVBoxLayout(marco);
    disposicion->setContentsMargins(4, 4, 4, 4);
    disposicion->addLayout(arriba);
    Paso_->setObjectName(QStringLiteral("PasoEjercicio"));
    Paso_->hide();
    disposicion->addWidget(Paso_);
    disposicion->addWidget(desplazamiento);
    setWidget(marco);
    Mostrar(std::nullopt);
}

void PanelExplicacion::Mostrar(const std::optional<ResultadoCalculo>& calculo) {
    calculo_ = calculo;
    SinCalculo_->setVisible(!calculo_);
    Copiar_->setEnabled(calculo_.has_value());
    if (isVisible())
        Construir();
    else
        pendiente_ = true;
}

void PanelExplicacion::MostrarPaso(const QString& paso) {
    Paso_->setText(paso);
    Paso_->setVisible(!paso.isEmpty());
}

QString PanelExplicacion::TextoTabulado() const {
    if (!calculo_) return {};
    return LineasTabuladas(TextosExplicacion(*calculo_)).join(u'\n') + u'\n';
}

void PanelExplicacion::showEvent(QShowEvent* evento) {
    QDockWidget::showEvent(evento);
    if (pendiente_) Construir();
}

void PanelExplicacion::Construir() {
    pendiente_ = false;
    while (QLayoutItem* elemento = Bloques_->takeAt(0)) {
        delete elemento->widget();
        delete elemento;
    }
    if (!calculo_) return;
    for (const BloqueExplicacion& bloque : TextosExplicacion(*calculo_)) {
        if (!bloque.Titulo.isEmpty()) Bloques_->addWidget(Etiqueta(bloque.Titulo, true));
        for (const QString& parrafo : bloque.Parrafos) Bloques_->addWidget(Etiqueta(parrafo));
        if (!bloque.Cabecera.isEmpty()) Bloques_->addWidget(Tabla(bloque), 0, Qt::AlignLeft);
        for (const QString& nota : bloque.Notas) Bloques_->addWidget(Etiqueta(nota));
        Bloques_->addSpacing(10);
    }
    Bloques_->addStretch();
}
