// The comparison panel: the shared texts of the comparison in a read-only table, and its chart.
#include "PanelComparacion.h"

#include "CeldaDestacada.h"
#include "GraficosCalculo.h"
#include "MarcasRejilla.h"
#include "TextosComparacion.h"
#include "VistaGrafico.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

const QString TextoSinCalculo = QStringLiteral("Calcule el problema para comparar los métodos.");

// A heading of several words in two lines, broken at the blank nearest its middle, so that the
// table keeps to the width of a panel beside the grid.
QStringList EnDosLineas(const QStringList& cabecera) {
    QStringList lineas;
    for (const QString& texto : cabecera) {
        qsizetype corte = -1;
        for (qsizetype i = 0; i < texto.size(); ++i)
            if (texto[i] == u' ' &&
                (corte < 0 || std::abs(i - texto.size() / 2) < std::abs(corte - texto.size() / 2)))
                corte = i;
        lineas << (corte < 0 ? texto : texto.left(corte) + u'\n' + texto.mid(corte + 1));
    }
    return lineas;
}

} // namespace

PanelComparacion::PanelComparacion(QWidget* padre)
    : PanelAnalisis(QStringLiteral("Comparación de métodos"), padre), SinCalculo_(new QLabel),
      Tabla_(new QTableWidget), Grafico_(new VistaGrafico), Division_(new QSplitter(Qt::Vertical)) {
    setObjectName(QStringLiteral("PanelComparacion"));
    SinCalculo_->setObjectName(QStringLiteral("SinComparacion"));
    SinCalculo_->setWordWrap(true);

    const QStringList cabecera = CabeceraComparacion() << CabeceraRoturas;
    Tabla_->setObjectName(QStringLiteral("TablaComparacion"));
    Tabla_->setColumnCount(int(cabecera.size()));
    Tabla_->setHorizontalHeaderLabels(EnDosLineas(cabecera));
    Tabla_->verticalHeader()->hide();
    // Rows as close as the grid's, and a panel as tall as its rows, so that it opens showing
    // every method without a scroll bar.
    Tabla_->verticalHeader()->setDefaultSectionSize(Tabla_->fontMetrics().height() + 8);
    Tabla_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    Tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabla_->setWordWrap(false);
    Tabla_->horizontalHeaderItem(int(cabecera.size()) - 1)
        ->setToolTip(QStringLiteral("Períodos que terminan con stock negativo. Un plan con "
                                    "roturas después del plazo de suministro no cuenta como el "
                                    "más barato: su coste de posesión negativo no es un ahorro."));
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
    // The chart below the table: tabbed beside the other panels, the panel is tall and narrow.
    Division_->setObjectName(QStringLiteral("DivisionComparacion"));
    Division_->addWidget(tabla);
    Division_->addWidget(Grafico_);
    Division_->setStretchFactor(0, 0);
    Division_->setStretchFactor(1, 1);
    Division_->setChildrenCollapsible(false);
    PonerContenido(Division_);
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
        const QStringList celdas = QStringList(fila.Celdas) << fila.Roturas;
        for (int c = 0; c < int(celdas.size()); ++c) {
            auto* celda = new QTableWidgetItem(celdas[c]);
            // Figures right-aligned so that their digits line up; the method's name on the left.
            celda->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (fila.MasBarato) Destacar(*celda);
            // The exact figure where the shown one is rounded; the double-click in every row.
            const QString exacta = fila.Exactas.value(c);
            celda->setToolTip(!exacta.isEmpty() && exacta != celdas[c]
                                  ? exacta
                                  : QStringLiteral("Doble clic: su plan en la rejilla"));
            if (!fila.Roturas.isEmpty() && c == int(celdas.size()) - 1)
                celda->setForeground(ColorRotura);
            Tabla_->setItem(f, c, celda);
        }
        // A failure's message is all the row has: it may take the width of the figures.
        if (!calculo->Comparacion.Filas[std::size_t(f)].Fallo.empty()) {
            Tabla_->item(f, 1)->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            Tabla_->setSpan(f, 1, 1, Tabla_->columnCount() - 1);
        }
    }
    Tabla_->resizeColumnsToContents();
    // A new row (the user's plan) makes the table taller: the chart gives it the room.
    const QList<int> alturas = Division_->sizes();
    const int falta = Division_->widget(0)->sizeHint().height() - alturas.value(0);
    if (falta > 0 && alturas.size() == 2 && alturas[1] > falta)
        Division_->setSizes({alturas[0] + falta, alturas[1] - falta});
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
