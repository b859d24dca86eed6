// Qt looks a text up in the translators from the last installed to the first, so ours, installed
// second, wins over Qt's where both have the text.
#include "TraduccionesDialogos.h"

#include <QCoreApplication>
#include <QLibraryInfo>

TraduccionesDialogos::TraduccionesDialogos(const QLocale& locale) {
    if (locale.language() != QLocale::Spanish) return;
    qtCargada_ = qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&qt_);
    nuestraCargada_ = nuestra_.load(locale, QStringLiteral("quelmar"), QStringLiteral("_"),
                                    QStringLiteral(":/traducciones")) &&
                      QCoreApplication::installTranslator(&nuestra_);
}

TraduccionesDialogos::~TraduccionesDialogos() {
    if (nuestraCargada_) QCoreApplication::removeTranslator(&nuestra_);
    if (qtCargada_) QCoreApplication::removeTranslator(&qt_);
}
