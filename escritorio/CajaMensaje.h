// The boxes of the warnings and of the error report: titled "Quelmar", one OK button, and wide
// enough for the title bar to show the whole title however short the message.
#pragma once

#include <QMessageBox>

#include <memory>

// Room in a title bar besides the title: the window's icon, its buttons and their margins.
inline constexpr int EspacioMarcoTitulo = 200;

std::unique_ptr<QMessageBox> CajaMensaje(QWidget* padre, QMessageBox::Icon icono,
                                         const QString& texto);
