// ModeloRejilla: maps grid coordinates onto items (shifted by the fixed row and column) and
// headers, and keeps the texts apart from the counts.
#include "ModeloRejilla.h"

#include <QFont>

#include <QStringList>

#include <algorithm>
#include <utility>

namespace {
// The fixed row or column and at least one cell beside it.
constexpr int MinimoLineas = 2;
} // namespace

ModeloRejilla::ModeloRejilla(QObject* padre) : QAbstractTableModel(padre) {}

int ModeloRejilla::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : filas_ - 1;
}

int ModeloRejilla::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : columnas_ - 1;
}

QVariant ModeloRejilla::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    const int columna = indice.column() + 1;
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Celda(columna, indice.row() + 1);
    case Qt::ToolTipRole: {
        // The whole text, also where the column is too narrow for it; none for an empty cell.
        // The marks' notes follow it.
        QStringList lineas;
        const QString texto = Celda(columna, indice.row() + 1);
        if (!texto.isEmpty()) lineas << texto;
        for (const auto& [capa, datos] : capas_) {
            const auto marca = datos.marcas.constFind(QPoint(columna, indice.row() + 1));
            if (marca != datos.marcas.cend() && !marca->Nota.isEmpty()) lineas << marca->Nota;
        }
        return lineas.isEmpty() ? QVariant() : QVariant(lineas.join(u'\n'));
    }
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        return marca(columna, indice.row() + 1, rol);
    case Qt::FontRole: {
        if (columna != columnaNegrita_) return {};
        // Only the weight: the view's own font supplies the rest.
        QFont negrita;
        negrita.setBold(true);
        return negrita;
    }
    default:
        return {};
    }
}

bool ModeloRejilla::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (!indice.isValid() || rol != Qt::EditRole) return false;
    PonerCelda(indice.column() + 1, indice.row() + 1, valor.toString());
    return true;
}

Qt::ItemFlags ModeloRejilla::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ModeloRejilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole) return {};
    return orientacion == Qt::Horizontal ? Celda(seccion + 1, 0) : Celda(0, seccion + 1);
}

void ModeloRejilla::PonerCelda(int columna, int fila, const QString& texto) {
    if (columna < 0 || fila < 0 || textos_.Celda(columna, fila) == texto) return;
    textos_.PonerCelda(columna, fila, texto);
    olvidarMarcasDeTexto(columna, fila);
    // A cell outside the counts only needs storing: nothing shows it yet.
    if (columna >= columnas_ || fila >= filas_) return;
    if (fila == 0 && columna > 0) {
        emit headerDataChanged(Qt::Horizontal, columna - 1, columna - 1);
    } else if (columna == 0 && fila > 0) {
        emit headerDataChanged(Qt::Vertical, fila - 1, fila - 1);
    } else if (columna > 0 && fila > 0) {
        const QModelIndex celda = index(fila - 1, columna - 1);
        emit dataChanged(celda, celda,
                         {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole, Qt::ForegroundRole,
                          Qt::BackgroundRole});
    }
}

void ModeloRejilla::PonerTextos(const TextosCelda& textos) {
    const TextosCelda antes = std::exchange(textos_, textos);
    for (auto& [capa, datos] : capas_) {
        if (datos.duracion != DuracionMarcas::HastaCambiarElTexto) continue;
        datos.marcas.removeIf([&](const auto& marca) {
            return antes.Celda(marca.key().x(), marca.key().y()) !=
                   textos_.Celda(marca.key().x(), marca.key().y());
        });
    }
    avisarCambioVisible();
}

void ModeloRejilla::PonerMarcas(int capa, const MarcasCeldas& marcas, DuracionMarcas duracion) {
    const auto anterior = capas_.find(capa);
    if (anterior != capas_.end()) {
        const MarcasCeldas quitadas = anterior->second.marcas;
        capas_.erase(anterior);
        avisarCambioMarcas(quitadas);
    }
    if (marcas.isEmpty()) return;
    capas_[capa] = {marcas, duracion};
    avisarCambioMarcas(marcas);
}

QVariant ModeloRejilla::marca(int columna, int fila, int rol) const {
    QColor color;
    for (const auto& [capa, datos] : capas_) {
        const auto marca = datos.marcas.constFind(QPoint(columna, fila));
        if (marca == datos.marcas.cend()) continue;
        const QColor& propio = rol == Qt::ForegroundRole ? marca->Texto : marca->Fondo;
        if (propio.isValid()) color = propio;
    }
    return color.isValid() ? QVariant(color) : QVariant();
}

void ModeloRejilla::avisarCambioMarcas(const MarcasCeldas& marcas) {
    for (auto marca = marcas.cbegin(); marca != marcas.cend(); ++marca) {
        const int columna = marca.key().x(), fila = marca.key().y();
        if (columna < 1 || fila < 1 || columna >= columnas_ || fila >= filas_) continue;
        const QModelIndex celda = index(fila - 1, columna - 1);
        emit dataChanged(celda, celda, {Qt::ForegroundRole, Qt::BackgroundRole, Qt::ToolTipRole});
    }
}

void ModeloRejilla::olvidarMarcasDeTexto(int columna, int fila) {
    for (auto& [capa, datos] : capas_)
        if (datos.duracion == DuracionMarcas::HastaCambiarElTexto)
            datos.marcas.remove(QPoint(columna, fila));
}

void ModeloRejilla::PonerColumnaNegrita(int columna) {
    if (columna == columnaNegrita_) return;
    const int anterior = columnaNegrita_;
    columnaNegrita_ = columna;
    avisarCambioColumna(anterior, {Qt::FontRole});
    avisarCambioColumna(columnaNegrita_, {Qt::FontRole});
}

void ModeloRejilla::avisarCambioColumna(int columna, const QList<int>& roles) {
    if (columna < 1 || columna >= columnas_) return;
    emit dataChanged(index(0, columna - 1), index(filas_ - 2, columna - 1), roles);
}

// Not a model reset: that would forget the column widths and the current cell.
void ModeloRejilla::avisarCambioVisible() {
    emit headerDataChanged(Qt::Horizontal, 0, columnas_ - 2);
    emit headerDataChanged(Qt::Vertical, 0, filas_ - 2);
    emit dataChanged(index(0, 0), index(filas_ - 2, columnas_ - 2),
                     {Qt::DisplayRole, Qt::EditRole});
}

void ModeloRejilla::PonerColumnas(int columnas) {
    columnas = std::max(columnas, MinimoLineas);
    if (columnas > columnas_) {
        beginInsertColumns({}, columnas_ - 1, columnas - 2);
        columnas_ = columnas;
        endInsertColumns();
    } else if (columnas < columnas_) {
        beginRemoveColumns({}, columnas - 1, columnas_ - 2);
        columnas_ = columnas;
        endRemoveColumns();
    }
}

void ModeloRejilla::PonerFilas(int filas) {
    filas = std::max(filas, MinimoLineas);
    if (filas > filas_) {
        beginInsertRows({}, filas_ - 1, filas - 2);
        filas_ = filas;
        endInsertRows();
    } else if (filas < filas_) {
        beginRemoveRows({}, filas - 1, filas_ - 2);
        filas_ = filas;
        endRemoveRows();
    }
}
