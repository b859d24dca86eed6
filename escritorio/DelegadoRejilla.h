// The grid's cell editor: a plain line edit whose Enter commits and closes at once, and then
// says so, so the grid can pass Enter on as a key that went down. A paste of several cells and
// Ctrl+Tab are the grid's, not the editor's.
#pragma once

#include <QStyledItemDelegate>

class QLineEdit;

class DelegadoRejilla : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

signals:
    void EdicionCerradaConEnter();
    // The clipboard holds more than one cell: the grid pastes them from the edited cell on,
    // instead of the editor taking them as one text. The editor is still open.
    void BloquePegadoEnEdicion(QWidget* editor);
    // Ctrl+Tab (siguiente) or Ctrl+Shift+Tab, once the edit has been committed and closed.
    void SalidaPedida(bool siguiente);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void pegar(QLineEdit& editor);
    bool menuContextual(QLineEdit& editor, const QPoint& donde);
};
