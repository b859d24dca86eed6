// The report on paper: each page painted by one routine on any painter, and the whole report on a
// paged device. The print preview, the PDF export and quelmar-cli all come through here.
#pragma once

#include "ContenidoInforme.h"
#include "MaquetaInforme.h"

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

// The page the report is designed for: A4 upright, margins of 15 mm.
QPageLayout DisposicionInforme();

// Paints one laid-out page with the painter as it stands.
void PintarPaginaInforme(QPainter& pintor, const PaginaInforme& pagina);

// Lays the report out on the device's pages and paints them one after the other. Throws when the
// device cannot be painted on.
void ImprimirInforme(const ContenidoInforme& contenido, QPagedPaintDevice& dispositivo);

// The report as the bytes of a PDF document on the report's page.
QByteArray InformePdf(const ContenidoInforme& contenido);
