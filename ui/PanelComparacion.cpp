// The comparison panel: the shared texts of the comparison in a read-only table, and its chart.
#include "PanelComparacion.h"

#include "CeldaDestacada.h"
#include "GraficosCalculo.h"
#include "TextosComparacion.h"
#include "VistaGrafico.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString TextoSinCalculo = QStringLiteral("Calcule el problema para comparar los métodos.");
}

PanelComparacion::PanelComparacion(QWidget* padre)
    : QDockWidget(QStringLiteral("Comparación de métodos"), padre), SinCalculo_(new QLabel),
      Tabla_(new QTableWidget), Grafico_(new VistaGrafico) {
    setObjectName(QStringLiteral("PanelComparacion"));
    SinCalculo_->setObjectName(QStringLiteral("SinComparacion"));
    SinCalculo_->setWordWrap(true);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);

    const QStringList cabecera = CabeceraComparacion();
    Tabla_->setObjectName(QStringLiteral("TablaComparacion"));
    Tabla_->setColumnCount(int(cabecera.size()));
    Tabla_->setHorizontalHeaderLabels(cabecera);
    Tabla_->verticalHeader()->hide();
    // Rows as close as the grid's, and a panel as tall as its rows, so that it opens showing
    // every method without a scroll bar.
    Tabla_->verticalHeader()->setDefaultSectionSize(Tabla_->fontMetrics().height() + 8);
    Tabla_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    Tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabla_->setWordWrap(false);
    Tabla_->setToolTip(QStringLiteral("Doble clic en una fila: su plan en la rejilla"));
    connect(Tabla_, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) {
        if (fila >= 0 && std::size_t(fila) < metodos_.size()) emit PlanElegido(metodos_[fila]);
    });

    Grafico_->setObjectName(QStringLiteral("GraficoComparacion"));

    auto* tabla = new QWidget;
    auto* disposicion = new QVBoxLayout(tabla);
    disposicion->setContentsMargins(4, 4, 4, 4);
    disposicion->addWidget(SinCalculo_);
    disposicion->addWidget(Tabla_);
    disposicion->addStretch();
    auto* division = new QSplitter(Qt::Horizontal);
    division->setObjectName(QStringLiteral("DivisionComparacion"));
    division->addWidget(tabla);
    division->addWidget(Grafico_);
    division->setStretchFactor(0, 0);
    division->setStretchFactor(1, 1);
    setWidget(division);
    Mostrar(std::nullopt);
}

void PanelComparacion::Mostrar(const std::optional<ResultadoCalculo>& calculo) {
    const std::vector<TextosFilaComparacion> filas =
        calculo ? TextosComparacion(calculo->Comparacion) : std::vector<TextosFilaComparacion>{};
    // A refused comparison says why in place of its rows and of its chart.
    const bool rechazada = calculo && !calculo->Comparacion.Rechazo.empty();
    SinCalculo_->setText(rechazada ? QString::fromStdString(calculo->Comparacion.Rechazo)
                                   : TextoSinCalculo);
    SinCalculo_->setVisible(filas.empty());
    Tabla_->clearSpans();
    Tabla_->setRowCount(int(filas.size()));
    metodos_.clear();
    for (int f = 0; f < int(filas.size()); ++f) {
        const TextosFilaComparacion& fila = filas[std::size_t(f)];
        metodos_.push_back(fila.Metodo);
        for (int c = 0; c < int(fila.Celdas.size()); ++c) {
            auto* celda = new QTableWidgetItem(fila.Celdas[c]);
            // Figures right-aligned so that their digits line up; the method's name on the left.
            celda->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (fila.MasBarato) Destacar(*celda);
            Tabla_->setItem(f, c, celda);
        }
        // A failure's message is all the row has: it may take the width of the figures.
        if (!calculo->Comparacion.Filas[std::size_t(f)].Fallo.empty()) {
            Tabla_->item(f, 1)->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            Tabla_->setSpan(f, 1, 1, Tabla_->columnCount() - 1);
        }
    }
    Tabla_->resizeColumnsToContents();
    if (calculo && !rechazada)
        Grafico_->Mostrar(GraficoComparacion(calculo->Comparacion));
    else
        Grafico_->Vaciar(QString());
    // The row of the plan the grid shows is the selected one.
    Tabla_->clearSelection();
    if (calculo)
        for (std::size_t f = 0; f < metodos_.size(); ++f)
            if (metodos_[f] == calculo->Metodo) Tabla_->selectRow(int(f));
}
