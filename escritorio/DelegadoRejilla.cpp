// DelegadoRejilla: Qt's own handling of Enter commits later through a queued call, which would
// let the grid move on before the text is stored; here it happens synchronously.
#include "DelegadoRejilla.h"

#include "PortapapelesRejilla.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

bool DelegadoRejilla::eventFilter(QObject* objeto, QEvent* evento) {
    auto* editor = qobject_cast<QWidget*>(objeto);
    auto* linea = qobject_cast<QLineEdit*>(objeto);
    if (editor && evento->type() == QEvent::KeyPress) {
        const auto& tecla = static_cast<const QKeyEvent&>(*evento);
        const bool control = tecla.modifiers() & Qt::ControlModifier;
        if (tecla.key() == Qt::Key_Return || tecla.key() == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            emit EdicionCerradaConEnter();
            return true;
        }
        if (control && (tecla.key() == Qt::Key_Tab || tecla.key() == Qt::Key_Backtab)) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit SalidaPedida(tecla.key() == Qt::Key_Tab &&
                              !(tecla.modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (linea && tecla.matches(QKeySequence::Paste)) {
            pegar(*linea);
            return true;
        }
    }
    if (linea && evento->type() == QEvent::ContextMenu)
        return menuContextual(*linea, static_cast<QContextMenuEvent*>(evento)->globalPos());
    return QStyledItemDelegate::eventFilter(objeto, evento);
}

// One field goes into the text being typed, without the line end a spreadsheet adds to a copied
// cell; more than one is the grid's to spread over the cells.
void DelegadoRejilla::pegar(QLineEdit& editor) {
    const QList<QStringList> bloque = DividirBloque(QGuiApplication::clipboard()->text());
    if (EsBloque(bloque))
        emit BloquePegadoEnEdicion(&editor);
    else if (!bloque.isEmpty())
        editor.insert(bloque.constFirst().constFirst());
}

namespace {
// The line edit's own "Paste": named in later Qt versions, known by its caption before.
QAction* AccionPegar(const QMenu& menu) {
    if (auto* nombrada = menu.findChild<QAction*>(QStringLiteral("edit-paste"))) return nombrada;
    for (QAction* accion : menu.actions())
        if (accion->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) return accion;
    return nullptr;
}
} // namespace

// The editor's own menu, whose "Paste" pastes as the keys do. It runs only once the menu has
// closed, since pasting a block closes the editor.
bool DelegadoRejilla::menuContextual(QLineEdit& editor, const QPoint& donde) {
    const std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
    QAction* pegarTexto = AccionPegar(*menu);
    if (!pegarTexto) return false;
    pegarTexto->disconnect(&editor);
    bool pedido = false;
    connect(pegarTexto, &QAction::triggered, menu.get(), [&pedido] { pedido = true; });
    menu->exec(donde);
    if (pedido) pegar(editor);
    return true;
}
