// The structure's tree model over the project's items.
#include "ModeloEstructura.h"

#include "Numeros.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <deque>
#include <vector>

namespace {

const QColor ColorFallo(0xB0, 0x00, 0x20);

} // namespace

ModeloEstructura::ModeloEstructura(const Proyecto& proyecto, QObject* padre)
    : QAbstractItemModel(padre), proyecto_(proyecto) {
    Actualizar();
}

bool ModeloEstructura::MismaForma(const std::vector<Mostrado>& a, const std::vector<Mostrado>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const Mostrado& x, const Mostrado& y) {
            return x.codigo == y.codigo &&
                   std::equal(x.componentes.begin(), x.componentes.end(), y.componentes.begin(),
                              y.componentes.end(), [](const Componente& c, const Componente& d) {
                                  return c.Codigo == d.Codigo;
                              });
        });
}

void ModeloEstructura::Actualizar() {
    std::vector<Mostrado> mostrados;
    mostrados.reserve(proyecto_.Articulos.size());
    for (const ArticuloProyecto& articulo : proyecto_.Articulos)
        mostrados.push_back({articulo.Codigo, articulo.Descripcion, articulo.Componentes});
    if (!nodos_.empty() && MismaForma(mostrados, mostrados_)) {
        mostrados_ = std::move(mostrados);
        AvisarCambios({});
        return;
    }
    beginResetModel();
    mostrados_ = std::move(mostrados);
    arbol_ = LeerArbol(proyecto_);
    nodos_.clear();
    for (std::size_t r = 0; r < arbol_.Raices.size(); ++r)
        nodos_.push_back({arbol_.Raices[r], -1, -1, int(r), false, {}});
    endResetModel();
}

void ModeloEstructura::PonerRechazos(const QHash<int, QStringList>& rechazos) {
    rechazos_ = rechazos;
    AvisarCambios({Qt::ForegroundRole, Qt::ToolTipRole});
}

// One signal for the top and one for every node whose children have been made: a view answers
// each with a look at the rows it shows.
void ModeloEstructura::AvisarCambios(const QList<int>& roles) {
    if (arbol_.Raices.empty()) return;
    emit dataChanged(index(0, 0), index(int(arbol_.Raices.size()) - 1, NumColumnas - 1), roles);
    for (std::size_t n = 0; n < nodos_.size(); ++n) {
        const Nodo& nodo = nodos_[n];
        if (!nodo.hijosHechos || nodo.hijos.empty()) continue;
        emit dataChanged(Indice(nodo.hijos.front()), Indice(nodo.hijos.back(), NumColumnas - 1),
                         roles);
    }
}

bool ModeloEstructura::EnCiclo(int nodo) const {
    const int articulo = nodos_[std::size_t(nodo)].articulo;
    for (int arriba = nodos_[std::size_t(nodo)].padre; arriba >= 0;
         arriba = nodos_[std::size_t(arriba)].padre)
        if (nodos_[std::size_t(arriba)].articulo == articulo) return true;
    return false;
}

const std::vector<int>& ModeloEstructura::Hijos(int nodo) const {
    if (!nodos_[std::size_t(nodo)].hijosHechos) {
        nodos_[std::size_t(nodo)].hijosHechos = true;
        const int articulo = nodos_[std::size_t(nodo)].articulo;
        if (articulo >= 0 && !EnCiclo(nodo)) {
            const std::vector<int>& componentes = arbol_.Componentes[std::size_t(articulo)];
            std::vector<int> hijos;
            for (std::size_t c = 0; c < componentes.size(); ++c) {
                hijos.push_back(int(nodos_.size()));
                nodos_.push_back({componentes[c], nodo, int(c), int(c), false, {}});
            }
            nodos_[std::size_t(nodo)].hijos = std::move(hijos);
        }
    }
    return nodos_[std::size_t(nodo)].hijos;
}

QModelIndex ModeloEstructura::Indice(int nodo, int columna) const {
    if (nodo < 0) return {};
    return createIndex(nodos_[std::size_t(nodo)].fila, columna, quintptr(nodo));
}

const ModeloEstructura::Nodo& ModeloEstructura::NodoDe(const QModelIndex& indice) const {
    return nodos_[std::size_t(indice.internalId())];
}

int ModeloEstructura::Articulo(const QModelIndex& indice) const {
    return indice.isValid() ? NodoDe(indice).articulo : -1;
}

int ModeloEstructura::Padre(const QModelIndex& indice) const {
    if (!indice.isValid() || NodoDe(indice).padre < 0) return -1;
    return nodos_[std::size_t(NodoDe(indice).padre)].articulo;
}

int ModeloEstructura::Posicion(const QModelIndex& indice) const {
    return indice.isValid() ? NodoDe(indice).posicion : -1;
}

QModelIndex ModeloEstructura::IndiceDe(int articulo, int padre) {
    const int buscado = padre >= 0 ? padre : articulo;
    // Breadth first, each item's components looked through once.
    std::vector<bool> visto(mostrados_.size(), false);
    std::deque<int> pendientes;
    for (std::size_t r = 0; r < arbol_.Raices.size(); ++r) pendientes.push_back(int(r));
    while (!pendientes.empty()) {
        const int nodo = pendientes.front();
        pendientes.pop_front();
        const int suyo = nodos_[std::size_t(nodo)].articulo;
        if (suyo == buscado) {
            if (padre < 0) return Indice(nodo);
            for (const int hijo : Hijos(nodo))
                if (nodos_[std::size_t(hijo)].articulo == articulo) return Indice(hijo);
            return Indice(nodo);
        }
        if (suyo < 0 || visto[std::size_t(suyo)]) continue;
        visto[std::size_t(suyo)] = true;
        for (const int hijo : Hijos(nodo)) pendientes.push_back(hijo);
    }
    return {};
}

