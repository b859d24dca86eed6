#include "BarraHerramientas.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr QSize TamanoBoton{79, 39};
constexpr int AltoBarra = 43;

} // namespace

QToolBar* CrearBarraHerramientas(QMainWindow& ventana, const QString& nombre) {
    auto* barra = new QToolBar(&ventana);
    barra->setObjectName(nombre);
    barra->setMovable(false);
    barra->setFloatable(false);
    barra->toggleViewAction()->setEnabled(false);
    barra->setIconSize(QSize(16, 16));
    barra->setFixedHeight(AltoBarra);
    ventana.addToolBar(Qt::TopToolBarArea, barra);
    return barra;
}

QToolButton* AnadirBoton(QToolBar& barra, const QString& nombre, const QString& texto,
                         const QIcon& imagen, const QString& pista) {
    auto* boton = new QToolButton(&barra);
    boton->setObjectName(nombre);
    boton->setText(texto);
    boton->setIcon(imagen);
    boton->setToolTip(pista);
    boton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    boton->setFixedSize(TamanoBoton);
    barra.addWidget(boton);
    return boton;
}
