// Placing the report's sections on pages.
#include "MaquetaInforme.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace {

class Maquetador {
public:
    Maquetador(const QRectF& area, const QPaintDevice& dispositivo)
        : area_(area), dispositivo_(dispositivo),
          fondo_(area.bottom() - Alto(LetraInforme::Pie) - Mm(3)) {
        NuevaPagina();
    }

    qreal Mm(qreal milimetros) const { return milimetros * dispositivo_.logicalDpiY() / 25.4; }

    QFontMetricsF Medidas(LetraInforme letra, bool negrita = false) const {
        QFont fuente = Letra(letra);
        if (negrita) fuente.setBold(true);
        return QFontMetricsF(fuente, &dispositivo_);
    }

    qreal Alto(LetraInforme letra) const { return Medidas(letra).height(); }

    // The height of a text wrapped to the area's width.
    qreal AltoTexto(const QString& texto, LetraInforme letra) const {
        return Medidas(letra)
            .boundingRect(QRectF(0, 0, area_.width(), 1e9), Qt::TextWordWrap, texto)
            .height();
    }

    void Cabecera(const ContenidoInforme& contenido) {
        Texto(contenido.Titulo, LetraInforme::Titulo);
        if (!contenido.Subtitulo.isEmpty()) {
            Espacio(Mm(1));
            Texto(contenido.Subtitulo, LetraInforme::Subtitulo);
        }
        Espacio(Mm(2));
        Poner(Mm(1), PiezaRaya{});
    }

    void Seccion(const SeccionInforme& seccion) {
        Espacio(Mm(5));
        std::visit([this](const auto& s) { Colocar(s); }, seccion);
    }

    // Every page gets its footer once the number of pages is known.
    std::vector<PaginaInforme> Paginas(const QString& titulo) {
        const qreal alto = Alto(LetraInforme::Pie);
        const QRectF pie(area_.left(), area_.bottom() - alto, area_.width(), alto);
        const auto total = paginas_.size();
        for (std::size_t i = 0; i < total; ++i) {
            paginas_[i].Piezas.push_back({pie, PiezaTexto{titulo, LetraInforme::Pie}});
            paginas_[i].Piezas.push_back(
                {pie, PiezaTexto{QStringLiteral("Página %1 de %2").arg(i + 1).arg(total),
                                 LetraInforme::Pie, Qt::AlignRight}});
        }
        return std::move(paginas_);
    }

private:
    void NuevaPagina() {
        paginas_.emplace_back();
        y_ = area_.top();
    }

    bool PaginaVacia() const { return y_ == area_.top(); }

    // Starts a new page unless what follows fits, or the page is still empty (it would not fit
    // on any page).
    void Reservar(qreal alto) {
        if (y_ + alto > fondo_ && !PaginaVacia()) NuevaPagina();
    }

    void Espacio(qreal alto) {
        if (!PaginaVacia()) y_ += alto;
    }

    template <class Pieza> void Poner(qreal alto, Pieza pieza, qreal ancho = -1) {
        const QRectF rect(area_.left(), y_, ancho < 0 ? area_.width() : ancho, alto);
        paginas_.back().Piezas.push_back({rect, std::move(pieza)});
        y_ += alto;
    }

    void Texto(const QString& texto, LetraInforme letra) {
        const qreal alto = AltoTexto(texto, letra);
        Reservar(alto);
        Poner(alto, PiezaTexto{texto, letra});
    }

    // A heading goes on the page of what follows it.
    void Encabezado(const QString& titulo, qreal primero) {
        if (titulo.isEmpty()) {
            Reservar(primero);
            return;
        }
        const qreal alto = AltoTexto(titulo, LetraInforme::Encabezado);
        Reservar(alto + Mm(1.5) + primero);
        Poner(alto, PiezaTexto{titulo, LetraInforme::Encabezado});
        y_ += Mm(1.5);
    }

    void Colocar(const SeccionTexto& seccion) {
        for (qsizetype i = 0; i < seccion.Parrafos.size(); ++i) {
            const QString& parrafo = seccion.Parrafos[i];
            if (i == 0)
                Encabezado(seccion.Titulo, AltoTexto(parrafo, LetraInforme::Cuerpo));
            else
                Espacio(Mm(1.5));
            Texto(parrafo, LetraInforme::Cuerpo);
        }
    }

    void Colocar(const SeccionDatos& seccion) {
        SeccionTabla tabla;
        tabla.Titulo = seccion.Titulo;
        for (const auto& [nombre, valor] : seccion.Filas) tabla.Filas.push_back({nombre, valor});
        Tabla(tabla, LetraInforme::Cuerpo, false);
    }

    void Colocar(const SeccionTabla& seccion) { Tabla(seccion, LetraInforme::Tabla, true); }

    void Colocar(const SeccionDestacada& seccion) {
        const qreal alto = AltoTexto(seccion.Texto, LetraInforme::Destacada);
        Reservar(alto);
        Poner(alto, PiezaTexto{seccion.Texto, LetraInforme::Destacada});
    }

    void Colocar(const SeccionGrafico& seccion) {
        const qreal alto = std::min(area_.width() * 0.56, fondo_ - area_.top() - Mm(12));
        Encabezado(seccion.Titulo, alto);
        Poner(alto, PiezaGrafico{seccion.Grafico});
    }

    void Colocar(const SeccionSaltoPagina&) {
        if (!PaginaVacia()) NuevaPagina();
    }

