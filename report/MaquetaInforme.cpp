// Placing the report's sections on pages.
#include "MaquetaInforme.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace {

// A table of up to this many rows, its heading row included, is never split across pages.
constexpr std::size_t FilasJuntas = 12;
// The fewest rows of a long table a page starts.
constexpr std::size_t MinimoFilasPorPagina = 3;
// A chart shrinks into the room left on its page rather than go to the next one down to this
// share of its height.
constexpr qreal MenorParteDelGrafico = 0.75;

class Maquetador {
public:
    Maquetador(const QRectF& area, const QPaintDevice& dispositivo)
        : area_(area), dispositivo_(dispositivo), fondo_(LineaDelPie(area, dispositivo) - Mm(3)) {
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
        if (!contenido.Portada.empty()) {
            Espacio(Mm(2));
            SeccionDatos portada;
            portada.Filas = contenido.Portada;
            Colocar(portada);
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
        const qreal linea = LineaDelPie(area_, dispositivo_);
        const QRectF pie(area_.left(), linea, area_.width(), area_.bottom() - linea);
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
        qreal alto = std::min(area_.width() * 0.56, fondo_ - area_.top() - Mm(12));
        const qreal titulo = seccion.Titulo.isEmpty()
                                 ? 0
                                 : AltoTexto(seccion.Titulo, LetraInforme::Encabezado) + Mm(1.5);
        const qreal queda = fondo_ - y_ - titulo;
        if (queda < alto && queda >= alto * MenorParteDelGrafico) alto = queda;
        Encabezado(seccion.Titulo, alto);
        Poner(alto, PiezaGrafico{seccion.Grafico});
    }

    void Colocar(const SeccionSaltoPagina&) {
        if (!PaginaVacia()) NuevaPagina();
    }

    // The table in blocks of as many columns as the width holds, its first column in each, each
    // block split by rows across pages with its heading row on every page; its notes below.
    void Tabla(const SeccionTabla& seccion, LetraInforme letra, bool lineas) {
        const bool conCabecera = !seccion.Cabecera.isEmpty();
        std::vector<QStringList> filas;
        std::vector<bool> negritas, unidas;
        if (conCabecera) {
            filas.push_back(seccion.Cabecera);
            negritas.push_back(true);
            unidas.push_back(false);
        }
        for (std::size_t f = 0; f < seccion.Filas.size(); ++f) {
            filas.push_back(seccion.Filas[f]);
            negritas.push_back(f < seccion.FilasDestacadas.size() && seccion.FilasDestacadas[f]);
            unidas.push_back(f < seccion.FilasUnidas.size() && seccion.FilasUnidas[f]);
        }
        if (filas.empty()) return;
        const std::size_t primeraFila = conCabecera ? 1 : 0; // of the rows under the heading
        qsizetype columnas = 0;
        for (std::size_t f = 0; f < filas.size(); ++f)
            if (!unidas[f]) columnas = std::max(columnas, filas[f].size());
        columnas = std::max<qsizetype>(columnas, 1);
        const int ultima = int(columnas) - 1;

        // Every column as wide as its widest text, in bold where it may be drawn bold.
        const QFontMetricsF normal = Medidas(letra), negrita = Medidas(letra, true);
        const qreal margen = Mm(lineas ? 1.2 : 0);
        const qreal separacion = lineas ? 0 : Mm(4);
        std::vector<qreal> anchos(std::size_t(columnas), 0);
        qreal anchoUnidas = 0;
        for (std::size_t f = 0; f < filas.size(); ++f) {
            if (unidas[f]) {
                anchoUnidas =
                    std::max(anchoUnidas, normal.horizontalAdvance(filas[f].value(0)) + 2 * margen);
                continue;
            }
            for (qsizetype c = 0; c < filas[f].size(); ++c) {
                const bool gruesa = negritas[f] ||
                                    (seccion.UltimaColumnaDestacada && c == ultima) ||
                                    !seccion.CeldasDestacadas.empty();
                const qreal ancho =
                    (gruesa ? negrita : normal).horizontalAdvance(filas[f][c]) + 2 * margen;
                anchos[std::size_t(c)] = std::max(anchos[std::size_t(c)], ancho + separacion);
            }
        }
        // Figures in columns of one width at least, as the grid's on screen.
        if (lineas)
            for (std::size_t c = 1; c < anchos.size(); ++c) anchos[c] = std::max(anchos[c], Mm(9));
        const qreal altoFila = normal.height() + 2 * Mm(lineas ? 0.8 : 0.5);

        bool primero = true;
        for (int desde = 1; desde <= ultima || (primero && ultima == 0);) {
            // The first column and as many of the rest as fit; at least one.
            int hasta = desde;
            qreal ancho = anchos[0] + (ultima > 0 ? anchos[std::size_t(desde)] : 0);
            while (hasta < ultima && ancho + anchos[std::size_t(hasta) + 1] <= area_.width())
                ancho += anchos[std::size_t(++hasta)];
            PiezaTabla bloque;
            bloque.AltoFila = altoFila;
            bloque.Cabecera = conCabecera;
            bloque.Lineas = lineas;
            const auto deTexto = [&](int c) {
                return c == 0 || (std::size_t(c) < seccion.ColumnasDeTexto.size() &&
                                  seccion.ColumnasDeTexto[std::size_t(c)]);
            };
            std::vector<int> columnasBloque{0};
            bloque.Anchos.push_back(anchos[0]);
            bloque.DeTexto.push_back(true);
            for (int c = desde; c <= hasta && ultima > 0; ++c) {
                columnasBloque.push_back(c);
                bloque.Anchos.push_back(anchos[std::size_t(c)]);
                bloque.DeTexto.push_back(deTexto(c));
            }
            // A line across the table widens its last column when the columns are narrower.
            if (anchoUnidas > ancho) {
                bloque.Anchos.back() += anchoUnidas - ancho;
                ancho = anchoUnidas;
            }
            if (seccion.UltimaColumnaDestacada && hasta == ultima)
                bloque.ColumnaNegrita = int(bloque.Anchos.size()) - 1;

            // A short table keeps together; a long one goes on over the pages with at least a few
            // rows under the heading row on each. With a title, on the title's page.
            const qreal minimo = filas.size() <= FilasJuntas
                                     ? altoFila * qreal(filas.size())
                                     : altoFila * qreal(primeraFila + MinimoFilasPorPagina);
            if (primero)
                Encabezado(seccion.Titulo, minimo);
            else {
                Espacio(Mm(3));
                Reservar(minimo);
            }
            for (std::size_t f = primeraFila; f < filas.size();) {
                if (y_ + minimo > fondo_ && !PaginaVacia()) NuevaPagina();
                const auto sitio = static_cast<long>((fondo_ - y_) / altoFila + 1e-6);
                const auto caben = std::size_t(std::max(1L, sitio - long(primeraFila)));
                const std::size_t fin = std::min(filas.size(), f + caben);
                PiezaTabla trozo = bloque;
                std::vector<std::size_t> indices;
                if (conCabecera) indices.push_back(0);
                for (std::size_t i = f; i < fin; ++i) indices.push_back(i);
                for (const std::size_t i : indices) {
                    QStringList partes;
                    if (unidas[i]) {
                        partes << filas[i].value(0);
                    } else {
                        for (const int c : columnasBloque) partes << filas[i].value(c);
                    }
                    trozo.Filas.push_back(std::move(partes));
                    trozo.Negritas.push_back(negritas[i]);
                    trozo.Unidas.push_back(unidas[i]);
                }
                for (const auto& [fila, columna] : seccion.CeldasDestacadas) {
                    const std::size_t enTabla = fila + primeraFila;
                    const auto enBloque =
                        std::find(columnasBloque.begin(), columnasBloque.end(), int(columna));
                    if (enTabla < f || enTabla >= fin || enBloque == columnasBloque.end()) continue;
                    trozo.CeldasNegritas.emplace_back(
                        enTabla - f + primeraFila, std::size_t(enBloque - columnasBloque.begin()));
                }
                const qreal alto = altoFila * qreal(trozo.Filas.size());
                Poner(alto, std::move(trozo), ancho);
                f = fin;
                if (f < filas.size()) NuevaPagina();
            }
            primero = false;
            desde = hasta + 1;
        }
        for (const QString& nota : seccion.Notas) {
            Espacio(Mm(1.5));
            Texto(nota, LetraInforme::Tabla);
        }
    }

    QRectF area_;
    const QPaintDevice& dispositivo_;
    qreal fondo_;
    qreal y_ = 0;
    std::vector<PaginaInforme> paginas_;
};

} // namespace

qreal LineaDelPie(const QRectF& area, const QPaintDevice& dispositivo) {
    return area.bottom() - QFontMetricsF(Letra(LetraInforme::Pie), &dispositivo).height();
}

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
