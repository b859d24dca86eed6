// Painting the report's pages.
#include "PinturaInforme.h"

#include "Grafico.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

const QColor ColorLineas(128, 128, 128);
const QColor ColorCabecera(226, 226, 226);
const QColor ColorPie(90, 90, 90);

qreal Mm(const QPainter& pintor, qreal milimetros) {
    return milimetros * pintor.device()->logicalDpiY() / 25.4;
}

void Pintar(QPainter& pintor, const QRectF& rect, const PiezaTexto& pieza) {
    pintor.setFont(Letra(pieza.Letra));
    pintor.setPen(pieza.Letra == LetraInforme::Pie ? ColorPie : QColor(Qt::black));
    pintor.drawText(rect, int(pieza.Alineacion | Qt::AlignTop | Qt::TextWordWrap), pieza.Texto);
}

void Pintar(QPainter& pintor, const QRectF& rect, const PiezaTabla& tabla) {
    const QFont normal = Letra(LetraInforme::Tabla), negrita = [&] {
        QFont f = normal;
        f.setBold(true);
        return f;
    }();
    const QFont cuerpo = tabla.Lineas ? normal : Letra(LetraInforme::Cuerpo);
    const qreal margen = tabla.Lineas ? Mm(pintor, 1.2) : 0;
    const QPen lineas(ColorLineas, Mm(pintor, 0.2));
    const auto celdaNegrita = [&](std::size_t f, qsizetype c) {
        return std::find(tabla.CeldasNegritas.begin(), tabla.CeldasNegritas.end(),
                         std::pair{f, std::size_t(c)}) != tabla.CeldasNegritas.end();
    };
    qreal y = rect.top();
    for (std::size_t f = 0; f < tabla.Filas.size(); ++f) {
        const bool cabecera = tabla.Cabecera && f == 0;
        qreal x = rect.left();
        if (f < tabla.Unidas.size() && tabla.Unidas[f]) {
            // A line across the table, in italics: rows left out, summed up.
            const QRectF celda(x, y, rect.width(), tabla.AltoFila);
            if (tabla.Lineas) {
                pintor.setPen(lineas);
                pintor.drawRect(celda);
            }
            QFont cursiva = cuerpo;
            cursiva.setItalic(true);
            pintor.setFont(cursiva);
            pintor.setPen(Qt::black);
            pintor.drawText(celda.adjusted(margen, 0, -margen, 0),
                            int(Qt::AlignLeft | Qt::AlignVCenter), tabla.Filas[f].value(0));
            y += tabla.AltoFila;
            continue;
        }
        for (qsizetype c = 0; c < tabla.Filas[f].size(); ++c) {
            const QRectF celda(x, y, tabla.Anchos[std::size_t(c)], tabla.AltoFila);
            if (tabla.Lineas) {
                pintor.setPen(lineas);
                pintor.setBrush(cabecera || c == 0 ? QBrush(ColorCabecera) : QBrush(Qt::NoBrush));
                pintor.drawRect(celda);
            }
            QFont fuente = cuerpo;
            fuente.setBold(tabla.Negritas[f] || c == tabla.ColumnaNegrita || celdaNegrita(f, c));
            pintor.setFont(fuente);
            pintor.setPen(Qt::black);
            const Qt::Alignment alineacion =
                tabla.Lineas && !tabla.DeTexto[std::size_t(c)] ? Qt::AlignRight : Qt::AlignLeft;
            pintor.drawText(celda.adjusted(margen, 0, -margen, 0),
                            int(alineacion | Qt::AlignVCenter), tabla.Filas[f][c]);
            x += celda.width();
        }
        y += tabla.AltoFila;
    }
    pintor.setBrush(Qt::NoBrush);
}

void Pintar(QPainter& pintor, const QRectF& rect, const PiezaGrafico& pieza) {
    PintarGrafico(pintor, rect, pieza.Grafico);
}

void Pintar(QPainter& pintor, const QRectF& rect, const PiezaRaya&) {
    pintor.setPen(QPen(Qt::black, Mm(pintor, 0.35)));
    pintor.drawLine(rect.topLeft(), rect.topRight());
}

} // namespace

QPageLayout DisposicionInforme() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void PintarPaginaInforme(QPainter& pintor, const PaginaInforme& pagina) {
    pintor.save();
    pintor.setRenderHint(QPainter::TextAntialiasing);
    for (const PiezaPagina& pieza : pagina.Piezas)
        std::visit([&](const auto& contenido) { Pintar(pintor, pieza.Rect, contenido); },
                   pieza.Contenido);
    pintor.restore();
}

void ImprimirInforme(const ContenidoInforme& contenido, QPagedPaintDevice& dispositivo) {
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) throw std::runtime_error("No se pudo empezar a imprimir.");
    const QRectF area(0, 0, dispositivo.width(), dispositivo.height());
    const std::vector<PaginaInforme> paginas = MaquetarInforme(contenido, area, dispositivo);
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0 && !dispositivo.newPage())
            throw std::runtime_error("No se pudo empezar una página nueva.");
        PintarPaginaInforme(pintor, paginas[i]);
    }
    if (!pintor.end()) throw std::runtime_error("No se pudo terminar de imprimir.");
}

QByteArray InformePdf(const ContenidoInforme& contenido) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(DisposicionInforme());
        pdf.setTitle(contenido.Titulo);
        pdf.setCreator(QStringLiteral("Quelmar"));
        ImprimirInforme(contenido, pdf);
    }
    return bytes;
}
