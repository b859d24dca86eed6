// The standard dialogs (file, print, page setup, print preview, message boxes) in Spanish: Qt's
// own translation from the system, then ours for what it leaves in English or gets wrong.
#pragma once

#include <QLocale>
#include <QTranslator>

class TraduccionesDialogos {
public:
    // Installs both for a Spanish locale, nothing for any other; removes them when destroyed.
    explicit TraduccionesDialogos(const QLocale& locale = QLocale());
    ~TraduccionesDialogos();
    TraduccionesDialogos(const TraduccionesDialogos&) = delete;
    TraduccionesDialogos& operator=(const TraduccionesDialogos&) = delete;

    bool QtCargada() const { return qtCargada_; }
    bool NuestraCargada() const { return nuestraCargada_; }

private:
    QTranslator qt_;
    QTranslator nuestra_;
    bool qtCargada_ = false;
    bool nuestraCargada_ = false;
};
