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
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// How much is built at once, in table rows, a widget counting as many: the first screens at
// once, and a long explanation in steps between which the window answers the user.
constexpr std::size_t FilasPorTanda = 240;
constexpr std::size_t FilasPorWidget = 12;

// The exact text as the tool tip of a rounded one.
QString Pista(const QString& mostrado, const QString& exacto) {
    return exacto != mostrado ? exacto : QString();
}

QLabel* Etiqueta(const QString& texto, bool titulo = false, const QString& exacto = {}) {
    auto* etiqueta = new QLabel(texto);
    etiqueta->setToolTip(Pista(texto, exacto.isEmpty() ? texto : exacto));
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

// As tall and as wide as its rows, so that the panel scrolls rather than each table. exacto is the
// same block with its figures exact.
QTableWidget* Tabla(const BloqueExplicacion& bloque, const BloqueExplicacion& exacto) {
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
    // Widths measured from the texts rather than by the view, which lays out every cell through
    // the style: long candidate tables would cost a calculation most of its time.
    QFont gruesa = tabla->font();
    gruesa.setBold(true);
    const QFontMetrics normal(tabla->font()), negrita(gruesa);
    const int margen =
        2 * tabla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabla) + 8;
    std::vector<int> anchos(bloque.Cabecera.size(), 0);
    for (int c = 0; c < tabla->columnCount(); ++c)
        anchos[std::size_t(c)] = tabla->horizontalHeader()->sectionSizeHint(c);
    const auto destacada = [&](std::size_t f, std::size_t c) {
        return (f < bloque.Destacadas.size() && bloque.Destacadas[f]) ||
               std::find(bloque.CeldasDestacadas.begin(), bloque.CeldasDestacadas.end(),
                         std::pair{f, c}) != bloque.CeldasDestacadas.end();
    };
    for (int c = 0; c < tabla->columnCount(); ++c) {
        const Qt::Alignment alineacion =
            Qt::AlignVCenter | (bloque.DeTexto.at(std::size_t(c)) ? Qt::AlignLeft : Qt::AlignRight);
        for (int f = 0; f < tabla->rowCount(); ++f) {
            const QString texto = bloque.Filas[std::size_t(f)].value(c);
            auto* celda = new QTableWidgetItem(texto);
            celda->setTextAlignment(alineacion);
            const QString pista = Pista(texto, exacto.Filas.at(std::size_t(f)).value(c));
            if (!pista.isEmpty()) celda->setToolTip(pista);
            const bool resaltada = destacada(std::size_t(f), std::size_t(c));
            if (resaltada) Destacar(*celda);
            tabla->setItem(f, c, celda);
            anchos[std::size_t(c)] =
                std::max(anchos[std::size_t(c)],
                         (resaltada ? negrita : normal).horizontalAdvance(texto) + margen);
        }
    }
    const int marco = 2 * tabla->frameWidth();
    int ancho = marco;
    for (int c = 0; c < tabla->columnCount(); ++c) {
        tabla->setColumnWidth(c, anchos[std::size_t(c)]);
        ancho += anchos[std::size_t(c)];
    }
    int alto = marco + tabla->horizontalHeader()->sizeHint().height();
    for (int f = 0; f < tabla->rowCount(); ++f) alto += tabla->rowHeight(f);
    tabla->setFixedSize(ancho, alto);
    return tabla;
}

} // namespace

PanelExplicacion::PanelExplicacion(QWidget* padre)
    : PanelAnalisis(QStringLiteral("Explicación del cálculo"), padre),
      SinCalculo_(
          new QLabel(QStringLiteral("Calcule el problema para ver cómo se obtuvo el plan."))),
      Paso_(Etiqueta({})), Copiar_(new QPushButton(QStringLiteral("Copiar como texto"))),
      Contenido_(new QWidget), Bloques_(new QVBoxLayout(Contenido_)) {
    setObjectName(QStringLiteral("PanelExplicacion"));

    Copiar_->setObjectName(QStringLiteral("CopiarExplicacion"));
    Copiar_->setToolTip(QStringLiteral("Copia la explicación como texto separado por tabuladores, "
                                       "que se pega en una hoja de cálculo"));
    connect(Copiar_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(TextoTabulado()); });

    Contenido_->setObjectName(QStringLiteral("ContenidoExplicacion"));
    Bloques_->setContentsMargins(6, 6, 6, 6);
    auto* desplazamiento = new QScrollArea;
    desplazamiento->setWidgetResizable(true);
    desplazamiento->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
    PonerContenido(marco);
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
    ++tanda_;
    while (QLayoutItem* elemento = Bloques_->takeAt(0)) {
        delete elemento->widget();
        delete elemento;
    }
    bloques_.clear();
    exactos_.clear();
    siguiente_ = 0;
    if (!calculo_) return;
    // The same blocks twice, cell for cell: rounded to read, exact for the tool tips.
    bloques_ = TextosExplicacion(*calculo_);
    exactos_ = TextosExplicacion(*calculo_, DecimalesExactos);
    Continuar();
}

void PanelExplicacion::Continuar() {
    std::size_t filas = 0;
    while (siguiente_ < bloques_.size() && filas < FilasPorTanda) {
        const BloqueExplicacion& bloque = bloques_[siguiente_];
        const BloqueExplicacion& exacto = exactos_.at(siguiente_);
        ++siguiente_;
        if (!bloque.Titulo.isEmpty()) Bloques_->addWidget(Etiqueta(bloque.Titulo, true));
        for (qsizetype p = 0; p < bloque.Parrafos.size(); ++p)
            Bloques_->addWidget(Etiqueta(bloque.Parrafos[p], false, exacto.Parrafos.value(p)));
        if (!bloque.Cabecera.isEmpty())
            Bloques_->addWidget(Tabla(bloque, exacto), 0, Qt::AlignLeft);
        for (qsizetype n = 0; n < bloque.Notas.size(); ++n)
            Bloques_->addWidget(Etiqueta(bloque.Notas[n], false, exacto.Notas.value(n)));
        Bloques_->addSpacing(10);
        const std::size_t widgets = std::size_t(bloque.Parrafos.size() + bloque.Notas.size()) +
                                    (bloque.Titulo.isEmpty() ? 0 : 1) +
                                    (bloque.Cabecera.isEmpty() ? 0 : 1);
        filas += widgets * FilasPorWidget + bloque.Filas.size();
    }
    if (siguiente_ < bloques_.size()) {
        // The rest once the events waiting have run, unless another calculation came first.
        QTimer::singleShot(0, this, [this, tanda = tanda_] {
            if (tanda == tanda_) Continuar();
        });
        return;
    }
    Bloques_->addStretch();
}
