// The policies' table.
#include "PanelPoliticas.h"

#include "MensajesProyecto.h"
#include "TextosProyecto.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

PanelPoliticas::PanelPoliticas(QWidget* padre)
    : QDockWidget(QStringLiteral("Políticas"), padre), nota_(new QLabel), tabla_(new QTableWidget) {
    setObjectName(QStringLiteral("PanelPoliticas"));
    tabla_->setObjectName(QStringLiteral("TablaPoliticas"));
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setDefaultSectionSize(tabla_->fontMetrics().height() + 6);
    tabla_->setColumnCount(int(CabeceraPoliticas().size()));
    tabla_->setHorizontalHeaderLabels(CabeceraPoliticas());
    nota_->setWordWrap(true);
    auto* contenido = new QWidget;
    auto* disposicion = new QVBoxLayout(contenido);
    disposicion->addWidget(nota_);
    disposicion->addWidget(tabla_);
    setWidget(contenido);
    connect(tabla_, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) {
        if (fila < int(metodos_.size()) && metodos_[std::size_t(fila)])
            emit MetodoElegido(*metodos_[std::size_t(fila)]);
    });
    Mostrar(std::nullopt, false);
}

void PanelPoliticas::Mostrar(const std::optional<std::vector<PoliticaProyecto>>& politicas,
                             bool desactualizadas) {
    metodos_.clear();
    tabla_->setRowCount(0);
    if (!politicas) {
        nota_->setText(MensajeSinCalcular());
        return;
    }
    nota_->setText(desactualizadas ? MensajeResultadoAnterior()
                                   : QStringLiteral("Doble clic en un método para darlo a todos "
                                                    "los artículos. En negrita, la política más "
                                                    "barata."));
    const std::vector<QStringList> filas = FilasPoliticas(*politicas);
    tabla_->setRowCount(int(filas.size()));
    for (std::size_t f = 0; f < filas.size(); ++f) {
        metodos_.push_back((*politicas)[f].Metodo);
        for (qsizetype c = 0; c < filas[f].size(); ++c) {
            auto* celda = new QTableWidgetItem(filas[f][c]);
            if (c > 0) celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont fuente = celda->font();
            fuente.setBold((*politicas)[f].MasBarata);
            celda->setFont(fuente);
            if (desactualizadas) celda->setForeground(Qt::gray);
            tabla_->setItem(int(f), int(c), celda);
        }
    }
    tabla_->resizeColumnsToContents();
}
