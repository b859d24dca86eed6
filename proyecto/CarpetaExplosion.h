// An exploded project written into a folder: one .sol per item named by its code, byte for byte
// what the main window saves for that item, the summary, and on request a .lot per item.
#pragma once

#include "ExplosionProyecto.h"

#include <QString>

inline const QString NombreResumen = QStringLiteral("resumen.tsv");

// The folder is created when missing. Every file is written as EscribirFicheroSeguro writes it;
// the first failure stops the writing (EInOutError), leaving the files written until then.
void EscribirCarpetaExplosion(const QString& carpeta, const Proyecto& proyecto,
                              const ResultadoProyecto& resultado, bool verCostes,
                              bool conProblemas);
