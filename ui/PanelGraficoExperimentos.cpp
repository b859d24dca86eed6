// The experiments' charts, one above the other.
#include "PanelGraficoExperimentos.h"

#include "GraficosExperimentos.h"
#include "VistaGrafico.h"

#include <QLayout>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

PanelGraficoExperimentos::PanelGraficoExperimentos(QWidget* padre)
    : QWidget(padre), VecesMasBarato_(new VistaGrafico), Desviaciones_(new VistaGrafico) {
    setObjectName(QStringLiteral("PanelGraficoExperimentos"));
    VecesMasBarato_->setObjectName(QStringLiteral("GraficoVecesMasBarato"));
    Desviaciones_->setObjectName(QStringLiteral("GraficoDesviaciones"));
    auto* division = new QSplitter(Qt::Vertical);
    division->addWidget(VecesMasBarato_);
    division->addWidget(Desviaciones_);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(division);
    Vaciar();
}

void PanelGraficoExperimentos::Mostrar(const DatosExperimentos& datos, bool conOptimo,
                                       const QString& textoNExp) {
    VecesMasBarato_->Mostrar(GraficoVecesMasBarato(datos, conOptimo, textoNExp));
    Desviaciones_->Mostrar(GraficoDesviaciones(datos, conOptimo));
}

void PanelGraficoExperimentos::Vaciar() {
    VecesMasBarato_->Vaciar(QStringLiteral("Ejecute los experimentos para ver su gráfico."));
    Desviaciones_->Vaciar(QString());
}

PanelGraficoExperimentos* PonerPestanaGrafico(QPlainTextEdit& memo) {
    QWidget* ventana = memo.window();
    auto* pestanas = new QTabWidget(memo.parentWidget());
    pestanas->setObjectName(QStringLiteral("PestanasResultados"));
    // The memo's place in whichever layout holds it, stretch included.
    delete ventana->layout()->replaceWidget(&memo, pestanas);
    pestanas->addTab(&memo, QStringLiteral("Informe"));
    auto* panel = new PanelGraficoExperimentos;
    pestanas->addTab(panel, QStringLiteral("Gráfico"));
    return panel;
}
