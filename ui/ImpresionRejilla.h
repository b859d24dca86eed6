// The printout of the grid: one page holding the grid as it shows on screen. Painted on any paint
// device, so the print dialog, a preview or a PDF all take the same page.
#pragma once

class QPaintDevice;
class RejillaTexto;

// Starts a page on the device, paints the grid's visible part at (10, 10) device units and ends
// it. Throws when the device cannot be painted on.
void ImprimirRejilla(RejillaTexto& SG, QPaintDevice& dispositivo);