QStringList ModeloEstructura::Ruta(const QModelIndex& indice) const {
    QStringList ruta;
    for (QModelIndex i = indice.siblingAtColumn(0); i.isValid(); i = parent(i))
        ruta.prepend(data(i, Qt::DisplayRole).toString());
    return ruta;
}

QModelIndex ModeloEstructura::IndiceDeRuta(const QStringList& ruta) {
    QModelIndex actual;
    for (const QString& codigo : ruta) {
        QModelIndex siguiente;
        for (int fila = 0; fila < rowCount(actual) && !siguiente.isValid(); ++fila)
            if (index(fila, 0, actual).data().toString() == codigo)
                siguiente = index(fila, 0, actual);
        if (!siguiente.isValid()) return {};
        actual = siguiente;
    }
    return actual;
}

QModelIndex ModeloEstructura::index(int fila, int columna, const QModelIndex& padre) const {
    if (fila < 0 || columna < 0 || columna >= NumColumnas) return {};
    if (!padre.isValid()) {
        if (fila >= int(arbol_.Raices.size())) return {};
        return Indice(fila, columna);
    }
    const std::vector<int>& hijos = Hijos(int(padre.internalId()));
    if (fila >= int(hijos.size())) return {};
    return Indice(hijos[std::size_t(fila)], columna);
}

QModelIndex ModeloEstructura::parent(const QModelIndex& indice) const {
    if (!indice.isValid()) return {};
    return Indice(NodoDe(indice).padre);
}

int ModeloEstructura::rowCount(const QModelIndex& padre) const {
    if (!padre.isValid()) return int(arbol_.Raices.size());
    if (padre.column() != 0) return 0;
    return int(Hijos(int(padre.internalId())).size());
}

int ModeloEstructura::columnCount(const QModelIndex&) const {
    return NumColumnas;
}

bool ModeloEstructura::hasChildren(const QModelIndex& padre) const {
    if (!padre.isValid()) return !arbol_.Raices.empty();
    if (padre.column() != 0) return false;
    const Nodo& nodo = NodoDe(padre);
    if (nodo.hijosHechos) return !nodo.hijos.empty();
    return nodo.articulo >= 0 && !arbol_.Componentes[std::size_t(nodo.articulo)].empty();
}

QVariant ModeloEstructura::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    const Nodo& nodo = NodoDe(indice);
    const int padre = nodo.padre >= 0 ? nodos_[std::size_t(nodo.padre)].articulo : -1;
    const Componente* componente =
        padre >= 0 ? &mostrados_[std::size_t(padre)].componentes[std::size_t(nodo.posicion)]
                   : nullptr;
    const Mostrado* articulo =
        nodo.articulo >= 0 ? &mostrados_[std::size_t(nodo.articulo)] : nullptr;
    const QString codigo = articulo ? articulo->codigo : componente->Codigo;
    const bool enCiclo = articulo && EnCiclo(int(indice.internalId()));
    const bool rechazado = articulo && rechazos_.contains(nodo.articulo);

    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (indice.column()) {
        case ColumnaCodigo:
            return codigo;
        case ColumnaDescripcion:
            return articulo ? articulo->descripcion : QStringLiteral("(no es ningún artículo)");
        case ColumnaNivel:
            if (!articulo || !arbol_.Estructura) return {};
            return arbol_.Estructura->Niveles[std::size_t(nodo.articulo)];
        case ColumnaCantidad:
            return componente ? FloatToStr(componente->Cantidad) : QString();
        }
        return {};
    case Qt::ForegroundRole:
        if (indice.column() == ColumnaCodigo && (!articulo || enCiclo || rechazado))
            return QBrush(ColorFallo);
        return {};
    case Qt::ToolTipRole:
        if (indice.column() == ColumnaCantidad && componente)
            return QStringLiteral("Unidades de «%1» por cada «%2»; doble clic para cambiarla")
                .arg(codigo, mostrados_[std::size_t(padre)].codigo);
        if (indice.column() != ColumnaCodigo) return {};
        if (!articulo) return QStringLiteral("«%1» no es ningún artículo del proyecto").arg(codigo);
        if (enCiclo)
            return QStringLiteral("«%1» ya está más arriba en esta rama: la estructura tiene un "
                                  "ciclo")
                .arg(codigo);
        if (rechazado) return rechazos_.value(nodo.articulo).join(u'\n');
        return {};
    case Qt::TextAlignmentRole:
        if (indice.column() == ColumnaNivel || indice.column() == ColumnaCantidad)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ModeloEstructura::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
    switch (seccion) {
    case ColumnaCodigo:
        return QStringLiteral("Código");
    case ColumnaDescripcion:
        return QStringLiteral("Descripción");
    case ColumnaNivel:
        return QStringLiteral("Nivel");
    case ColumnaCantidad:
        return QStringLiteral("Cantidad");
    }
    return {};
}

Qt::ItemFlags ModeloEstructura::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags marcas = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (indice.column() == ColumnaCantidad && NodoDe(indice).padre >= 0)
        marcas |= Qt::ItemIsEditable;
    return marcas;
}

bool ModeloEstructura::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (!indice.isValid() || rol != Qt::EditRole || indice.column() != ColumnaCantidad)
        return false;
    const Nodo& nodo = NodoDe(indice);
    if (nodo.padre < 0) return false;
    emit CantidadTecleada(nodos_[std::size_t(nodo.padre)].articulo, nodo.posicion,
                          valor.toString());
    return false;
}
