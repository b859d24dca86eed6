// The tool bar the program's windows share: fixed under the menus, small icons over their texts,
// every button the same size.
#pragma once

#include <QString>

class QIcon;
class QMainWindow;
class QToolBar;
class QToolButton;

QToolBar* CrearBarraHerramientas(QMainWindow& ventana, const QString& nombre);
QToolButton* AnadirBoton(QToolBar& barra, const QString& nombre, const QString& texto,
                         const QIcon& imagen, const QString& pista);
