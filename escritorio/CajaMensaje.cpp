// CajaMensaje: a message box sizes itself to its text alone, so a message such as "File not
// found" left the title cut; a spacer across its layout gives it a minimum width.
#include "CajaMensaje.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace {
const QString Titulo = QStringLiteral("Quelmar");
} // namespace

std::unique_ptr<QMessageBox> CajaMensaje(QWidget* padre, QMessageBox::Icon icono,
                                         const QString& texto) {
    auto caja = std::make_unique<QMessageBox>(icono, Titulo, texto, QMessageBox::Ok, padre);
    caja->setTextFormat(Qt::PlainText); // a field that holds "<b>" is shown as typed
    // Title bars use a font of their own, at most a little larger than the application's.
    QFont fuenteTitulo = QApplication::font();
    fuenteTitulo.setBold(true);
    const int ancho = QFontMetrics(fuenteTitulo).horizontalAdvance(Titulo) + EspacioMarcoTitulo;
    if (auto* disposicion = qobject_cast<QGridLayout*>(caja->layout()))
        disposicion->addItem(new QSpacerItem(ancho, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                             disposicion->rowCount(), 0, 1, disposicion->columnCount());
    return caja;
}
