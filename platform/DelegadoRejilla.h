// The grid's cell editor: a plain line edit whose Enter commits and closes at once, and then
// says so, so the grid can pass Enter on as a key that went down.
#pragma once

#include <QStyledItemDelegate>

class DelegadoRejilla : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

signals:
    void EdicionCerradaConEnter();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};
