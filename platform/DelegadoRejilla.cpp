// DelegadoRejilla: Qt's own handling of Enter commits later through a queued call, which would
// let the grid move on before the text is stored; here it happens synchronously.
#include "DelegadoRejilla.h"

#include <QKeyEvent>

bool DelegadoRejilla::eventFilter(QObject* objeto, QEvent* evento) {
    auto* editor = qobject_cast<QWidget*>(objeto);
    if (editor && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            emit EdicionCerradaConEnter();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(objeto, evento);
}
