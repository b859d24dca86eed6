// The project window's commands as one table: every menu item and tool button with its name,
// caption, image, handler and hint, in the order they appear.
#pragma once

#include <span>

class TFormProyecto;

using ManejadorProyecto = void (TFormProyecto::*)();

enum class LugarProyecto { Archivo, Edicion, Estructura, Calcular, Vista, BarraHerramientas };

struct MenuProyecto {
    LugarProyecto lugar;
    const char* nombre; // objectName
    const char* texto;  // caption with its accelerator
};

// The standard keys some items take; none for the others.
enum class TeclaProyecto { Ninguna, Deshacer, Rehacer };

struct OrdenProyecto {
    LugarProyecto lugar;
    const char* nombre; // objectName; nullptr for a separator
    const char* texto;  // caption; a TAB before a key that does the same in the grid
    const char* imagen; // resource path, nullptr for none
    ManejadorProyecto manejador;
    const char* pista; // tool tip, nullptr for none
    TeclaProyecto tecla = TeclaProyecto::Ninguna;
};

// The menus of the menu bar, left to right; "Vista" lists the panels, which the window adds.
std::span<const MenuProyecto> MenusProyecto();

// Every menu item, separator and tool button, in the order they are added.
std::span<const OrdenProyecto> OrdenesProyecto();