    // The table in blocks of as many columns as the width holds, its first column in each.
    void Tabla(const SeccionTabla& seccion, LetraInforme letra, bool lineas) {
        std::vector<QStringList> filas;
        std::vector<bool> negritas;
        if (!seccion.Cabecera.isEmpty()) {
            filas.push_back(seccion.Cabecera);
            negritas.push_back(true);
        }
        for (std::size_t f = 0; f < seccion.Filas.size(); ++f) {
            filas.push_back(seccion.Filas[f]);
            negritas.push_back(f < seccion.FilasDestacadas.size() && seccion.FilasDestacadas[f]);
        }
        if (filas.empty()) return;
        qsizetype columnas = 0;
        for (const QStringList& fila : filas) columnas = std::max(columnas, fila.size());
        const int ultima = int(columnas) - 1;

        // Every column as wide as its widest text, in bold where it may be drawn bold.
        const QFontMetricsF normal = Medidas(letra), negrita = Medidas(letra, true);
        const qreal margen = Mm(lineas ? 1.2 : 0);
        const qreal separacion = lineas ? 0 : Mm(4);
        std::vector<qreal> anchos(std::size_t(columnas), 0);
        for (std::size_t f = 0; f < filas.size(); ++f)
            for (qsizetype c = 0; c < filas[f].size(); ++c) {
                const bool gruesa = negritas[f] || (seccion.UltimaColumnaDestacada && c == ultima);
                const qreal ancho =
                    (gruesa ? negrita : normal).horizontalAdvance(filas[f][c]) + 2 * margen;
                anchos[std::size_t(c)] = std::max(anchos[std::size_t(c)], ancho + separacion);
            }
        // Figures in columns of one width at least, as the grid's on screen.
        if (lineas)
            for (std::size_t c = 1; c < anchos.size(); ++c) anchos[c] = std::max(anchos[c], Mm(9));
        const qreal altoFila = normal.height() + 2 * Mm(lineas ? 0.8 : 0.5);
        const qreal altoBloque = altoFila * qreal(filas.size());

        bool primero = true;
        for (int desde = 1; desde <= ultima || (primero && ultima == 0);) {
            // The first column and as many of the rest as fit; at least one.
            int hasta = desde;
            qreal ancho = anchos[0] + (ultima > 0 ? anchos[std::size_t(desde)] : 0);
            while (hasta < ultima && ancho + anchos[std::size_t(hasta) + 1] <= area_.width())
                ancho += anchos[std::size_t(++hasta)];
            PiezaTabla bloque;
            bloque.AltoFila = altoFila;
            bloque.Cabecera = !seccion.Cabecera.isEmpty();
            bloque.Lineas = lineas;
            bloque.Negritas = negritas;
            const auto deTexto = [&](int c) {
                return c == 0 || (std::size_t(c) < seccion.ColumnasDeTexto.size() &&
                                  seccion.ColumnasDeTexto[std::size_t(c)]);
            };
            bloque.Anchos.push_back(anchos[0]);
            bloque.DeTexto.push_back(true);
            for (int c = desde; c <= hasta && ultima > 0; ++c) {
                bloque.Anchos.push_back(anchos[c]);
                bloque.DeTexto.push_back(deTexto(c));
            }
            for (const QStringList& fila : filas) {
                QStringList partes{fila.value(0)};
                for (int c = desde; c <= hasta && ultima > 0; ++c) partes << fila.value(c);
                bloque.Filas.push_back(std::move(partes));
            }
            if (seccion.UltimaColumnaDestacada && hasta == ultima)
                bloque.ColumnaNegrita = int(bloque.Anchos.size()) - 1;

            if (primero)
                Encabezado(seccion.Titulo, altoBloque);
            else {
                Espacio(Mm(3));
                Reservar(altoBloque);
            }
            Poner(altoBloque, std::move(bloque), ancho);
            primero = false;
            desde = hasta + 1;
        }
    }

    QRectF area_;
    const QPaintDevice& dispositivo_;
    qreal fondo_;
    qreal y_ = 0;
    std::vector<PaginaInforme> paginas_;
};

} // namespace

QFont Letra(LetraInforme letra) {
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    // Without ligatures, so that the PDF's text is found and copied as it was written.
    fuente.setStyleStrategy(QFont::PreferNoShaping);
    switch (letra) {
    case LetraInforme::Titulo:
        fuente.setPointSizeF(17);
        fuente.setBold(true);
        break;
    case LetraInforme::Subtitulo:
        fuente.setPointSizeF(10.5);
        break;
    case LetraInforme::Encabezado:
        fuente.setPointSizeF(11.5);
        fuente.setBold(true);
        break;
    case LetraInforme::Cuerpo:
        fuente.setPointSizeF(9.5);
        break;
    case LetraInforme::Tabla:
        fuente.setPointSizeF(8.5);
        break;
    case LetraInforme::Destacada:
        fuente.setPointSizeF(14);
        fuente.setBold(true);
        break;
    case LetraInforme::Pie:
        fuente.setPointSizeF(8);
        break;
    }
    return fuente;
}

std::vector<PaginaInforme> MaquetarInforme(const ContenidoInforme& contenido, const QRectF& area,
                                           const QPaintDevice& dispositivo) {
    Maquetador maquetador(area, dispositivo);
    maquetador.Cabecera(contenido);
    for (const SeccionInforme& seccion : contenido.Secciones) maquetador.Seccion(seccion);
    return maquetador.Paginas(contenido.Titulo);
}
