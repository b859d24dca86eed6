// The model behind the string grid: cells of rows 1.. and columns 1.. as items, row 0 and
// column 0 as header data. Texts live in one store that ignores the counts.
#pragma once

#include "MarcaCelda.h"
#include "TextosCelda.h"

#include <QAbstractTableModel>

#include <map>

class ModeloRejilla : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloRejilla(QObject* padre = nullptr);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    // Grid coordinates: (column, row) from 0, the fixed row and column included.
    QString Celda(int columna, int fila) const { return textos_.Celda(columna, fila); }
    void PonerCelda(int columna, int fila, const QString& texto);
    const TextosCelda& Textos() const { return textos_; }
    void PonerTextos(const TextosCelda& textos);

    int Columnas() const { return columnas_; }
    void PonerColumnas(int columnas);
    int Filas() const { return filas_; }
    void PonerFilas(int filas);

    // The column whose cells show in bold; none when below 1.
    void PonerColumnaNegrita(int columna);

    // Replaces the marks of one layer; an empty set removes it. Where layers mark the same cell,
    // the higher layer's colours and the notes of all of them show, lowest first.
    void PonerMarcas(int capa, const MarcasCeldas& marcas, DuracionMarcas duracion);

private:
    struct Capa {
        MarcasCeldas marcas;
        DuracionMarcas duracion;
    };
    QVariant marca(int columna, int fila, int rol) const;
    void avisarCambioMarcas(const MarcasCeldas& marcas);
    // The marks that judge a cell's text go when that text changes.
    void olvidarMarcasDeTexto(int columna, int fila);

    void avisarCambioVisible();
    void avisarCambioColumna(int columna, const QList<int>& roles);

    TextosCelda textos_;
    int columnas_ = 5;
    int filas_ = 5;
    int columnaNegrita_ = 0;
    std::map<int, Capa> capas_; // by layer, lowest first
};
