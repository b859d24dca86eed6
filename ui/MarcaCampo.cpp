// The red frame of a field, drawn by a frame laid over it: styling the field itself would change
// its size and move the fields around it.
#include "MarcaCampo.h"

#include <QFrame>
#include <QLineEdit>

namespace {
const QString NombreMarca = QStringLiteral("MarcaCampo");
} // namespace

void MarcarCampo(QLineEdit& campo, bool marcado, const QString& pista) {
    auto* marca = campo.findChild<QFrame*>(NombreMarca, Qt::FindDirectChildrenOnly);
    if (marcado && !marca) {
        marca = new QFrame(&campo);
        marca->setObjectName(NombreMarca);
        marca->setAttribute(Qt::WA_TransparentForMouseEvents);
        marca->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #d00000; }"));
    }
    if (marca) {
        marca->setGeometry(campo.rect());
        marca->setVisible(marcado);
    }
    campo.setToolTip(marcado ? pista : QString());
}
